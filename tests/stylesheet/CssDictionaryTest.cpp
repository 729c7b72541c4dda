#include "platform/TextFile.h"
#include "stylesheet/CssDictionary.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString R = QStringLiteral("\r\n");

QString lines(std::initializer_list<const char*> parts)
{
    QString text;
    for (const char* p : parts)
        text += QString::fromUtf8(p) + R;
    return text;
}

QString shippedText()
{
    const TextReadResult read = readProgramFile(QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/css.txt")));
    EXPECT_TRUE(read.ok) << read.error.toStdString();
    return read.text;
}

// The value that a double click writes: the value line's first blank-separated word.
QString valueWord(const QString& valueLine)
{
    return valueLine.section(u' ', 0, 0);
}

const QStringList ColourPlaceholders = {QStringLiteral("#FFFFFF"), QStringLiteral("カラーネーム"), QStringLiteral("#rgb"),
                                        QStringLiteral("rgb(n,n,n)"), QStringLiteral("rgb(n%,n%,n%)")};
const QStringList UnitPlaceholders = {QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("pt"), QStringLiteral("px"),
                                      QStringLiteral("%"),  QStringLiteral("ex"), QStringLiteral("in"), QStringLiteral("em"),
                                      QStringLiteral("pc"), QStringLiteral("値")};
const QStringList OtherPlaceholders = {QStringLiteral("フォント名"), QStringLiteral("url")};

} // namespace

TEST(CssDictionary, ReadsCategoriesPropertiesValuesAndTexts)
{
    const CssDictionary d = parseCssDictionary(lines({
        "<T フォント>",
        "<S font-weight>",
        "\tbold 太字 ",
        "  normal",
        "<説明>",
        "  文字の太さを",
        "\t決めます。  ",
        "</説明>",
        "<例>",
        "P {",
        "  font-weight: bold;",
        "}",
        "</例>",
        "<T 色>",
        "<S color>",
        "#FFFFFF",
    }));
    EXPECT_EQ(d.categoryNames(), (QStringList{QStringLiteral("フォント"), QStringLiteral("色")}));
    EXPECT_EQ(d.propertyNames(QStringLiteral(" フォント ")), QStringList{QStringLiteral("font-weight")});
    const CssProperty* p = d.propertyNamed(QStringLiteral("font-weight"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->values, (QStringList{QStringLiteral("bold 太字"), QStringLiteral("normal")}));
    EXPECT_EQ(p->description, QStringLiteral("文字の太さを") + R + QStringLiteral("決めます。"));
    // Inner blanks of an example stay; the ends are trimmed.
    EXPECT_EQ(p->example, QStringLiteral("P {") + R + QStringLiteral("  font-weight: bold;") + R + QStringLiteral("}"));
    // The last category runs to the end of the file.
    EXPECT_EQ(d.propertyNames(QStringLiteral("色")), QStringList{QStringLiteral("color")});
    EXPECT_TRUE(d.propertyNames(QStringLiteral("ない")).isEmpty());
}

TEST(CssDictionary, LooksUpWholeHeadersOnly)
{
    // "font" comes after "font-size", and the name of the second category stands in the first
    // category's description: each look-up still finds its own header.
    const CssDictionary d = parseCssDictionary(lines({
        "<T 文字>",
        "<S font-size>",
        "pt",
        "<説明>",
        "大きさは 色 とは別に決めます。",
        "</説明>",
        "<S font>",
        "bold",
        "<説明>",
        "まとめて決めます。",
        "</説明>",
        "<T 色>",
        "<S color>",
        "#FFFFFF",
    }));
    ASSERT_NE(d.propertyNamed(QStringLiteral("font")), nullptr);
    EXPECT_EQ(d.propertyNamed(QStringLiteral("font"))->values, QStringList{QStringLiteral("bold")});
    EXPECT_EQ(d.propertyNamed(QStringLiteral("font"))->description, QStringLiteral("まとめて決めます。"));
    EXPECT_EQ(d.propertyNamed(QStringLiteral("font-size"))->values, QStringList{QStringLiteral("pt")});
    EXPECT_EQ(d.propertyNames(QStringLiteral("色")), QStringList{QStringLiteral("color")});
    EXPECT_EQ(d.propertyNamed(QStringLiteral("fon")), nullptr);
}

TEST(CssDictionary, MissingBlocksAreNeverTakenFromTheNextProperty)
{
    const CssDictionary d = parseCssDictionary(lines({
        "<T 箱>",
        "<S width>",
        "px",
        "<S height>",
        "px",
        "<説明>",
        "高さです。",
        "</説明>",
        "<例>",
        "DIV { height: 10px; }",
        "</例>",
    }));
    const CssProperty* width = d.propertyNamed(QStringLiteral("width"));
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->values, QStringList{QStringLiteral("px")});
    EXPECT_FALSE(width->description.has_value());
    EXPECT_FALSE(width->example.has_value());
    EXPECT_EQ(d.propertyNamed(QStringLiteral("height"))->description, QStringLiteral("高さです。"));
}

