#include "StylePrinters.h"
#include "stylesheet/StyleClasses.h"

#include <gtest/gtest.h>

using css::ClassEdit;

TEST(StyleClassEntries, RuleLinesOfTheStylesheetThenOfTheStyleBlock)
{
    const QString sheet = u("P.note {\r\n  color:red;\r\n}\r\n/* a { comment */\r\nH1{color:blue}\r\n\t.red {\r\n{\r\n");
    const QString block = u("#menu { margin:0 }");
    EXPECT_EQ(css::classEntries(sheet, block),
              (QStringList{u("P.note "), u("H1"), u(".red "), u("#menu "), u("SPAN style"), u("SPAN class")}));
    EXPECT_EQ(css::classEntries(QString(), QString()), (QStringList{u("SPAN style"), u("SPAN class")}));
}

TEST(StyleClassEntries, TheLinkedStylesheetInItsOwnCase)
{
    struct Case {
        const char* what;
        const char* page;
        std::optional<QString> href;
    } cases[] = {
        {"upper-case markup", "<HEAD><LINK REL=stylesheet TYPE=\"text/css\" HREF=\"Site.CSS\"></HEAD>", u("Site.CSS")},
        {"lower case, single quotes", "<link rel='stylesheet' href='css/Main.css'>", u("css/Main.css")},
        {"unquoted", "<link href=a.css rel=stylesheet>", u("a.css")},
        {"REL in the text before", "<P>REL HREF=\"x.css\"</P><link rel=stylesheet href=\"b.css\">", u("b.css")},
        {"another kind of link first", "<link rel=icon href=\"i.png\"><link rel=\"stylesheet\" href=\"c.css\">", u("c.css")},
        {"an alternate stylesheet", "<link rel=\"alternate stylesheet\" href=\"d.css\">", u("d.css")},
        {"no link", "<HEAD></HEAD>", std::nullopt},
        {"no href", "<link rel=stylesheet>", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(css::linkedStylesheet(u(c.page)), c.href) << c.what;

    for (const char* remote : {"http://example.com/a.css", "HTTPS://example.com/a.css", "//example.com/a.css"})
        EXPECT_TRUE(css::isRemoteLink(u(remote))) << remote;
    for (const char* local : {"a.css", "../a.css", "file:///tmp/a.css", "/tmp/a.css"})
        EXPECT_FALSE(css::isRemoteLink(u(local))) << local;
    EXPECT_EQ(css::linkedStylesheetPath(u("css/../Site.css"), u("/home/u/web")), u("/home/u/web/Site.css"));
    EXPECT_EQ(css::linkedStylesheetPath(u("/tmp/a.css"), u("/home/u/web")), u("/tmp/a.css"));
    EXPECT_EQ(css::linkedStylesheetPath(u("file:///tmp/b.css"), u("/home/u/web")), u("/tmp/b.css"));
}

TEST(StyleClassEntries, StyleBlockOfThePage)
{
    EXPECT_EQ(css::styleBlock(u("<Style type=\"text/css\">\r\n\t<!--\r\n\tP.a\u3000{ }\r\n-->\r\n</STYLE>")),
              u("\r\n<!--\r\nP.a{ }\r\n-->\r\n"));
    EXPECT_EQ(css::styleBlock(u("<STYLE>P{}")), QString());
    EXPECT_EQ(css::styleBlock(u("<P>no style</P>")), QString());
}

TEST(StyleClassApply, ClassOrIdAloneGoesIntoTheSelectedTag)
{
    struct Case {
        const char* what;
        const char* text;
        int start;
        int length;
        const char* entry;
        std::optional<css::TextInsert> insert;
    } cases[] = {
        {"class", "<P>text", 0, 3, ".note", css::TextInsert{2, u(" class=\"note\"")}},
        {"ID", "<P>text", 0, 3, " #top ", css::TextInsert{2, u(" id=\"top\"")}},
        {"a whole element: its start tag", "<P>text</P>", 0, 11, ".note", css::TextInsert{2, u(" class=\"note\"")}},
        {"the tag with its line break", "<DIV>\r\nx", 0, 7, "#menu", css::TextInsert{4, u(" id=\"menu\"")}},
        {"plain text", "some text", 0, 4, ".note", std::nullopt},
    };
    for (const Case& c : cases) {
        const ClassEdit e = css::applyClassEntry(u(c.text), c.start, c.length, u(c.entry));
        if (c.insert) {
            EXPECT_EQ(e.kind, ClassEdit::Kind::Insert) << c.what;
            EXPECT_EQ(e.insert, *c.insert) << c.what;
        } else {
            EXPECT_EQ(e.kind, ClassEdit::Kind::Message) << c.what;
            EXPECT_EQ(e.message, u("クラスやＩＤにはタグを選択します")) << c.what;
        }
    }
    const ClassEdit none = css::applyClassEntry(u("<P>"), 1, 0, u(".note"));
    EXPECT_EQ(none.kind, ClassEdit::Kind::Message);
    EXPECT_EQ(none.message, u("スタイルを設定する範囲を選択してください。"));
}

TEST(StyleClassApply, ElementsWrapTheSelectionOnLinesOfTheirOwn)
{
    const QString R = u("\r\n");
    struct Case {
        const char* what;
        const char* text;
        int start;
        int length;
        const char* entry;
        css::TextWrap wrap;
    } cases[] = {
        {"mid-line", "ab cd ef", 3, 2, "P.note ", {3, 2, R + u("<P class=\"note\">") + R, R + u("</P>") + R}},
        {"a whole line", "ab\r\ncd\r\nef", 4, 4, "DIV#menu", {4, 4, u("<DIV id=\"menu\">") + R, u("</DIV>") + R}},
        {"a line without its break", "ab\r\ncd\r\nef", 4, 2, "H1", {4, 2, u("<H1>") + R, R + u("</H1>")}},
        {"at the very start and end", "cd", 0, 2, "H2", {0, 2, u("<H2>") + R, R + u("</H2>") + R}},
        {"SPAN with a style", "ab cd", 3, 2, "SPAN style", {3, 2, u("<SPAN style=\"\">"), u("</SPAN>")}},
        {"SPAN with a class", "ab cd", 3, 2, " SPAN class ", {3, 2, u("<SPAN class=\"\">"), u("</SPAN>")}},
    };
    for (const Case& c : cases) {
        const ClassEdit e = css::applyClassEntry(u(c.text), c.start, c.length, u(c.entry));
        EXPECT_EQ(e.kind, ClassEdit::Kind::Wrap) << c.what;
        EXPECT_EQ(e.wrap, c.wrap) << c.what;
        // No line break is ever split.
        for (const QString& piece : {e.wrap.before, e.wrap.after})
            EXPECT_EQ(piece.count(u'\r'), piece.count(R)) << c.what;
    }
}
