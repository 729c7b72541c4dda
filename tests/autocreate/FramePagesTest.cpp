#include "autocreate/AnchorLinks.h"
#include "autocreate/FramePages.h"

#include "autocreate/StandInGenerators.h"
#include "autocreate/StepCases.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace autocreate;

namespace {

TEST(AutoPageNames, CutTheFileNameAtItsLastDot)
{
    struct Case {
        QString file;
        QString base;
    };
    const Case cases[] = {
        {"memo.txt", "memo"},
        {"/home/user/my.notes.txt", "my.notes"},
        {"C:\\texts\\memo.TXT", "memo"},
        {"readme", "readme"},
        {"a.text", "a"},
    };
    for (const Case& c : cases) {
        const AutoPageNames n = autoPageNames(c.file);
        EXPECT_EQ(n.page, c.base + ".html") << c.file.toStdString();
        EXPECT_EQ(n.body, c.base + "right.html") << c.file.toStdString();
        EXPECT_EQ(n.navigation, c.base + "left.html") << c.file.toStdString();
        EXPECT_EQ(n.frameset, c.base + "index.html") << c.file.toStdString();
    }
}

const QString NavHead = stepcases::navigationHead("<BODY>");
const QString NavTail = stepcases::NavigationTail;

TEST(NavigationPage, LinksEveryHeadingToItsAnchorInTheBodyPage)
{
    EXPECT_EQ(navigationPage("memoright.html", {"Intro<BR>\r\n", "Second"}, "2"),
              NavHead +
                  "<A href=\"memoright.html#Pelmor1\">Intro<BR>\r\n</A><BR>\r\n"
                  "<A href=\"memoright.html#Pelmor2\">Second</A><BR>\r\n" +
                  NavTail);
    EXPECT_EQ(navigationPage("memoright.html", {}, "2"), NavHead + NavTail)
        << "a text without headings still gets its page";
}

TEST(AutoFramePages, GivesEachPageItsBackgroundAndCleansIt)
{
    const AutoPageNames names = autoPageNames("memo.txt");
    const QString page = "<BODY>\r\n\\&lt;画像a&gt; \\&LT;b\r\n</BODY>";
    const QStringList headings = {"<IMG src =\"x.gif\" alt=\"\" >Cats<BR>\r\n"};

    const FramePageTexts with = autoFramePages(page, names, headings, {" bg.gif", "nav.gif"}, "2",
                                               standin::backgroundImage);
    EXPECT_EQ(with.body,
              "<BODY STYLE=\"background:url( bg.gif)\">\r\n&lt;画像a&gt; &LT;b\r\n</BODY>");
    QString nav = NavHead + "<A href=\"memoright.html#Pelmor1\">Cats<BR>\r\n</A><BR>\r\n" + NavTail;
    nav.replace("<BODY>", "<BODY STYLE=\"background:url(nav.gif)\">");
    EXPECT_EQ(with.navigation, nav);

    int calls = 0;
    const auto counting = [&calls](const QString& p, const QString&) {
        ++calls;
        return p;
    };
    const FramePageTexts without = autoFramePages(page, names, {}, {"", "  "}, "2", counting);
    EXPECT_EQ(calls, 0) << "blank entries set no background image";
    EXPECT_EQ(without.navigation, NavHead + NavTail);
}

TEST(FramePageCleaning, RemovesEscapesAndImageElements)
{
    EXPECT_EQ(removeLtEscapes("\\&lt;画像a&gt; \\&LT;x \\n &lt;"), "&lt;画像a&gt; &LT;x \\n &lt;");
    EXPECT_EQ(removeImageElements("a<IMG src=\"x\" >b<img SRC=y>c<IMG src=\"z\""), "abc");
    EXPECT_EQ(removeImageElements("<IMG alt><IMGsrc>"), "<IMG alt><IMGsrc>");
}

QString anchorPage(const QString& before)
{
    return before +
           "<P>\r\n"
           "<Font color=\"#0000BD\"><B><A name=\"Pelmor1\">Intro</A></B></FONT><BR>\r\n"
           "text<BR>\r\n</P>\r\n<P>\r\n"
           "<Font color=\"#0000BD\"><B><A name=\"Pelmor2\">Two</A></B></FONT><BR>\r\n"
           "</P>\r\n<P>\r\n"
           "<Font color=\"#0000BD\"><B><A name=\"Pelmor3\">Three</A></B></FONT><BR>\r\n"
           "</P>\r\n</BODY>";
}

TEST(MakeAnchorLinks, PutsLinksToEveryAnchorInFrontOfTheLineBeforeTheFirst)
{
    // The filler puts the insertion point far beyond what a 16-bit position could hold.
    const QString before = "<BODY>\r\n" + QString("x").repeated(40000) + "\r\n";
    QString expected = anchorPage(before);
    expected.insert(before.size() + 3,
                    "<A href=\"#Pelmor1\">Intro</A><BR>\r\n"
                    "<A href=\"#Pelmor2\">Two</A><BR>\r\n"
                    "<A href=\"#Pelmor3\">Three</A><BR>\r\n");
    EXPECT_EQ(makeAnchorLinks(anchorPage(before)), expected);

    EXPECT_EQ(makeAnchorLinks("a\r\n<A name=x>plain</A>"),
              "a<A name=x>plain</A><BR>\r\n\r\n<A name=x>plain</A>")
        << "an anchor without a quote after name= is copied unchanged";
}

TEST(MakeAnchorLinks, ChangesNothingWithoutAUsableAnchor)
{
    for (const QString& text : {QString("<BODY>\r\nno anchors\r\n"),
                                QString("<A name=\"Pelmor1\">first line</A>\r\n"),
                                QString("a\r\n<a name=\"Pelmor1\">lower case</a>\r\n"),
                                QString("a\r\n<A NAME=\"Pelmor1\">upper case</A>\r\n"),
                                QString("a\r\n<A name=\"P1\">ok</A>\r\n<A name=\"P2\">open\r\n")})
        EXPECT_EQ(makeAnchorLinks(text), std::nullopt) << text.toStdString();
}

} // namespace
