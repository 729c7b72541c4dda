#include "autocreate/ParagraphSteps.h"

#include "autocreate/StepCases.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace autocreate;

namespace {

QString page(const QString& inner)
{
    return QStringLiteral("<HTML>\r\n<BODY>") + inner + QStringLiteral("</BODY>\r\n</HTML>");
}

const QString Open = "\r\n<P>\r\n";
const QString Next = "\r\n</P>\r\n<P>\r\n";
const QString Close = "\r\n</P>\r\n";

TEST(AutoParagraphs, WrapsBlocksSeparatedByEmptyLines)
{
    const QString longLine = QString("x").repeated(450) + "<BR>\r\n";
    const stepcases::TextCase cases[] = {
        {"three empty lines give one separator, blank lines at both ends leave no trace",
         page("\r\n  \r\na<BR>\r\nb<BR>\r\n\r\n\r\n\r\nc<BR>\r\n\r\n"),
         page(Open + "a<BR>\r\nb<BR>\r\n" + Next + "c<BR>\r\n" + Close)},
        {"rules and the centred heading in front stay outside the first paragraph",
         page("\r\n\r\n<HR>\r\n\r\n<CENTER>T</CENTER>\r\n<hr>\r\n\r\n\r\nx<BR>\r\n"),
         page("<HR>\r\n<CENTER>T</CENTER>\r\n<hr>\r\n" + Open + "x<BR>\r\n" + Close)},
        {"an empty line in front of a rule keeps the rule in the paragraph",
         page("\r\na<BR>\r\n\r\n <hr>\r\nb<BR>\r\n"),
         page(Open + "a<BR>\r\n <hr>\r\nb<BR>\r\n" + Close)},
        {"a long line is kept whole", page("\r\n" + longLine), page(Open + longLine + Close)},
        {"a body of rules only gets no paragraph", page("\r\n<HR>\r\n\r\n"), page("<HR>\r\n")},
        {"a text without body tags is taken whole, first character included", "ab\r\n",
         Open + "ab\r\n" + Close},
    };
    for (const stepcases::TextCase& c : cases) {
        const StepResult r = autoParagraphs(c.in);
        EXPECT_EQ(r.text, c.out) << c.name;
        EXPECT_EQ(r.message, "") << c.name;
    }
}

TEST(AutoParagraphs, RefusesABodyWithoutLines)
{
    for (const auto& [in, message] :
         {std::pair<QString, QString>{"<BODY></BODY>", "<BODY>が有りません。"},
          {page("\r\n   \r\n\r\n"), "項目がありません"}}) {
        const StepResult r = autoParagraphs(in);
        EXPECT_EQ(r.text, in);
        EXPECT_EQ(r.message, message);
    }
}

TEST(HeadingSizeValue, IsTheTypedSizeMinusThree)
{
    const std::pair<QString, QString> cases[] = {
        {"3", "+0"}, {"5", "+2"}, {"6", "+3"}, {"1", "-2"}, {"", "-3"}, {"abc", "-3"}, {" 4", "+1"},
    };
    for (const auto& [typed, value] : cases)
        EXPECT_EQ(headingSizeValue(typed), value) << typed.toStdString();
}

TEST(AutoHeadingAnchors, TurnsTheFirstLineOfEachParagraphIntoANumberedHeading)
{
    const QString in = page(Open + "Intro<BR>\r\ntext<BR>\r\n" + Next + "<HR>\r\nnot a heading\r\n" +
                            Next + "  Next <br>\r\n" + Close);
    const AnchorResult r = autoHeadingAnchors(in, HeadingStyle{});
    EXPECT_EQ(r.text,
              page("<P>\r\n"
                   "<Font color=\"#0000BD\"><B><A name=\"Pelmor1\">Intro</A></B></FONT><BR>\r\n"
                   "text<BR>\r\n</P>\r\n<P>\r\n<HR>\r\nnot a heading\r\n</P>\r\n<P>\r\n"
                   "<Font color=\"#0000BD\"><B><A name=\"Pelmor2\">Next </A></B></FONT><BR>\r\n"
                   "</P>\r\n"));
    EXPECT_EQ(r.headings, QStringList({"Intro<BR>\r\n", "  Next <br>\r\n"}));
    EXPECT_EQ(r.message, "");
}

TEST(AutoHeadingAnchors, WritesTheSizeOnlyWhenItDiffersFromTheBaseSize)
{
    const QString in = page(Open + "H<BR>\r\n" + Close);
    EXPECT_EQ(autoHeadingAnchors(in, {"6", "red"}).text,
              page("<P>\r\n<Font color=\"red\" size=\"+3\"><B><A name=\"Pelmor1\">H</A></B>"
                   "</FONT><BR>\r\n</P>\r\n"));
    const AnchorResult none = autoHeadingAnchors("<BODY></BODY>", {});
    EXPECT_EQ(none.message, "<BODY>が有りません。");
    EXPECT_TRUE(none.headings.isEmpty());
}

} // namespace
