#include "autocreate/PreparationSteps.h"

#include "autocreate/StandInGenerators.h"
#include "autocreate/StepCases.h"
#include "platform/VbString.h"
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
         body("\r\n" + vb::Trim(longLine) + "<BR>\r\n")},
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
