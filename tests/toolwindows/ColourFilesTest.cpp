#include "platform/TextFile.h"
#include "support/QtPrinters.h"
#include "toolwindows/ColourNames.h"
#include "toolwindows/ColourPalette.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString R = QStringLiteral("\r\n");

QStringList repeat(const QString& code, int n)
{
    QStringList codes;
    for (int i = 0; i < n; ++i)
        codes.append(code);
    return codes;
}

} // namespace

TEST(ColourPalette, ReadsSixCodesALine)
{
    struct Case {
        const char* what;
        QString text;
        bool ok;
        QStringList codes;
    } cases[] = {
        {"a full row", QStringLiteral("000000 111111 222222 333333 444444 555555 ") + R, true,
         {"000000", "111111", "222222", "333333", "444444", "555555"}},
        {"a row without its last blank keeps the code of the row before",
         QStringLiteral("000000 111111 222222 333333 444444 555555 ") + R + QStringLiteral("aaaaaa bbbbbb cccccc dddddd eeeeee ffffff"),
         true, {"000000", "111111", "222222", "333333", "444444", "555555", "aaaaaa", "bbbbbb", "cccccc", "dddddd", "eeeeee", "555555"}},
        {"codes past the sixth are not used", QStringLiteral("000000 111111 222222 333333 444444 555555 666666 "), true,
         {"000000", "111111", "222222", "333333", "444444", "555555"}},
        {"an empty file", QString(), false, {}},
        {"a first row with fewer than six codes", QStringLiteral("000000 111111 "), false, {}},
        {"a damaged code stops the reading after the rows before it",
         QStringLiteral("000000 111111 222222 333333 444444 555555 ") + R + QStringLiteral("00000G 111111 222222 333333 444444 555555 ")
             + R + QStringLiteral("000000 111111 222222 333333 444444 555555 "),
         false, {"000000", "111111", "222222", "333333", "444444", "555555"}},
        {"two blanks in a row make an empty code", QStringLiteral("000000  111111 222222 333333 444444 555555 "), false, {}},
    };
    for (const Case& c : cases) {
        const PaletteReadResult read = parseColourPalette(c.text);
        EXPECT_EQ(read.ok, c.ok) << c.what;
        EXPECT_EQ(read.codes, c.codes) << c.what;
    }
}

TEST(ShippedColourPalette, HoldsTheWebSafeColoursInRowsOfSix)
{
    const TextReadResult file = readProgramFile(QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/color2.txt")));
    ASSERT_TRUE(file.ok) << file.error.toStdString();
    // Every code is followed by one blank, so no line relies on the row before it.
    for (const QString& line : file.text.split(R, Qt::SkipEmptyParts))
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^([0-9A-F]{6} ){6}$")).match(line).hasMatch()) << line.toStdString();

    const PaletteReadResult read = parseColourPalette(file.text);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.codes.size(), 216);
    const QSet<QChar> safe{u'0', u'3', u'6', u'9', u'C', u'F'};
    for (const QString& code : read.codes) {
        for (int i = 0; i < 6; i += 2)
            EXPECT_TRUE(code[i] == code[i + 1] && safe.contains(code[i])) << code.toStdString();
    }
    EXPECT_EQ(QSet<QString>(read.codes.begin(), read.codes.end()).size(), 216);
}

TEST(ColourNames, ReadsTheRecordsAfterTheHeading)
{
    const ColourNamesReadResult read = parseColourNames(QStringLiteral("名前,16進数,赤,緑,青") + R + QStringLiteral("navy,000080,0,0,128") + R
                                                        + QStringLiteral(" aliceblue , F0F8FF, 240 ,248,255") + R);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.heading, QStringLiteral("名前"));
    ASSERT_EQ(read.records.size(), 2);
    EXPECT_EQ(read.records[0].name, QStringLiteral("navy"));
    EXPECT_EQ(read.records[0].hex, QStringLiteral("000080"));
    EXPECT_EQ(colourValueText(read.records[0]), QStringLiteral("#000080"));
    EXPECT_EQ(read.records[1].name, QStringLiteral("aliceblue"));
    EXPECT_EQ(colourValueText(read.records[1]), QStringLiteral("#F0F8FF"));
}

TEST(ColourNames, DamagedFileKeepsTheRecordsBeforeTheFault)
{
    const QString heading = QStringLiteral("name,hex,r,g,b") + R;
    const QString navy = QStringLiteral("navy,000080,0,0,128") + R;
    struct Case {
        const char* what;
        QString text;
        bool ok;
        int records;
    } cases[] = {
        {"no file contents", QString(), false, 0},
        {"a heading only", heading, true, 0},
        {"fewer than five fields", heading + navy + QStringLiteral("red,FF0000,255,0") + R + navy, false, 1},
        {"an empty line", heading + navy + R + navy, false, 1},
        {"a channel above 255", heading + QStringLiteral("red,FF0000,256,0,0") + R, false, 0},
        {"a channel that is not a number", heading + QStringLiteral("red,FF0000,ff,0,0") + R, false, 0},
        {"a code that is not six hexadecimal digits", heading + QStringLiteral("red,#FF0000,255,0,0") + R, false, 0},
    };
    for (const Case& c : cases) {
        const ColourNamesReadResult read = parseColourNames(c.text);
        EXPECT_EQ(read.ok, c.ok) << c.what;
        EXPECT_EQ(read.records.size(), c.records) << c.what;
    }
}

TEST(ColourNames, RecordsPastTheSwatchesAreNotRead)
{
    QString text = QStringLiteral("name,hex,r,g,b") + R;
    for (int i = 0; i < MaxColourNames + 5; ++i)
        text += QStringLiteral("c%1,000000,0,0,0").arg(i) + R;
    const ColourNamesReadResult read = parseColourNames(text);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.records.size(), MaxColourNames);
}

TEST(ShippedColourNames, FillEveryNameSwatch)
{
    const TextReadResult file = readProgramFile(QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/color.txt")));
    ASSERT_TRUE(file.ok) << file.error.toStdString();
    const ColourNamesReadResult read = parseColourNames(file.text);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.records.size(), MaxColourNames);
    for (const ColourNameRecord& r : read.records)
        EXPECT_EQ(colourValueText(r), QLatin1Char('#') + r.hex.toUpper()) << r.name.toStdString();
}
