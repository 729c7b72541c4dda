#include "platform/TextFile.h"
#include "support/QtPrinters.h"
#include "platform/DataLines.h"
#include "toolwindows/TagDictionary.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString R = QStringLiteral("\r\n");

QString shippedTagFile()
{
    const TextReadResult read = readProgramFile(QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/tag.txt")));
    EXPECT_TRUE(read.ok) << read.error.toStdString();
    return read.text;
}

// The tag's name as the toolbar's look-up would type it: the caption's first word without "<".
QString tagName(const QString& caption)
{
    static const QRegularExpression word(QStringLiteral("^<([^ >]+)"));
    return word.match(caption).captured(1);
}

} // namespace

TEST(DataLines, SplitsAtEveryLineEndAndIgnoresTheLastOne)
{
    struct Case {
        QString text;
        QStringList lines;
    } cases[] = {
        {QString(), {}},
        {QStringLiteral("a"), {QStringLiteral("a")}},
        {QStringLiteral("a\r\n"), {QStringLiteral("a")}},
        {QStringLiteral("a\r\n\r\n"), {QStringLiteral("a"), QString()}},
        {QStringLiteral("\r\n"), {QString()}},
        {QStringLiteral("a\nb\rc\r\nd"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}},
        {QStringLiteral("a\r\r\nb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitDataLines(c.text), c.lines) << c.text.toStdString();
}

TEST(TagDictionary, HeadingIsDroppedAndBlankLinesSeparateEntries)
{
    // The second line is already a caption; runs of blank lines (also lines of blanks only) and
    // blank lines before the first entry make no empty entries.
    const QString text = QStringLiteral("<B> </B>") + R + QStringLiteral("<I> </I>") + R + QStringLiteral("斜体です") + R
                         + R + QStringLiteral("   ") + R + R + QStringLiteral("  <U> </U>") + R + QStringLiteral(" 下線 ") + R;
    const QList<TagEntry> entries = parseTagDictionary(text);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].caption, QStringLiteral("<I> </I>"));
    EXPECT_EQ(entries[0].explanation, QStringLiteral("<I> </I>") + R + QStringLiteral("斜体です"));
    // Captions and explanations keep their blanks.
    EXPECT_EQ(entries[1].caption, QStringLiteral("  <U> </U>"));
    EXPECT_EQ(entries[1].explanation, QStringLiteral("  <U> </U>") + R + QStringLiteral(" 下線 "));
}

TEST(TagDictionary, LastEntryNeedsNoBlankLineAndLfEndsAreRead)
{
    const QList<TagEntry> entries = parseTagDictionary(QStringLiteral("見出し\n\n\n<BR>\n改行\n\n<HR>\n線"));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].explanation, QStringLiteral("<HR>") + R + QStringLiteral("線"));
}

TEST(TagDictionary, EntriesPastTheLastLabelAreIgnored)
{
    QString text = QStringLiteral("見出し") + R;
    for (int i = 0; i < TagLabelCount + 3; ++i)
        text += QStringLiteral("<B%1>").arg(i) + R + QStringLiteral("説明") + R + R + QStringLiteral("   ") + R;
    const QList<TagEntry> entries = parseTagDictionary(text);
    ASSERT_EQ(entries.size(), TagLabelCount);
    EXPECT_EQ(entries.last().caption, QStringLiteral("<B%1>").arg(TagLabelCount - 1));
}

TEST(TagDictionary, EmptyOrHeadingOnlyFileHasNoEntries)
{
    EXPECT_TRUE(parseTagDictionary(QString()).isEmpty());
    EXPECT_TRUE(parseTagDictionary(QStringLiteral("<B> </B>") + R).isEmpty());
}

TEST(TagDictionary, CaptionIsCutIntoTheTagsToInsert)
{
    struct Case {
        QString caption;
        bool insertable;
        QString start;
        QString end;
    } cases[] = {
        {QStringLiteral("<B>  </B>"), true, QStringLiteral("<B>"), QStringLiteral("</B>")},
        {QStringLiteral("<A HREF=\"\"> </A>  "), true, QStringLiteral("<A HREF=\"\">"), QStringLiteral("</A>")},
        {QStringLiteral("<BR>"), true, QStringLiteral("<BR>"), QString()},
        {QStringLiteral("<UL><LI></UL>"), true, QStringLiteral("<UL>"), QStringLiteral("<LI>")},
        {QString(), true, QString(), QString()},
        {QStringLiteral(" <B></B>"), false, {}, {}},
        {QStringLiteral("B</B>"), false, {}, {}},
        {QStringLiteral("<A><B><C><D>"), false, {}, {}},
    };
    for (const Case& c : cases) {
        const std::optional<TagPieces> pieces = splitTagCaption(c.caption);
        ASSERT_EQ(pieces.has_value(), c.insertable) << c.caption.toStdString();
        if (pieces) {
            EXPECT_EQ(pieces->start, c.start) << c.caption.toStdString();
            EXPECT_EQ(pieces->end, c.end) << c.caption.toStdString();
        }
    }
}

