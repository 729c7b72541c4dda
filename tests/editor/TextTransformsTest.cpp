#include "editor/EditMessages.h"
#include "workspace/DocumentText.h"
#include "editor/TextTransforms.h"
#include "EditPrinters.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using SelectionCommand = std::function<std::optional<EditResult>(const QString&, const Selection&)>;

struct SelectionCase {
    const char* command;
    SelectionCommand run;
    const char* text;
    Selection selection;
    const char* after; // nullptr: nothing changes (the command says that nothing is selected)
    Selection caret;
};

} // namespace

TEST(LineBreakCommands, SelectionAndCaretCases)
{
    const SelectionCase cases[] = {
        {"DelBrMarks", removeBrMarks, "a<BR>b<br>c<Br>d", {0, 16}, "abcd", {4, 0}},
        {"DelBrMarks on part", removeBrMarks, "x<BR>y<BR>z", {0, 5}, "xy<BR>z", {1, 0}},
        {"DelBrMarks joined", removeBrMarks, "<B<BR>R>", {0, 8}, "", {0, 0}},
        {"DelBrMarks without a selection", removeBrMarks, "a<BR>", {1, 0}, nullptr, {}},
        {"BrInSelection", brMarksAtLineEnds, "a\r\nb\r\nc", {0, 8}, "a<BR>\r\nb<BR>\r\nc", {15, 0}},
        {"BrInSelection first line", brMarksAtLineEnds, "a\r\nb\r\nc", {0, 3}, "a<BR>\r\nb\r\nc", {7, 0}},
        {"BrInSelection behind a marker", brMarksAtLineEnds, "<!--Reg001-->\r\nx", {0, 16},
         "<!--Reg001--><BR>\r\nx", {20, 0}},
        {"BrInSelection without a selection", brMarksAtLineEnds, "a\r\nb", {0, 0}, nullptr, {}},
        {"InsertBrMark", insertBrMark, "ab", {1, 0}, "a<BR>b", {5, 0}},
        {"InsertBrMark before a selection", insertBrMark, "abc", {1, 2}, "a<BR>bc", {5, 0}},
        {"InsertBrMark at 0", insertBrMark, "ab", {0, 0}, nullptr, {}},
        {"InsertBrMark inside a marker", insertBrMark, "x<!--Reg001-->y", {5, 0}, "x<!--Reg001--><BR>y", {18, 0}},
        {"InsertBrMark in front of a marker", insertBrMark, "x<!--Reg001-->y", {1, 0}, "x<BR><!--Reg001-->y", {5, 0}},
        {"InsertBrMark behind a marker", insertBrMark, "x<!--Reg001-->y", {14, 0}, "x<!--Reg001--><BR>y", {18, 0}},
        {"InsertBrMark in a look-alike", insertBrMark, "x<!--Reg000-->y", {5, 0}, "x<!--<BR>Reg000-->y", {9, 0}},
    };
    for (const auto& c : cases) {
        const std::optional<EditResult> r = c.run(u(c.text), c.selection);
        ASSERT_EQ(r.has_value(), c.after != nullptr) << c.command;
        if (!r)
            continue;
        EXPECT_EQ(r->text, u(c.after)) << c.command;
        EXPECT_EQ(r->selection, c.caret) << c.command;
        EXPECT_TRUE(r->marks.isEmpty()) << c.command;
    }
}

TEST(LineBreakCommands, WholeTextCommands)
{
    EXPECT_EQ(removeLineBreaks(u("a\r\nb\r\nc")), u("abc"));
    EXPECT_EQ(removeLineBreaks(u("a\rb\nc")), u("a\rb\nc")); // a lone CR or LF stays
    EXPECT_EQ(removeLineBreaks(QString()), QString());
    EXPECT_EQ(removeTabs(u("\t<P>\r\n\t\tx\ty")), u("<P>\r\nxy"));
}

