#include "StylePrinters.h"
#include "stylesheet/StyleRules.h"

#include <gtest/gtest.h>

TEST(StyleDeclarations, ValueGoesOnItsOwnLineOrBeforeEveryBrace)
{
    struct Case {
        const char* what;
        const char* style;
        const char* expected;
    } cases[] = {
        {"empty", "", "font-weight:bold;"},
        {"blanks only", "   ", "font-weight:bold;"},
        {"a declaration before", "color:red;", "color:red;\r\nfont-weight:bold;"},
        {"a rule", "P{\r\ncolor:red;\r\n}", "P{\r\ncolor:red;\r\nfont-weight:bold;\r\n}"},
        {"two rules", "P{\r\n}\r\nH1{\r\n}", "P{\r\nfont-weight:bold;\r\n}\r\nH1{\r\nfont-weight:bold;\r\n}"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::addDeclaration(u(c.style), u("font-weight"), u("bold")), u(c.expected)) << c.what;
}

TEST(StyleDeclarations, FontFamiliesShareOneLine)
{
    QString s = css::addFontFamily(QString(), u("serif"));
    EXPECT_EQ(s, u("font-family:serif;"));
    s = css::addFontFamily(s, u("serif"));
    EXPECT_EQ(s, u("font-family:serif,serif;"));
    EXPECT_EQ(css::addFontFamily(u("color:red;\r\nfont-family:serif;\r\nmargin:0;"), u("cursive")),
              u("color:red;\r\nfont-family:serif,cursive;\r\nmargin:0;"));
    EXPECT_EQ(css::addFontFamily(u("color:red;"), u("フォント名")), u("color:red;\r\nfont-family:フォント名;"));
    // A line typed without its semicolon keeps its last letter.
    EXPECT_EQ(css::addFontFamily(u("font-family:serif"), u("fantasy")), u("font-family:serif,fantasy;"));

    EXPECT_TRUE(css::isFontFamilyValue(u("sans-serif")));
    EXPECT_TRUE(css::isFontFamilyValue(u("フォント名")));
    EXPECT_FALSE(css::isFontFamilyValue(u("bold")));
    EXPECT_EQ(css::valueWord(u("  serif 明朝体のような字体")), u("serif"));
}

TEST(StyleDeclarations, ChosenFontReplacesThePlaceholderQuotedOrJoinsTheList)
{
    EXPECT_EQ(css::addFontName(u("font-family:serif,フォント名;"), u("IPAGothic")), u("font-family:serif,\"IPAGothic\";"));
    EXPECT_EQ(css::addFontName(u("font-family:serif;"), u("IPAGothic")), u("font-family:serif,IPAGothic;"));
    EXPECT_EQ(css::addFontName(u("font-family:serif"), u("IPAGothic")), u("font-family:serif,IPAGothic;"));
}

TEST(StyleValues, EachPlaceholderOpensItsInput)
{
    using css::ValueInput;
    struct Case {
        const char* value;
        ValueInput input;
    } cases[] = {
        {"フォント名", ValueInput::FontName}, {"pt", ValueInput::Number},          {"%", ValueInput::Number},
        {"値", ValueInput::Number},           {"#FFFFFF", ValueInput::Colour},     {"カラーネーム", ValueInput::Colour},
        {"rgb(n%,n%,n%)", ValueInput::Colour}, {"", ValueInput::Colour},           {" url ", ValueInput::Url},
        {"bold", ValueInput::None},           {"#ffffff", ValueInput::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::valueInput(u(c.value)), c.input) << c.value;
}

TEST(StyleValues, NumberFillsOnlyItsOwnDeclaration)
{
    struct Case {
        const char* what;
        const char* style;
        const char* property;
        const char* unit;
        const char* number;
        const char* expected;
    } cases[] = {
        {"in front of the unit", "font-size:pt;", "font-size", "pt", "12", "font-size:12pt;"},
        // "display:inline" holds ":in", which is no placeholder.
        {"a unit inside a word", "display:inline;\r\nmargin:in;", "margin", "in", "2", "display:inline;\r\nmargin:2in;"},
        {"another property's placeholder",
         "width:px;\r\nheight:px;", "height", "px", "50", "width:px;\r\nheight:50px;"},
        {"a bare number", "line-height:値;", "line-height", "値", "1.5", "line-height:1.5;"},
        {"in a rule", "P{\r\nmargin:em;\r\n}", "margin", "em", "1", "P{\r\nmargin:1em;\r\n}"},
        {"the $P placeholder", "top:$P;left:$P;", "top", "$P", "5px", "top:5px;left:5px;"},
        {"nothing typed", "font-size:pt;", "font-size", "pt", "  ", "font-size:pt;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::fillNumber(u(c.style), u(c.property), u(c.unit), u(c.number)), u(c.expected)) << c.what;
}

TEST(StyleColours, HexToDecimal)
{
    struct Case {
        const char* hex;
        long long value;
    } cases[] = {{"FF", 255}, {"ff", 255}, {"0A", 10}, {"G1", 1}, {"", 0}, {"80", 128}, {"100", 256}};
    for (const Case& c : cases)
        EXPECT_EQ(css::hexToDecimal(u(c.hex)), c.value) << c.hex;
}

TEST(StyleColours, PickedColourInEachNotation)
{
    struct Case {
        const char* notation;
        const char* value;
        const char* name;
        const char* text;
    } cases[] = {
        {"#FFFFFF", "#FF0000", "Red", "#ff0000"},
        {"カラーネーム", "#FF0000", "Red", "red"},
        {"カラーネーム", "#FF0000", "", "#ff0000"},
        {"#rgb", "#FF0000", "red", "#F00"},
        {"#rgb", "#808080", "gray", "#888"},
        {"#rgb", "#123456", "", "#135"},
        {"rgb(n,n,n)", "#FF0000", "red", "rgb(255,0,0)"},
        {"rgb(n%,n%,n%)", "#FF0000", "red", "rgb(100%,0%,0%)"},
        {"rgb(n%,n%,n%)", "#808080", "gray", "rgb(50%,50%,50%)"},
        {" #rgb ", "#00ff00", "lime", "#0F0"},
        {"other", "#FF0000", "red", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::colourInNotation(u(c.notation), u(c.value), u(c.name)), u(c.text)) << c.notation << " " << c.value;
}

TEST(StyleColours, PlaceholderReplacedEverywhereButNeverAnEmptyOne)
{
    EXPECT_EQ(css::replacePlaceholder(u("color:#rgb;\r\nborder-color:#rgb;"), u("#rgb"), u("#F00")),
              u("color:#F00;\r\nborder-color:#F00;"));
    EXPECT_EQ(css::replacePlaceholder(u("color:;"), QString(), u("#F00")), u("color:;"));
}

TEST(StyleRule, SelectorAndBraces)
{
    struct Case {
        const char* what;
        const char* style;
        const char* selector;
        const char* text;
        const char* message;
    } cases[] = {
        {"empty style text", " ", "P", "P{\r\n}", nullptr},
        {"declarations", "color:red;", "H1", "H1{\r\ncolor:red;\r\n}", nullptr},
        {"braces there", "{\r\ncolor:red;\r\n}", "H1", "H1{\r\ncolor:red;\r\n}", nullptr},
        {"class without a name", "color:red;", "P.", "color:red;", "クラスの名前を入れて下さい。"},
        {"ID without a name", "color:red;", "#", "color:red;", "IDの名前を入れて下さい。"},
        {"an empty style text is not checked", "", ".", ".{\r\n}", nullptr},
    };
    for (const Case& c : cases) {
        const css::RuleResult r = css::frameRule(u(c.style), u(c.selector));
        EXPECT_EQ(r.text, u(c.text)) << c.what;
        EXPECT_EQ(r.message.value_or(QString()), c.message ? u(c.message) : QString()) << c.what;
    }
}

TEST(StyleSelector, KindsAndElements)
{
    EXPECT_EQ(css::selectorKind(6)->selector, u("."));
    EXPECT_EQ(css::selectorKind(7)->caption, u("ID"));
    EXPECT_FALSE(css::selectorKind(7)->elementBox);
    EXPECT_TRUE(css::selectorKind(5)->elementBox);
    EXPECT_FALSE(css::selectorKind(3).has_value());

    // The kind "element" chains descendants; the others start a class of the element.
    QString s = css::selectorWithElement(QString(), u("P"), true);
    s = css::selectorWithElement(s, u(" A "), true);
    s = css::selectorWithElement(s, u("EM"), true);
    EXPECT_EQ(s, u("P A EM"));
    EXPECT_EQ(css::selectorWithElement(u("P."), u(" DIV "), false), u("DIV."));

    const QStringList& names = css::builderElements();
    ASSERT_EQ(names.size(), 93);
    EXPECT_EQ(names.front(), u("P"));
    EXPECT_EQ(names.at(names.indexOf(u("A:link")) + 1), u("A:visited"));
    EXPECT_EQ(names.back(), u("TR"));
}
