#include "autocreate/PreparationSteps.h"

#include "autocreate/StandInGenerators.h"
#include "autocreate/StepCases.h"
#include "platform/TextRules.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace autocreate;

namespace {

using Case = stepcases::TextCase;

QString body(const QString& inner)
{
    return QStringLiteral("<HEAD>\r\nhead line\r\n</HEAD>\r\n<BODY>") + inner +
           QStringLiteral("</BODY>");
}

TEST(JoinWrappedLines, JoinsLaterLinesOfEachParagraph)
{
    const Case cases[] = {
        {"first line stays, second and third join, a final line feed closes an empty paragraph",
         "Title\r\nfirst\r\nsecond\r\n\r\nnext\r\n", "Title\r\nfirstsecond\r\n\r\nnext\r\n\r\n\r\n"},
        {"lines that begin with a half-width or ideographic space keep their line break",
         "A\r\nB\r\n　C\r\n D\r\nE", "A\r\nB\r\n　C\r\n DE\r\n\r\n"},
        {"a line of blanks ends a paragraph; a text without a final line break gets one",
         "A\r\n   \r\nB", "A\r\n\r\nB\r\n\r\n"},
        {"leading and repeated blank lines leave one separator", "\r\n\r\nA\r\n\r\n\r\n\r\nB",
         "A\r\n\r\nB\r\n\r\n"},
        {"a line that ends with a lone line feed loses only that line feed when joined",
         "A\r\nB\r\nC\nD", "A\r\nBCD\r\n\r\n"},
        {"doubled carriage returns are cleaned out", "A\r\r\nB", "A\r\nB\r\n\r\n"},
        {"an empty text", "", "\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(joinWrappedLines(c.in), c.out) << c.name;
}

// A list or a table is written one item or row a line, the items plain or indented with an
// ideographic space, and the pseudo-tags on lines of their own.
TEST(JoinWrappedLines, KeepsTheLinesOfListsAndTables)
{
    const Case cases[] = {
        {"a list of plain lines",
         "好きな食べ物\r\n<項目>\r\nおにぎり\r\nラーメン\r\nいちごのケーキ\r\n</項目>\r\n",
         "好きな食べ物\r\n<項目>\r\nおにぎり\r\nラーメン\r\nいちごのケーキ\r\n</項目>\r\n\r\n\r\n"},
        {"a list of indented lines: the closing line is not joined to the last item",
         "飲み物\r\n<項目>\r\n　お茶\r\n　牛乳\r\n</項目>",
         "飲み物\r\n<項目>\r\n　お茶\r\n　牛乳\r\n</項目>\r\n\r\n"},
        {"a table of plain lines",
         "一週間\r\n<表>\r\n月曜日,仕事\r\n火曜日,買い物\r\n水曜日,休み\r\n</表>\r\n",
         "一週間\r\n<表>\r\n月曜日,仕事\r\n火曜日,買い物\r\n水曜日,休み\r\n</表>\r\n\r\n\r\n"},
        {"a table of indented lines",
         "時間割\r\n<表>\r\n　一,国語\r\n　二,算数\r\n</表>\r\n",
         "時間割\r\n<表>\r\n　一,国語\r\n　二,算数\r\n</表>\r\n\r\n\r\n"},
        {"wrapped lines before and after a block still join; the pseudo-tags' lines join to neither side",
         "見出し\r\n一\r\n二\r\n<項目>\r\na\r\n</項目>\r\n三\r\n四",
         "見出し\r\n一二\r\n<項目>\r\na\r\n</項目>\r\n三四\r\n\r\n"},
        {"a block in a paragraph of its own, and two blocks of both kinds in a row",
         "h\r\n\r\n<表>\r\na,b\r\n</表>\r\n<項目>\r\nc\r\nd\r\n</項目>\r\n",
         "h\r\n\r\n<表>\r\na,b\r\n</表>\r\n<項目>\r\nc\r\nd\r\n</項目>\r\n\r\n\r\n"},
        {"pseudo-tags with text on their lines",
         "h\r\nx\r\n果物<項目>\r\na\r\nb</項目>\r\ny\r\nz",
         "h\r\nx\r\n果物<項目>\r\na\r\nb</項目>\r\nyz\r\n\r\n"},
        {"both pseudo-tags on one line", "h\r\nx\r\n<項目>a</項目>\r\ny\r\nz",
         "h\r\nx\r\n<項目>a</項目>\r\nyz\r\n\r\n"},
        {"an opening without a closing: its line stays, the lines after it join as ever",
         "h\r\nx\r\n<表>\r\na\r\nb", "h\r\nx\r\n<表>\r\nab\r\n\r\n"},
        {"an escaped pseudo-tag is text", "h\r\nx\r\n\\<項目>\r\na\r\n\\</項目>",
         "h\r\nx\\<項目>a\\</項目>\r\n\r\n"},
        {"an escaped closing does not close: the block runs to the real one",
         "h\r\n<項目>\r\na\r\n\\</項目>\r\nb\r\n</項目>",
         "h\r\n<項目>\r\na\r\n\\</項目>\r\nb\r\n</項目>\r\n\r\n"},
        {"full-width brackets make no pseudo-tag", "h\r\nx\r\n＜項目＞\r\na\r\n＜／項目＞",
         "h\r\nx＜項目＞a＜／項目＞\r\n\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(joinWrappedLines(c.in), c.out) << c.name;
        // Lines ended by a line feed alone are the same lines.
        const QString lf = QString(c.in).replace("\r\n", "\n");
        EXPECT_EQ(joinWrappedLines(lf).replace("\r\n", "\n"), QString(c.out).replace("\r\n", "\n"))
            << c.name << " (LF)";
    }
}

TEST(ExpandImageTags, ReplacesUnescapedTagsByTheGeneratorsElement)
{
    const Case cases[] = {
        {"at the very start of the text", "&lt;画像a.gif&gt;x", "<IMG src=\"a.gif\">x"},
        {"an escaped tag stays with its backslash", "\\&lt;画像a.gif&gt; &lt;画像b.gif&gt;",
         "\\&lt;画像a.gif&gt; <IMG src=\"b.gif\">"},
        {"letters of the entities in any case, two tags in a row",
         "&LT;画像a&GT;&lt;画像b&gt;", "<IMG src=\"a\"><IMG src=\"b\">"},
        {"a blank after the tag word belongs to the name", "&lt;画像 a.gif&gt;",
         "<IMG src=\" a.gif\">"},
        {"without a closing entity the name ends with its line, the next lines stay",
         "x&lt;画像a.gif\r\nnext &gt; line\r\n", "x<IMG src=\"a.gif\">\r\nnext &gt; line\r\n"},
        {"without a closing entity on the last line the name is the rest", "&lt;画像a.gif",
         "<IMG src=\"a.gif\">"},
        {"a tag without a name is removed when the generator gives nothing",
         "&lt;画像&gt;after", "after"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandImageTags(c.in, standin::image), c.out) << c.name;
}

TEST(ExpandImageTags, HandsEachNameToTheGeneratorInTextOrder)
{
    QStringList names;
    const auto record = [&names](const QString& name) {
        names.append(name);
        return QString();
    };
    expandImageTags("&lt;画像one&gt; \\&lt;画像skipped&gt; &lt;画像&gt; &lt;画像two&gt;", record);
    EXPECT_EQ(names, QStringList({"one", "", "two"}));
}

TEST(TakeBackgroundTag, RemovesTheTagsOfItsNumberAndKeepsTheLastContent)
{
    struct BgCase {
        const char* name;
        QString in;
        int number;
        QString text;
        QString content;
        bool found;
    };
    const BgCase cases[] = {
        {"content keeps its leading blank", "&lt;背景1 bg.gif&gt;text", 1, "text", " bg.gif", true},
        {"the last of several wins, all go", "a&lt;背景1 x.gif&gt;b&lt;背景1 y.gif&gt;c", 1,
         "abc", " y.gif", true},
        {"another number is left alone", "&lt;背景2 x.gif&gt;", 1, "&lt;背景2 x.gif&gt;", "",
         false},
        {"number 2", "&lt;背景2nav.gif&gt;\r\n", 2, "\r\n", "nav.gif", true},
        {"an escaped tag stays", "\\&lt;背景1 x.gif&gt;", 1, "\\&lt;背景1 x.gif&gt;", "", false},
        {"without a closing entity the tag ends with its line",
         "&lt;背景1 x.gif\r\nrest &gt;", 1, "\r\nrest &gt;", " x.gif", true},
    };
    for (const BgCase& c : cases) {
        const BackgroundTake take = takeBackgroundTag(c.in, c.number);
        EXPECT_EQ(take.text, c.text) << c.name;
        EXPECT_EQ(take.content, c.content) << c.name;
        EXPECT_EQ(take.found, c.found) << c.name;
    }
}

TEST(AutoLineBreaks, AppendsTheTagToBodyLinesOnly)
{
    const QString longLine = QString(" a b").repeated(112) + "xy";  // 450 characters
    ASSERT_EQ(longLine.size(), 450);
    const Case cases[] = {
        {"ordinary lines, blanks trimmed at both ends", body("\r\na\r\n   b c  \r\n"),
         body("\r\na<BR>\r\nb c<BR>\r\n")},
        {"lines ending with a tag in any case are left alone", body("\r\na<br>\r\n<HR>\r\n"),
         body("\r\na<br>\r\n<HR>\r\n")},
        {"a line ending with an entity gets the tag", body("\r\na &gt;\r\n"),
         body("\r\na &gt;<BR>\r\n")},
        {"background and image pseudo-tags at the start of a line are left alone",
         body("\r\n&lt;背景1 x&gt;\r\n&lt;画像y&gt;\r\n"),
         body("\r\n&lt;背景1 x&gt;\r\n&lt;画像y&gt;\r\n")},
        {"empty lines and lines of blanks stay as they were", body("\r\n\r\n   \r\n"),
         body("\r\n\r\n   \r\n")},
        {"a long line stays one line, its inner blanks untouched", body("\r\n" + longLine + "\r\n"),
         body("\r\n" + textrules::trimBlanks(longLine) + "<BR>\r\n")},
        {"the body's last line without a line end gets one", body("\r\nlast"),
         body("\r\nlast<BR>\r\n")},
        {"a blank rest at the end of the body is dropped", body("\r\na\r\n   "),
         body("\r\na<BR>\r\n")},
        {"a text without a body is taken whole", "a\r\nb", "a<BR>\r\nb<BR>\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(autoLineBreaks(c.in), c.out) << c.name;
}

TEST(InsertSkeleton, WrapsOnlyATextWithoutPageStructure)
{
    const auto wrap = [](const QString& t) { return "[" + t + "]"; };
    EXPECT_EQ(insertSkeleton("text\r\n", false, wrap), "[text\r\n]");
    EXPECT_EQ(insertSkeleton("x <Body> y", false, wrap), "[x <Body> y]")
        << "only the exact spellings count";
    for (const QString& t : {"x <body> y", "<BODY>", "<html>", "<HTML lang=ja>"})
        EXPECT_EQ(insertSkeleton(t, false, wrap), t);
    EXPECT_EQ(insertSkeleton("text", true, wrap), "text") << "the header is hidden";
}

} // namespace