TEST(TagCase, NamesChangeAndValuesTextAndCommentsKeepTheirLetters)
{
    struct Case {
        const char* text;
        const char* upper;
        const char* lower;
    } cases[] = {
        {"<a href=\"Photo.JPG\">Text</a>", "<A HREF=\"Photo.JPG\">Text</A>", "<a href=\"Photo.JPG\">Text</a>"},
        {"<IMG SRC=Photo.JPG Alt='My Pic'>", "<IMG SRC=Photo.JPG ALT='My Pic'>", "<img src=Photo.JPG alt='My Pic'>"},
        {"<td align = Center nowrap>x</Td>", "<TD ALIGN = Center NOWRAP>x</TD>", "<td align = Center nowrap>x</td>"},
        {"<p>日本語 Text</p>", "<P>日本語 Text</P>", "<p>日本語 Text</p>"},
        {"<!DOCTYPE html PUBLIC \"-//W3C//DTD\">", "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD\">",
         "<!doctype html public \"-//W3C//DTD\">"},
        {"<br/><Hr Size=2 />", "<BR/><HR SIZE=2 />", "<br/><hr size=2 />"},
        // Comments, region markers among them, stay as they are.
        {"<!--Reg001--><!-- Keep -->x<b>", "<!--Reg001--><!-- Keep -->x<B>", "<!--Reg001--><!-- Keep -->x<b>"},
        // A quote that does not close inside the tag keeps the rest of the tag.
        {"<a title=\"x>y\">Z", "<A TITLE=\"x>y\">Z", "<a title=\"x>y\">Z"},
        // Text that is no tag.
        {"a < b and c > d", "a < b and c > d", "a < b and c > d"},
        {"x <b <i>y", "x <b <I>y", "x <b <i>y"},
        {"end <Font", "end <Font", "end <Font"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(changeTagCase(u(c.text), 1), u(c.upper)) << c.text;
        EXPECT_EQ(changeTagCase(u(c.text), 2), u(c.lower)) << c.text;
        EXPECT_EQ(changeTagCase(u(c.text), 0), u(c.lower)) << c.text; // any mode but 1 is lower case
    }
    // The markers of folded regions still read as markers.
    EXPECT_EQ(markerAt(changeTagCase(u("<p><!--Reg007--></p>"), 1), 3), 7);
}

TEST(Entities, EncodeAndDecode)
{
    struct Case {
        const char* plain;
        const char* encoded;
    } cases[] = {
        {"a & b \"c\" <d>", "a &amp; b &quot;c&quot; &lt;d&gt;"},
        {"&amp;", "&amp;amp;"}, // an entity gets its ampersand encoded again
        {"日本語\r\n<BR>", "日本語\r\n&lt;BR&gt;"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeEntities(u(c.plain)), u(c.encoded)) << c.plain;
        EXPECT_EQ(decodeEntities(u(c.encoded)), u(c.plain)) << c.encoded;
    }
    EXPECT_EQ(decodeEntities(u("&AMP; &Quot; &lt;&GT; &nbsp; & &am")), u("& \" <> &nbsp; & &am"));
    EXPECT_EQ(decodeEntities(u("&amp;lt;")), u("&lt;")); // one level at a time
}

TEST(Entities, TheSpecialCharacterCommand)
{
    const EditResult sel = convertEntities(u("x<y>z"), {1, 3}, 0);
    EXPECT_EQ(sel.text, u("x&lt;y&gt;z"));
    EXPECT_EQ(sel.selection, (Selection{10, 0}));
    const EditResult whole = convertEntities(u("<a>"), {2, 0}, 0);
    EXPECT_EQ(whole.text, u("&lt;a&gt;"));
    EXPECT_EQ(whole.selection, (Selection{2, 0}));
    EXPECT_EQ(convertEntities(u("&lt;b&gt;"), {0, 0}, 1).text, u("<b>"));

    struct Case {
        const char* text;
        Selection selection;
        SpecialCharsAction action;
    } cases[] = {
        {"<HEAD>", {0, 1}, SpecialCharsAction::ConvertSelection},
        {"<html><head>", {0, 0}, SpecialCharsAction::AskFirst},
        {"a<BR>", {0, 0}, SpecialCharsAction::AskFirst},
        {"a<br>", {0, 0}, SpecialCharsAction::AskFirst},
        {"<Head><Br>", {0, 0}, SpecialCharsAction::Nothing}, // only these exact spellings ask
        {"a < b", {0, 0}, SpecialCharsAction::Nothing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(specialCharsAction(u(c.text), c.selection), c.action) << c.text;
}

TEST(DirectSearch, ClipboardTextIsLookedUpWithoutItsLineBreaks)
{
    struct Case {
        const char* clipboard;
        const char* source;
        const char* word;
        QString message;
    } cases[] = {
        {"abc\r\ndef", "xxabcdefyy", "abcdef", QString()},
        {"abc\r\ndef", "xxabc\r\ndefyy", "", editmsg::DirectSearchNotFound + u("abcdef")},
        {"ABC", "abc", "", u("検索文字が見つかりません。 検索文字 = ABC")}, // exact case
        {"", "abc", "", u("文字を選択して、コピーをして下さい。")},
        {"\r\n", "a\r\nb", "", u("文字を選択して、コピーをして下さい。")},
        // Every CR and LF goes, however the copying program ended its lines.
        {"a\nb", "xaby", "ab", QString()},
        {"a\rb", "xaby", "ab", QString()},
        {"\na\r\n\nb\r\r\nc\n\r", "abc", "abc", QString()},
        {"\r\n一行目\n二行目\r", "<P>一行目二行目</P>", "一行目二行目", QString()},
        {"a\n\nb", "a\n\nb", "", editmsg::DirectSearchNotFound + u("ab")},
        {"\n\r\n\r", "a\r\nb", "", u("文字を選択して、コピーをして下さい。")},
    };
    for (const auto& c : cases) {
        const DirectSearchStep step = directSearch(u(c.clipboard), u(c.source));
        EXPECT_EQ(step.word, u(c.word)) << c.clipboard;
        EXPECT_EQ(step.message, c.message) << c.clipboard;
    }
}

TEST(SelectBody, TheInsideOfTheBodyOrTheWholeText)
{
    struct Case {
        const char* text;
        Selection selection;
    } cases[] = {
        {"<html><body bgcolor=red>\r\nabc\r\n</body></html>", {24, 7}},
        {"<BODY></BODY>", {6, 0}},
        {"<Body>x</bOdY>", {6, 1}},
        {"<BODY>abc", {0, 9}},          // no end tag
        {"</BODY><BODY>x", {0, 14}},    // the end tag only before the start tag
        {"<BODY", {0, 5}},              // the start tag never closes
        {"", {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(selectBody(u(c.text)), c.selection) << c.text;
}
