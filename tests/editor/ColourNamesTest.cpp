#include "editor/ColourNames.h"
#include "EditPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The source tree's resource folder, three levels above this folder's fixtures.
const QString ShippedColourFile = QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/color.txt"));

const QStringList Names = {QStringLiteral("AliceBlue"), QStringLiteral("Red"), QStringLiteral("DarkSlateGray")};

} // namespace

TEST(ColourFile, TheShippedFileHoldsTheClassicWebColoursWhole)
{
    QFile raw(ShippedColourFile);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << "every line ends in CR LF";

    const ColourFile file = readColourFile(ShippedColourFile);
    ASSERT_TRUE(file.ok);
    EXPECT_TRUE(file.badLines.isEmpty());
    EXPECT_EQ(colourFileMessage(file), QString());
    EXPECT_EQ(file.records.size(), 140);
    EXPECT_EQ(file.records.first(), (ColourRecord{u("AliceBlue"), u("F0F8FF"), 240, 248, 255}));
    EXPECT_EQ(file.records.last(), (ColourRecord{u("YellowGreen"), u("9ACD32"), 154, 205, 50}));
    // The reader refuses a record whose code and values disagree, so these are consistent; each
    // name also means the same colour to the browser.
    QStringList lower;
    for (const ColourRecord& r : file.records) {
        EXPECT_EQ(QColor::fromString(r.name.toLower()).name(), QLatin1Char('#') + r.hex.toLower()) << r.name.toStdString();
        lower.append(r.name.toLower());
    }
    lower.removeDuplicates();
    EXPECT_EQ(lower.size(), file.records.size());
}

TEST(ColourFile, RecordsAfterTheHeadingAreReadAndDamagedLinesNamed)
{
    const ColourFile file = parseColourFile(u("色名,コード,赤,緑,青\r\n"
                                              "Red,FF0000,255,0,0\r\n"
                                              "\r\n"                                  // blank lines are skipped
                                              " \"Navy\" , 000080 , 0 , 0 , 128 \n"   // quotes, blanks, LF alone
                                              "Broken,FF00,255,0\r\n"                 // four fields
                                              ",00FF00,0,255,0\r\n"                   // no name
                                              "Odd,GG0000,255,0,0\r\n"                // not hexadecimal
                                              "Big,FF0000,256,0,0\r\n"                // out of range
                                              "Liar,FF0000,0,0,255\r\n"               // code and values disagree
                                              "Lime,00FF00,0,255,0"));                // no line break at the end
    ASSERT_TRUE(file.ok);
    EXPECT_EQ(file.heading, u("色名,コード,赤,緑,青"));
    EXPECT_EQ(colourNames(file), (QStringList{u("Red"), u("Navy"), u("Lime")}));
    EXPECT_EQ(file.records[1], (ColourRecord{u("Navy"), u("000080"), 0, 0, 128}));
    EXPECT_EQ(file.badLines, (QList<int>{5, 6, 7, 8, 9}));
    EXPECT_EQ(colourFileMessage(file), u("color.txtの5、6、7、8、9行目が読めません。"));
}

TEST(ColourFile, ALongFileIsReadWholeAndAMissingOneIsReported)
{
    QString content = u("heading\r\n");
    for (int i = 0; i < 300; ++i)
        content += QStringLiteral("c%1,000000,0,0,0\r\n").arg(i);
    const ColourFile longFile = parseColourFile(content);
    EXPECT_EQ(longFile.records.size(), 300);
    EXPECT_EQ(longFile.records.last().name, u("c299"));

    for (const QString& empty : {QString(), u("\r\n  \r\n")}) {
        const ColourFile none = parseColourFile(empty);
        EXPECT_FALSE(none.ok);
        EXPECT_EQ(colourFileMessage(none), u("color.txtが読めません"));
    }
    QTemporaryDir dir;
    const ColourFile missing = readColourFile(dir.path() + u("/color.txt"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(colourFileMessage(missing), u("color.txtが読めません"));
}

TEST(PickedColour, ReplacesACodeOrANameAndWrapsAnythingElse)
{
    struct Case {
        const char* text;
        Selection selection;
        const char* after;     // the text afterwards
        Selection caret;
        QList<MarkRange> marks;
    } cases[] = {
        // A selected code is replaced whatever the colour; so is a known name in any case with blanks.
        {"<FONT color=#ff0000>", {12, 7}, "<FONT color=#00AA00>", {19, 0}, {}},
        {"bg= rEd here", {3, 5}, "bg=#00AA00here", {10, 0}, {}},
        {"darkslategray", {0, 13}, "#00AA00", {7, 0}, {}},
        // The heading and empty fields are no colour names.
        {"色名", {0, 2}, " <FONT color=\"#00AA00\">色名 </FONT> ", {23, 0}, {{0, 23}, {25, 9}}},
        {"ab", {1, 0}, "a <FONT color=\"#00AA00\"> </FONT> b", {24, 0}, {{1, 23}, {24, 9}}},
        // An ordinary word is wrapped, both tags marked.
        {"a word.", {2, 4}, "a  <FONT color=\"#00AA00\">word </FONT> .", {25, 0}, {{2, 23}, {29, 9}}},
        // A selection ending in a line break leaves the whole break outside the tags...
        {"word\r\nnext", {0, 6}, " <FONT color=\"#00AA00\">word </FONT> \r\nnext", {23, 0}, {{0, 23}, {27, 9}}},
        // ...and a line break inside the selection stays inside.
        {"ab\r\ncd", {0, 6}, " <FONT color=\"#00AA00\">ab\r\ncd </FONT> ", {23, 0}, {{0, 23}, {29, 9}}},
    };
    const QStringList names = Names + QStringList{QString()};
    for (const auto& c : cases) {
        const QString text = u(c.text);
        const ColourInsertion ci = colourInsertion(text, c.selection, u("#00AA00"), names);
        const EditResult r = ci.kind == ColourInsertion::Replace
            ? replaceSelection(text, ci.selection, ci.replacement)
            : applyWrap(text, ci.wrap);
        EXPECT_EQ(r.text, u(c.after)) << c.text;
        EXPECT_EQ(r.selection, c.caret) << c.text;
        EXPECT_EQ(r.marks, c.marks) << c.text;
    }
}
