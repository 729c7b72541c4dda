#include "StylePrinters.h"
#include "stylesheet/StyleInsertions.h"

#include <gtest/gtest.h>
#include <optional>

using css::TextInsert;
using css::TextWrap;

namespace {

const QString R = QStringLiteral("\r\n");
const QString Block = u("<STYLE TYPE=\"text/css\">\r\n<!--\r\n\r\n-->\r\n</STYLE>\r\n");

} // namespace

TEST(PageStyleBlock, GoesBeforeTheHeadEndOnALineOfItsOwn)
{
    struct Case {
        const char* what;
        QString text;
        std::optional<TextInsert> expected;
    } cases[] = {
        {"head end at a line start", u("<HEAD>\r\n</HEAD>"), TextInsert{8, Block}},
        {"head end after text on its line", u("<TITLE></TITLE></HEAD>"), TextInsert{15, R + Block}},
        {"head end in lower case", u("<head>\r\n</head>"), TextInsert{8, Block}},
        {"head end at the very start", u("</HEAD>"), TextInsert{0, Block}},
        {"one character before it", u("x</HEAD>"), TextInsert{1, R + Block}},
        {"a style block already", u("<style type=\"text/css\"></style></HEAD>"), std::nullopt},
        {"no head end", u("<HEAD><TITLE>"), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::pageStyleBlock(c.text), c.expected) << c.what;
}

TEST(ScopedSpan, TagsStandOnTheirOwnLinesAtALineStartAndKeepTheLineBreakOutside)
{
    const QString open = u("<SPAN STYLE=\" \">");
    const QString close = u("</SPAN>");
    struct Case {
        const char* what;
        QString text;
        int start;
        int length;
        TextWrap expected;
    } cases[] = {
        {"mid-line", u("ab cd ef"), 3, 2, {3, 2, open, close}},
        {"at a line start", u("ab\r\ncd\r\nef"), 4, 2, {4, 2, open + R, R + close}},
        {"at the very start", u("cd ef"), 0, 2, {0, 2, open + R, R + close}},
        {"one character in", u("xcd"), 1, 2, {1, 2, open, close}},
        {"a whole line with its break", u("ab\r\ncd\r\nef"), 4, 4, {4, 2, open + R, R + close}},
        {"a line break alone", u("ab\r\ncd"), 2, 2, {2, 0, open, close}},
        {"nothing selected", u("ab"), 1, 0, {1, 0, open, close}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::scopedSpan(c.text, c.start, c.length), c.expected) << c.what;
}

TEST(InlineStyle, AttributeGoesBeforeTheCloseOfTheFirstStartTag)
{
    struct Case {
        const char* what;
        QString text;
        int start;
        int length;
        std::optional<int> expected;
    } cases[] = {
        {"a tag", u("x<P>y"), 1, 3, 3},
        {"blanks and the line break around it", u("x <P> \r\ny"), 1, 7, 4},
        {"a whole element: not its end tag", u("<P>text</P>"), 0, 11, 2},
        {"an end tag first", u("</B><P>"), 0, 7, 6},
        {"a quoted value holding >", u("<A title=\"a>b\">"), 0, 15, 14},
        {"no opening bracket", u("P>"), 0, 2, std::nullopt},
        {"no closing bracket", u("<P"), 0, 2, std::nullopt},
        {"an end tag only", u("</P>"), 0, 4, std::nullopt},
        {"nothing selected", u("<P>"), 1, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::startTagClose(c.text, c.start, c.length), c.expected) << c.what;
    EXPECT_EQ(css::inlineStyleAttribute(), u(" STYLE=\" \""));
}

TEST(StylesheetLink, LineFileAndPlace)
{
    EXPECT_EQ(css::linkLine(u("main.css")), u("<LINK REL=stylesheet TYPE=\"text/css\" HREF=\"main.css\">\r\n"));
    EXPECT_EQ(css::linkFile(QString()), u("*.css"));
    EXPECT_EQ(css::linkFile(u("   ")), u("*.css"));
    EXPECT_EQ(css::linkFile(u(" a.css ")), u(" a.css "));

    const QString page = u("<html><head>\r\n<title>t</title>\r\n</head>\r\n<body></body>");
    EXPECT_EQ(css::linkInsert(page, u("a.css")), (TextInsert{32, css::linkLine(u("a.css"))}));
    EXPECT_EQ(css::linkInsert(u("<BODY></BODY>"), u("a.css")), std::nullopt);
}

TEST(StylesheetLink, WhichPagesLinkAllTakes)
{
    struct Case {
        const char* text;
        bool linkable;
    } cases[] = {
        {"<HEAD></HEAD>", true},
        {"<head>\r\n</head>", true},
        {"<HEAD><link rel=stylesheet href=\"a.css\"></HEAD>", false},
        {"<HEAD>", false},
        {"</HEAD>", false},
        {"a plain text", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::linkableInAll(u(c.text)), c.linkable) << c.text;
}

TEST(StylesheetName, ExtensionAddedUnlessThere)
{
    struct Case {
        const char* box;
        const char* name;
    } cases[] = {
        {"main", "main.css"}, {"MAIN.CSS", "MAIN.CSS"}, {"", ".css"}, {"  site  ", "site.css"}, {"a.css.txt", "a.css.txt.css"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::stylesheetName(u(c.box)), u(c.name)) << c.box;
    EXPECT_TRUE(css::badStylesheetName(u("../x.css")));
    EXPECT_FALSE(css::badStylesheetName(u(".css")));
}