TEST(TagDictionary, ColourCodeFillsTheFirstStarOnly)
{
    EXPECT_EQ(fillColourCode(QStringLiteral("<FONT COLOR=\"*\"> * </FONT>"), QStringLiteral("#FF0000")),
              QStringLiteral("<FONT COLOR=\"#FF0000\"> * </FONT>"));
    EXPECT_EQ(fillColourCode(QStringLiteral("色なし"), QStringLiteral("#FF0000")), QStringLiteral("色なし"));
}

TEST(ShippedTagFile, HasAnEntryForEveryLabelAndEachInsertsItsTags)
{
    const QList<TagEntry> entries = parseTagDictionary(shippedTagFile());
    ASSERT_EQ(entries.size(), TagLabelCount);
    QStringList captions;
    for (const TagEntry& e : entries) {
        const std::optional<TagPieces> pieces = splitTagCaption(e.caption);
        ASSERT_TRUE(pieces.has_value()) << e.caption.toStdString();
        EXPECT_FALSE(pieces->start.isEmpty()) << e.caption.toStdString();
        // The caption is the explanation's first line, and something explains it.
        EXPECT_TRUE(e.explanation.startsWith(e.caption + R)) << e.caption.toStdString();
        EXPECT_FALSE(captions.contains(e.caption)) << "twice: " << e.caption.toStdString();
        captions.append(e.caption);
    }
}

TEST(ShippedTagFile, ColourCodesUseTheColourAid)
{
    // An explanation that names a colour code offers the aid: the word to select on its own and
    // exactly one "*" where the chosen code goes; no other explanation holds a "*".
    static const QRegularExpression code(QStringLiteral("#[0-9A-Fa-f]{6}|\\*"));
    static const QRegularExpression word(QStringLiteral("(^|[^0-9A-Za-z])rrggbb([^0-9A-Za-z]|$)"));
    int aids = 0;
    for (const TagEntry& e : parseTagDictionary(shippedTagFile())) {
        const QString body = e.explanation.mid(e.caption.size());
        if (!code.match(body).hasMatch()) {
            EXPECT_FALSE(e.explanation.contains(u'*')) << e.caption.toStdString();
            continue;
        }
        ++aids;
        EXPECT_TRUE(word.match(e.explanation).hasMatch()) << e.caption.toStdString();
        EXPECT_EQ(e.explanation.count(u'*'), 1) << e.caption.toStdString();
        EXPECT_FALSE(e.caption.contains(u'*')) << "the label would insert the star: " << e.caption.toStdString();
        EXPECT_TRUE(fillColourCode(e.explanation, QStringLiteral("#FF0000")).contains(QStringLiteral("=\"#FF0000\"")))
            << e.caption.toStdString();
    }
    EXPECT_GT(aids, 0);
}

TEST(ShippedTagFile, LookingUpATagNameFindsItsOwnLabel)
{
    // The toolbar's look-up takes the first label whose caption contains the selected name in
    // any case, so a short name must come before every caption that holds it ("B" before
    // "<BODY ...>", "TR" before "<STRONG>").
    const QList<TagEntry> entries = parseTagDictionary(shippedTagFile());
    for (const TagEntry& e : entries) {
        const QString name = tagName(e.caption);
        ASSERT_FALSE(name.isEmpty()) << e.caption.toStdString();
        for (const TagEntry& first : entries) {
            if (first.caption.contains(name, Qt::CaseInsensitive)) {
                EXPECT_EQ(tagName(first.caption), name) << name.toStdString() << " finds " << first.caption.toStdString();
                break;
            }
        }
    }
}

TEST(TagLookup, FindsTheFirstCaptionHoldingTheSelectedName)
{
    const QStringList captions = {QStringLiteral("A"),  QStringLiteral("B"),    QStringLiteral("TABLE"),
                                  QStringLiteral("TD"), QStringLiteral("FONT"), QStringLiteral("IMG")};
    struct Case {
        const char* selected;
        int index;
    } cases[] = {
        {"<td>", 3},
        {"  <img>  ", 5},
        {"able", 2},   // a piece of a caption
        {"font", 4},   // a whole caption, any case
        {"<b>", 1},    // the first caption that holds it
        {"nt", 4},     // the end of a caption
        {"TABLES", -1},
        {"xyz", -1},
        {"<>", -1},    // nothing left to look up
        {"   ", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findTagCaption(QString::fromUtf8(c.selected), captions), c.index) << c.selected;
}
