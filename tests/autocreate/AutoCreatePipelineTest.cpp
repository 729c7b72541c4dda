#include "autocreate/AutoCreatePipeline.h"

#include "autocreate/StandInGenerators.h"
#include "autocreate/StepCases.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace autocreate;

namespace {

// A title, a paragraph with an image and a wrapped line, a background, a list, a table and an
// escaped image pseudo-tag.
const QString Text =
    "My page\r\n"
    "\r\n"
    "Intro\r\n"
    "Hello & \"welcome\" <画像 cat.gif>\r\n"
    "wrapped line\r\n"
    "\r\n"
    "<背景1 bg.gif>Fruits\r\n"
    "<項目>\r\n"
    "　apple\r\n"
    "　orange\r\n"
    " </項目>\r\n"
    "\r\n"
    "Prices\r\n"
    "<表>\r\n"
    " a,b\r\n"
    " </表>\r\n"
    " \\<画像 literal>\r\n";

const QString PageHead =
    "<HTML>\r\n<HEAD>\r\n<TITLE>My page</TITLE>\r\n</HEAD>\r\n<BODY";
const QString PageRest =
    " text=\"#0000A0\" bgcolor=\"#FFE8D0\">\r\n"
    "<HR>\r\n"
    "<CENTER><FONT size =\"+2\">My page</FONT></CENTER>\r\n"
    "<HR>\r\n"
    "<P>\r\n"
    "<Font color=\"#0000BD\"><B><A name=\"Pelmor1\">Intro</A></B></FONT><BR>\r\n"
    "Hello &amp; &quot;welcome&quot; <IMG src=\" cat.gif\">wrapped line<BR>\r\n"
    "</P>\r\n"
    "<P>\r\n"
    "<Font color=\"#0000BD\"><B><A name=\"Pelmor2\">Fruits</A></B></FONT><BR>\r\n"
    "<UL>\r\n"
    "<LI>apple<BR>\r\n"
    "<LI>orange<BR>\r\n"
    "</UL>\r\n"
    "</P>\r\n"
    "<P>\r\n"
    "<Font color=\"#0000BD\"><B><A name=\"Pelmor3\">Prices</A></B></FONT><BR>\r\n"
    "\r\n"
    "</P>\r\n"
    "<TABLE>\r\n"
    "<TR><TD>a</TD><TD>b<BR></TD></TR>\r\n"
    "</TABLE>\r\n"
    "\\&lt;画像 literal&gt;<BR>\r\n"
    "\r\n"
    "</BODY>\r\n"
    "</HTML>";

AutoCreateSettings withFrames(FrameLayout frames)
{
    AutoCreateSettings s;
    s.frames = frames;
    return s;
}

TEST(AutoCreatePipeline, MakesTheWholePageWithoutFrames)
{
    const AutoCreateOutcome r = runAutoCreateSteps(Text, "/home/user/memo.txt",
                                                   withFrames(FrameLayout::None),
                                                   standin::generators());
    EXPECT_EQ(r.page, PageHead + PageRest);
    EXPECT_EQ(r.title, "My page");
    EXPECT_EQ(r.headings, QStringList({"Intro<BR>\r\n", "Fruits\r\n", "Prices<BR>\r\n"}));
    EXPECT_EQ(r.backgrounds.body, " bg.gif");
    EXPECT_EQ(r.backgrounds.navigation, "");
    EXPECT_EQ(r.names.page, "memo.html");
    EXPECT_FALSE(r.frames.has_value());
    EXPECT_TRUE(r.messages.isEmpty());
}

TEST(AutoCreatePipeline, MakesTheThreeFramePages)
{
    const AutoCreateOutcome r = runAutoCreateSteps(Text, "memo.txt",
                                                   withFrames(FrameLayout::SideBySide),
                                                   standin::generators());
    ASSERT_TRUE(r.frames.has_value());
    // Only the body page of a frames run loses the backslashes that kept a pseudo-tag as text.
    EXPECT_EQ(r.frames->body, PageHead + " STYLE=\"background:url( bg.gif)\"" +
                                  QString(PageRest).replace("\\&lt;", "&lt;"));
    EXPECT_EQ(r.frames->navigation,
              stepcases::navigationHead("<BODY text=\"#0000A0\" bgcolor=\"#BBDDFF\">") +
                  "<A href=\"memoright.html#Pelmor1\">Intro<BR>\r\n</A><BR>\r\n"
                  "<A href=\"memoright.html#Pelmor2\">Fruits\r\n</A><BR>\r\n"
                  "<A href=\"memoright.html#Pelmor3\">Prices<BR>\r\n</A><BR>\r\n" +
                  stepcases::NavigationTail);
    EXPECT_EQ(r.frames->frameset,
              "<FRAMESET cols=\"20%,*\">\r\n<FRAME SRC =\"memoleft.html\">\r\n"
              "<FRAME SRC =\"memoright.html\">\r\n</FRAMESET>");

    const AutoCreateOutcome rows = runAutoCreateSteps(Text, "memo.txt",
                                                      withFrames(FrameLayout::TopBottom),
                                                      standin::generators());
    ASSERT_TRUE(rows.frames.has_value());
    EXPECT_TRUE(rows.frames->frameset.startsWith("<FRAMESET rows="));
}

TEST(AutoCreatePipeline, ARunWithoutHeadingsOrBackgroundsStillGetsItsNavigationPage)
{
    const AutoCreateSettings frames = withFrames(FrameLayout::SideBySide);
    runAutoCreateSteps("<背景1 old.gif>\r\n<背景2 old.gif>\r\n", "a.txt", frames,
                       standin::generators());
    const AutoCreateOutcome r = runAutoCreateSteps("", "a.txt", frames, standin::generators());
    ASSERT_TRUE(r.frames.has_value());
    EXPECT_TRUE(r.headings.isEmpty());
    EXPECT_FALSE(r.frames->body.contains("STYLE")) << "no background from the previous run";
    EXPECT_FALSE(r.frames->navigation.contains("STYLE"));
    EXPECT_TRUE(r.frames->navigation.contains("<BASEFONT size=\"2\">\r\n\r\n</BODY>"));
    EXPECT_EQ(r.messages, QStringList({"項目がありません"}));
}

TEST(AutoCreatePipeline, AnEmptyTitleSkipsTheHeadingAndLeavesTheTitleEmpty)
{
    AutoCreateGenerators g = standin::generators();
    int rules = 0;
    QStringList titles;
    g.ruleTag = [&rules] {
        ++rules;
        return standin::rule();
    };
    g.setTitle = [&titles](const QString& page, const QString& title) {
        titles.append(title);
        return standin::setTitle(page, title);
    };
    const AutoCreateOutcome r = runAutoCreateSteps("My page\r\nSecond line\r\n", "a.txt",
                                                   withFrames(FrameLayout::None), g);
    EXPECT_EQ(r.title, "");
    EXPECT_EQ(rules, 0);
    EXPECT_EQ(titles, QStringList({""}));
    EXPECT_TRUE(r.page.contains("<A name=\"Pelmor1\">My page</A>"));
}

} // namespace
