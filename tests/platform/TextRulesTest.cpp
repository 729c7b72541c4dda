#include "platform/TextRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

TEST(TextRulesTrim, RemovesOnlyAsciiBlanks)
{
    struct Case { QString in, trim, ltrim, rtrim; };
    const Case cases[] = {
        {"", "", "", ""},
        {"   ", "", "", ""},
        {"  a b  ", "a b", "a b  ", "  a b"},
        {"\tx\t", "\tx\t", "\tx\t", "\tx\t"},
        {QStringLiteral("\u3000全角\u3000"), QStringLiteral("\u3000全角\u3000"),
         QStringLiteral("\u3000全角\u3000"), QStringLiteral("\u3000全角\u3000")},
        {" line\r\n", "line\r\n", "line\r\n", " line\r\n"},
        {"\n a \n", "\n a \n", "\n a \n", "\n a \n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textrules::trimBlanks(c.in), c.trim) << c.in.toStdString();
        EXPECT_EQ(textrules::trimLeadingBlanks(c.in), c.ltrim) << c.in.toStdString();
        EXPECT_EQ(textrules::trimTrailingBlanks(c.in), c.rtrim) << c.in.toStdString();
    }
}

TEST(TextRulesLeadingNumber, ReadsTheLeadingNumber)
{
    struct Case { const char* in; double expected; };
    const Case cases[] = {
        {"", 0},
        {"abc", 0},
        {" 12", 12},
        {" 3", 3},
        {"12abc", 12},
        {"1 2", 12},
        {"\t\n 1\t2 3", 123},
        {"-1.5e2", -150},
        {"1.5E+2", 150},
        {"25e-1", 2.5},
        {"1D3", 1000},
        {"1d-1", 0.1},
        {"1 e 2", 100},
        {"1e", 1},
        {"1e+", 1},
        {"2ex", 2},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"+7", 7},
        {"- 3", -3},
        {"--3", 0},
        {"-", 0},
        {".", 0},
        {"3-4", 3},
        {"1,000", 1},
        {"\r5", 0},
        {"5\r6", 5},
        {"&HFF", 255},
        {"&hff", 255},
        {" &H1 0", 16},
        {"&HFFG", 255},
        {"&H", 0},
        {"&O17", 15},
        {"&o78", 7},
        {"&X1", 0},
        {"-&H10", 0},
        {"\xef\xbc\x91", 0}, // full-width digit one
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(textrules::leadingNumber(QString::fromUtf8(c.in)), c.expected) << '"' << c.in << '"';
}

TEST(TextRulesLeadingNumber, OutOfRangeExponents)
{
    EXPECT_TRUE(std::isinf(textrules::leadingNumber("1e999")));
    EXPECT_GT(textrules::leadingNumber("1e999"), 0);
    EXPECT_LT(textrules::leadingNumber("-1e999"), 0);
    EXPECT_EQ(textrules::leadingNumber("1e-999"), 0);
}

TEST(TextRulesNumberWithSignSpace, LeadingBlankForNonNegative)
{
    EXPECT_EQ(textrules::numberWithSignSpace(2), " 2");
    EXPECT_EQ(textrules::numberWithSignSpace(-3), "-3");
    EXPECT_EQ(textrules::numberWithSignSpace(0), " 0");
    EXPECT_EQ(textrules::numberWithSignSpace(500L), " 500");
    EXPECT_EQ(textrules::numberWithSignSpace(LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(textrules::numberWithSignSpace(LLONG_MAX), " 9223372036854775807");

    struct Case { double in; const char* expected; };
    const Case cases[] = {
        {1.5, " 1.5"},
        {2.0, " 2"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {-2.25, "-2.25"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {0.1 + 0.2, " .3"},
        {1.0 / 3, " .333333333333333"},
        {123456789012345.0, " 123456789012345"},
        {1e15, " 1E+15"},
        {-1e16, "-1E+16"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textrules::numberWithSignSpace(c.in), QString::fromLatin1(c.expected)) << c.in;
}

TEST(TextRulesCase, ChangesAsciiLettersOnly)
{
    const QString mixed = QStringLiteral("Abc-Zz09 ＡｂＣ ß é ÄÖ 日本語 ǅ");
    EXPECT_EQ(textrules::asciiUpper(mixed), QStringLiteral("ABC-ZZ09 ＡｂＣ ß é ÄÖ 日本語 ǅ"));
    EXPECT_EQ(textrules::asciiLower(mixed), QStringLiteral("abc-zz09 ＡｂＣ ß é ÄÖ 日本語 ǅ"));
    EXPECT_EQ(textrules::asciiUpper(mixed).size(), mixed.size());
    EXPECT_EQ(textrules::asciiUpper("@[`{"), "@[`{");
    EXPECT_EQ(textrules::asciiLower("@[`{"), "@[`{");

    EXPECT_TRUE(textrules::equalsIgnoringAsciiCase("Index.HTML", "index.html"));
    EXPECT_TRUE(textrules::equalsIgnoringAsciiCase("", ""));
    EXPECT_FALSE(textrules::equalsIgnoringAsciiCase("index.htm", "index.html"));
    EXPECT_FALSE(textrules::equalsIgnoringAsciiCase(QStringLiteral("ＡＢ"), QStringLiteral("ａｂ")));
    EXPECT_FALSE(textrules::equalsIgnoringAsciiCase(QStringLiteral("é"), QStringLiteral("É")));
    EXPECT_FALSE(textrules::equalsIgnoringAsciiCase("@", "`")); // 0x40 and 0x60 differ by the case bit only
    EXPECT_FALSE(textrules::equalsIgnoringAsciiCase("[", "{"));
}

TEST(TextRulesRound, HalvesGoToEven)
{
    struct Case { double in; long long expected; };
    const Case cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {0.49999999999999994, 0}, {2.5000000001, 3}, {-2.5000000001, -3}, {1.4, 1}, {-1.6, -2},
        {0.0, 0}, {7.0, 7}, {4503599627370497.0, 4503599627370497LL},
        {1e300, LLONG_MAX}, {-1e300, LLONG_MIN}, {NAN, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textrules::roundHalfToEven(c.in), c.expected) << c.in;
}

} // namespace
