#include "wizards/generators/FramesetGenerator.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QString headLines = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">\r\n"
                          "<HTML lang=\"ja\">\r\n"
                          "<HEAD>\r\n"
                          "<TITLE> </TITLE>\r\n"
                          "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\" > \r\n"
                          "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n"
                          "</HEAD>\r\n";

TEST(FramesetGenerator, TheShippedPanel)
{
    const gen::FramesetPage page = gen::makeFrameset({});
    EXPECT_FALSE(page.message.has_value());
    EXPECT_EQ(page.page, headLines
                             + "    <FRAMESET cols=\"20%,*\" BORDERCOLOR=\"#000000\">\r\n"
                               "       <FRAME SRC =\"left.html\" SCROLLING=\"auto\" NAME=\"left\">\r\n"
                               "       <FRAME SRC =\"right.html\" SCROLLING=\"auto\" NAME=\"right\">\r\n"
                               "</FRAMESET>\r\n"
                               "</HTML>");
    EXPECT_EQ(page.baseLine, "<BASE TARGET=\"right\">\r\n");
}

// Line 8 to 10 of the page.
QString frameLines(const gen::FramesetInput& in)
{
    const QString page = gen::makeFrameset(in).page;
    return page.mid(headLines.size(), page.indexOf("</FRAMESET>") - headLines.size());
}

TEST(FramesetGenerator, SplitBordersAndScrolling)
{
    struct Case { void (*set)(gen::FramesetInput&); const char* lines; };
    const Case cases[] = {
        {[](gen::FramesetInput& in) { in.borderWidth = "1"; },
         "    <FRAMESET cols=\"20%,*\" FRAMEBORDER=\"yes\" BORDER=\"3\" BORDERCOLOR=\"#000000\">\r\n"
         "       <FRAME SRC =\"left.html\" SCROLLING=\"auto\" NAME=\"left\">\r\n"
         "       <FRAME SRC =\"right.html\" SCROLLING=\"auto\" NAME=\"right\">\r\n"},
        // 0.1 / 0.34 rounds to 0: no border width, the colour stays, even when empty.
        {[](gen::FramesetInput& in) { in.borderWidth = "0.1"; in.borderColour = ""; in.columns = false; in.firstSize = "30"; },
         "    <FRAMESET rows=\"30%,*\" BORDERCOLOR=\"\">\r\n"
         "       <FRAME SRC =\"left.html\" SCROLLING=\"auto\" NAME=\"left\">\r\n"
         "       <FRAME SRC =\"right.html\" SCROLLING=\"auto\" NAME=\"right\">\r\n"},
        {[](gen::FramesetInput& in) { in.borders = false; in.borderWidth = "5"; in.firstScrolling = 0; in.secondScrolling = 0; },
         "    <FRAMESET cols=\"20%,*\" FRAMEBORDER=\"no\">\r\n"
         "       <FRAME SRC =\"left.html\" SCROLLING=\"yes\" NAME=\"left\" NORESIZE>\r\n"
         "       <FRAME SRC =\"right.html\" scrolling=\"yes\" NAME=\"right\">\r\n"},
        {[](gen::FramesetInput& in) { in.firstScrolling = 1; in.secondScrolling = 1; in.firstPage = "a b.html"; in.secondName = "down"; },
         "    <FRAMESET cols=\"20%,*\" BORDERCOLOR=\"#000000\">\r\n"
         "       <FRAME SRC =\"a b.html\" SCROLLING=\"no\" NAME=\"left\">\r\n"
         "       <FRAME SRC =\"right.html\" SCROLLING=\"no\" NAME=\"down\">\r\n"},
    };
    for (const Case& c : cases) {
        gen::FramesetInput in;
        c.set(in);
        EXPECT_EQ(frameLines(in), QString::fromUtf8(c.lines));
    }

    gen::FramesetInput huge;
    huge.borderWidth = "1E10";
    EXPECT_EQ(gen::makeFrameset(huge).message, QStringLiteral("設定が違います"));
    gen::FramesetInput noTarget;
    noTarget.setTarget = false;
    EXPECT_EQ(gen::makeFrameset(noTarget).baseLine, "");
}

TEST(FramesetGenerator, BaseTargetGoesBeforeTheHeadEndTag)
{
    const QString base = "<BASE TARGET=\"right\">\r\n";
    EXPECT_EQ(gen::insertBaseTarget("<head>\r\n</head>\r\n<body></BODY>", base), "<head>\r\n" + base + "</head>\r\n<body></BODY>");
    const QString once = gen::insertBaseTarget("<HEAD></HEAD>", base);
    EXPECT_EQ(gen::insertBaseTarget(once, base), "<HEAD>" + base + base + "</HEAD>");
    EXPECT_EQ(gen::insertBaseTarget("<HTML>no head", base), "<HTML>no head");
    EXPECT_EQ(gen::insertBaseTarget("<HEAD></HEAD>", ""), "<HEAD></HEAD>");
}

TEST(FramesetGenerator, TheDocumentThatReceivesThePage)
{
    struct Case { QStringList texts; int document; };
    const Case cases[] = {
        {{"left", "right"}, -1},
        // Documents 0 and 1 hold the frames' pages, even when empty.
        {{"", ""}, -1},
        {{"", "", ""}, 2},
        {{"left", "right", "", "x", ""}, 4},
        {{"left", "right", "", "x", " "}, 2},
        {{"left", "right", "x"}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gen::framesetDocument(c.texts), c.document) << c.texts.join('|').toStdString();
}

TEST(FramesetGenerator, PagesAndNames)
{
    const gen::FramesetInput in;
    EXPECT_TRUE(gen::isFramesPage("index.html", in));
    EXPECT_TRUE(gen::isFramesPage("left.html", in));
    EXPECT_TRUE(gen::isFramesPage("right.html", in));
    EXPECT_FALSE(gen::isFramesPage("Left.html", in));
    EXPECT_FALSE(gen::isFramesPage("$$$000.html", in));

    EXPECT_EQ(gen::frameNamesForSplit(1).first, "top");
    EXPECT_EQ(gen::frameNamesForSplit(1).second, "down");
    EXPECT_EQ(gen::frameNamesForSplit(1).target, "down");
    EXPECT_EQ(gen::frameNamesForSplit(0).first, "left");
    EXPECT_EQ(gen::frameNamesForSplit(0).second, "right");
    EXPECT_EQ(gen::frameNamesForSplit(0).target, "right");
}

} // namespace
