#include "support/QtPrinters.h"
#include "toolwindows/PickerColours.h"

#include <gtest/gtest.h>

using namespace picker;

TEST(PickerColours, HexToDecimalCountsOnlyHexadecimalDigits)
{
    struct Case {
        const char* text;
        const char* decimal;
    } cases[] = {
        {"FF", "255"}, {"ff", "255"}, {"fF", "255"}, {"80", "128"}, {"1A", "26"}, {"0g", "0"},
        {"g1", "1"},   {"", "0"},     {"ＦＦ", "0"},  {"ffffff", "16777215"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hexToDecimal(QString::fromUtf8(c.text)), QLatin1String(c.decimal)) << c.text;
}

TEST(PickerColours, CodesAndValuesTurnIntoEachOther)
{
    EXPECT_EQ(codeColour(QStringLiteral("000080")), QColor(0, 0, 128));
    EXPECT_EQ(codeColour(QStringLiteral("c0C0c0")), QColor(192, 192, 192));
    EXPECT_EQ(codeColour(QStringLiteral("ff00")), QColor(255, 0, 0));
    EXPECT_EQ(hexTriple(5, 0, 255), QStringLiteral("#0500FF"));
    EXPECT_EQ(hexTriple(QColor(0, 0, 128)), QStringLiteral("#000080"));
    EXPECT_EQ(colourNumber(QColor(0x12, 0x34, 0x56)), 0x563412L);
}

TEST(PickerColours, GradedColumnsStepByEightUpTo255)
{
    struct Case {
        int column;
        int step;
        const char* value;
    } cases[] = {
        {6, 0, "#000000"},  {6, 1, "#080808"},  {6, 31, "#F8F8F8"}, {6, 32, "#FFFFFF"}, {7, 32, "#FF0000"},
        {8, 16, "#008000"}, {9, 2, "#000010"},  {10, 32, "#FFFF00"}, {11, 1, "#080008"}, {12, 31, "#00F8F8"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hexTriple(gradedColour(c.column, c.step)), QLatin1String(c.value)) << c.column << "/" << c.step;
}

TEST(PickerColours, MixAddsChannelsUpToWhiteAndThenClears)
{
    // Red 128 then red 144: the sum is capped at 255.
    MixDrop d = dropOnMix(Mix{}, QStringLiteral("#800000"));
    EXPECT_TRUE(d.mix.hasColour);
    EXPECT_EQ(d.value, QStringLiteral("#800000"));
    d = dropOnMix(d.mix, QStringLiteral("#900000"));
    EXPECT_EQ(d.fill, QColor(255, 0, 0));
    EXPECT_EQ(d.value, QStringLiteral("#FF0000"));

    // The first colour after a clear replaces the channels instead of adding to them.
    const Mix stale{40, 40, 40, false};
    EXPECT_EQ(dropOnMix(stale, QStringLiteral("#102030")).value, QStringLiteral("#102030"));

    // White at once: cleared, nothing for the value box.
    d = dropOnMix(Mix{}, QStringLiteral("#FFFFFF"));
    EXPECT_FALSE(d.mix.hasColour);
    EXPECT_FALSE(d.value.has_value());
    EXPECT_EQ(d.fill, QColor(255, 255, 255));

    // Reaching white on every channel clears the mix; lower-case swatch texts count the same.
    d = dropOnMix(Mix{}, QStringLiteral("#ff8000"));
    d = dropOnMix(d.mix, QStringLiteral("#00ff00"));
    EXPECT_EQ(d.value, QStringLiteral("#FFFF00"));
    d = dropOnMix(d.mix, QStringLiteral("#0000ff"));
    EXPECT_FALSE(d.mix.hasColour);
    EXPECT_EQ(d.mix.red, 0);
    EXPECT_FALSE(d.value.has_value());
}