TEST(CssDictionary, MarkersInsideTextsAreText)
{
    // An example may hold lines that look like headers; an unclosed block is an ordinary line.
    const CssDictionary d = parseCssDictionary(lines({
        "<T 表>",
        "<S border-collapse>",
        "collapse",
        "<例>",
        "<TABLE>",
        "<S x>",
        "</例>",
        "<S caption-side>",
        "top",
        "<説明>",
        "閉じていない説明",
    }));
    EXPECT_EQ(d.categoryNames(), QStringList{QStringLiteral("表")});
    EXPECT_EQ(d.propertyNames(QStringLiteral("表")), (QStringList{QStringLiteral("border-collapse"), QStringLiteral("caption-side")}));
    EXPECT_EQ(d.propertyNamed(QStringLiteral("border-collapse"))->example, QStringLiteral("<TABLE>") + R + QStringLiteral("<S x>"));
    const CssProperty* side = d.propertyNamed(QStringLiteral("caption-side"));
    ASSERT_NE(side, nullptr);
    EXPECT_FALSE(side->description.has_value());
    EXPECT_EQ(side->values, QStringList{QStringLiteral("top")});
}

TEST(CssDictionary, CategoryHeadersAndValueLinesAtTheirEdges)
{
    const CssDictionary d = parseCssDictionary(lines({
        "<T>",
        "<S orphan>",
        "x",
        "<TX>",
        "<T  名前 >",
        "<S margin>",
        "px",
        "<Sfoo>",
        "",
        "<説明>",
        "余白",
        "</説明>",
    }));
    // "<T>" names nothing, "<T" and one character name an empty category, the skipped
    // character is any one character; a property before any category belongs nowhere.
    EXPECT_EQ(d.categoryNames(), (QStringList{QString(), QStringLiteral("名前")}));
    EXPECT_EQ(d.propertyNamed(QStringLiteral("orphan")), nullptr);
    // Lines beginning with "<S" are never values; an empty line is an empty value.
    EXPECT_EQ(d.propertyNamed(QStringLiteral("margin"))->values, (QStringList{QStringLiteral("px"), QString()}));
}

TEST(ShippedCssDictionary, EveryPropertyIsComplete)
{
    const CssDictionary d = parseCssDictionary(shippedText());
    ASSERT_GE(d.categories.size(), 7);
    for (const CssCategory& c : d.categories) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_FALSE(c.name.isEmpty());
        EXPECT_FALSE(c.properties.isEmpty());
        for (const CssProperty& p : c.properties) {
            SCOPED_TRACE(p.name.toStdString());
            EXPECT_FALSE(p.values.isEmpty());
            ASSERT_TRUE(p.description.has_value());
            ASSERT_TRUE(p.example.has_value());
            EXPECT_FALSE(p.description->isEmpty());
            // The example shows the property in use.
            EXPECT_TRUE(p.example->contains(p.name + QStringLiteral(": "))) << p.example->toStdString();
        }
    }
}

TEST(ShippedCssDictionary, EachNameFirstStandsInItsOwnHeader)
{
    // So that a look-up by the first occurrence of a name, as older readers of the format make
    // it, finds the same blocks: no category name earlier in the file than its header, no
    // property header that an earlier one starts with, and no "<T" or "<S" outside headers.
    const QString text = shippedText();
    const CssDictionary d = parseCssDictionary(text);
    for (const CssCategory& c : d.categories) {
        const qsizetype header = text.indexOf(QStringLiteral("<T ") + c.name + QStringLiteral(">"));
        ASSERT_GE(header, 0) << c.name.toStdString();
        EXPECT_EQ(text.indexOf(c.name), header + 3) << c.name.toStdString();
        for (const CssProperty& p : c.properties) {
            const QString start = QStringLiteral("<S ") + p.name;
            EXPECT_EQ(text.indexOf(start), text.indexOf(start + QStringLiteral(">"))) << p.name.toStdString();
        }
    }
    const QStringList all = text.split(R);
    for (const QString& line : all) {
        for (const QString marker : {QStringLiteral("<T"), QStringLiteral("<S")}) {
            const qsizetype at = line.indexOf(marker);
            EXPECT_TRUE(at < 0 || (at == 0 && line.endsWith(u'>') && line.count(marker) == 1)) << line.toStdString();
        }
    }
    EXPECT_FALSE(text.contains(u'\t'));
}

TEST(ShippedCssDictionary, ValuesAreKeywordsOrTheBuildersPlaceholders)
{
    static const QRegularExpression keyword(QStringLiteral("^[a-z][a-z-]*$|^[0-9]+$"));
    static const QStringList families = {QStringLiteral("serif"), QStringLiteral("sans-serif"), QStringLiteral("cursive"),
                                         QStringLiteral("fantasy"), QStringLiteral("monospace")};
    const CssDictionary d = parseCssDictionary(shippedText());
    for (const CssCategory& c : d.categories) {
        for (const CssProperty& p : c.properties) {
            SCOPED_TRACE(p.name.toStdString());
            QSet<QString> words;
            int colours = 0;
            for (const QString& value : p.values) {
                const QString w = valueWord(value);
                // An empty value would open the colour picker.
                ASSERT_FALSE(w.isEmpty());
                EXPECT_FALSE(words.contains(w)) << "twice: " << w.toStdString();
                words.insert(w);
                colours += ColourPlaceholders.contains(w);
                const bool known = ColourPlaceholders.contains(w) || UnitPlaceholders.contains(w) || OtherPlaceholders.contains(w);
                EXPECT_TRUE(known || keyword.match(w).hasMatch()) << w.toStdString();
                if (families.contains(w) || w == QStringLiteral("フォント名"))
                    EXPECT_EQ(p.name, QStringLiteral("font-family"));
            }
            // A property that takes a colour offers every notation.
            EXPECT_TRUE(colours == 0 || colours == ColourPlaceholders.size());
        }
    }
}
