#include "editor/Regions.h"
#include "platform/RichEdit.h"
#include "support/AppFixture.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(RegionMarkers, OnlyMarkersOfStoredRegionsAreExpanded)
{
    std::array<QString, 101> regions{};
    regions[1] = QStringLiteral("ONE");
    regions[2] = QStringLiteral("[<!--Reg001-->]"); // folded around another region
    regions[100] = QStringLiteral("HUNDRED");
    regions[7] = QStringLiteral("loop <!--Reg007-->"); // would expand into itself
    struct Case {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"a<!--Reg001-->b<!--Reg001-->", "aONEbONE"},
        {"<!--Reg002-->", "[ONE]"},
        {"<!--Reg100-->", "HUNDRED"},
        {"<!--Reg003-->", "<!--Reg003-->"},           // no stored region
        {"<!--Regular comment-->", "<!--Regular comment-->"}, // a comment of the user's own
        {"<!--Reg1-->x", "<!--Reg1-->x"},
        {"<!--Reg007-->", "loop <!--Reg007-->"},
        {"no markers", "no markers"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(expandRegions(QString::fromUtf8(c.text), regions), QString::fromUtf8(c.expanded)) << c.text;
}

TEST(HeadTag, HeaderElementIsNotTheHead)
{
    EXPECT_TRUE(hasHeadTag(QStringLiteral("<HTML><HEAD>")));
    EXPECT_TRUE(hasHeadTag(QStringLiteral("<HEAD PROFILE=X>")));
    EXPECT_FALSE(hasHeadTag(QStringLiteral("<BODY><HEADER>TOP</HEADER>")));
    EXPECT_FALSE(hasHeadTag(QStringLiteral("<HEAD")));
}

class RegionsTest : public AppFixture {
protected:
    RichEdit* ed() { return w().ws.currentEditor(); }
};

TEST_F(RegionsTest, FoldingALineKeepsItsLineBreakAndExpandingRestoresTheText)
{
    start();
    const QString text = QStringLiteral("first\r\nsecond line\r\nthird");
    ed()->setText(text);
    ed()->select(7, 13); // "second line\r\n"
    w().regions.foldSelection();
    EXPECT_EQ(ed()->text(), QStringLiteral("first\r\n<!--Reg001-->\r\nthird"));
    EXPECT_EQ(w().ws.doc(0).regions[1], QStringLiteral("second line"));
    EXPECT_EQ(ed()->selectionStart(), 0);
    EXPECT_EQ(w().regions.expandedText(0), text);
}

TEST_F(RegionsTest, NumbersAreNotReusedAfterUnfolding)
{
    start();
    ed()->setText(QStringLiteral("abcdef"));
    ed()->select(0, 2);
    w().regions.foldSelection();
    w().regions.unfoldAll(0);
    EXPECT_EQ(ed()->text(), QStringLiteral("abcdef"));
    ed()->select(2, 2);
    w().regions.foldSelection();
    EXPECT_EQ(ed()->text(), QStringLiteral("ab<!--Reg002-->ef"));

    // Unfolding a selected marker replaces only the marker.
    ed()->select(2, 15);
    w().regions.unfoldSelection();
    EXPECT_EQ(ed()->text(), QStringLiteral("abcdef"));
}

TEST_F(RegionsTest, ANumberWhoseMarkerIsAlreadyTextIsNotUsed)
{
    start();
    // The page talks about markers: its literal "<!--Reg001-->" must survive a save.
    const QString text = QStringLiteral("<P>&lt;!--Reg000--&gt; and <!--Reg001--> in the text</P>\r\nfold me");
    ed()->setText(text);
    ed()->select(static_cast<int>(text.indexOf(QStringLiteral("fold"))), 7);
    w().regions.foldSelection();
    EXPECT_TRUE(ed()->text().endsWith(QStringLiteral("<!--Reg002-->")));
    EXPECT_TRUE(w().ws.doc(0).regions[1].isEmpty());
    EXPECT_EQ(w().regions.expandedText(0), text);
}

TEST_F(RegionsTest, ShowSelectedOnlyFoldsWhatIsAroundTheSelection)
{
    start();
    const QString text = QStringLiteral("<HTML><BODY>\r\nintro KEEP outro\r\n</BODY></HTML>");
    ed()->setText(text);
    ed()->select(static_cast<int>(text.indexOf(QStringLiteral("KEEP"))), 4);
    w().regions.foldAllButSelection();
    EXPECT_EQ(ed()->text(), QStringLiteral("<!--Reg001-->KEEP<!--Reg002-->\r\n"));
    EXPECT_EQ(w().ws.doc(0).header, QStringLiteral("<HTML><BODY>\r\n"));
    EXPECT_EQ(w().regions.expandedText(0), text);
}

TEST_F(RegionsTest, HidingHeaderAndFooter)
{
    start();
    const QString page = QStringLiteral("<HTML>\r\n<HEAD><TITLE>t</TITLE></HEAD>\r\n<body bgcolor=\"white\">\r\n<header>top</header>\r\n</BODY>\r\n</HTML>");
    ed()->setText(page);
    w().regions.hideHeaderAndFooter();
    EXPECT_EQ(ed()->text(), QStringLiteral("<header>top</header>\r\n"));
    EXPECT_TRUE(w().ws.doc(0).header.endsWith(QStringLiteral("<body bgcolor=\"white\">\r\n")));
    EXPECT_EQ(w().ws.doc(0).footer, QStringLiteral("</BODY>\r\n</HTML>"));

    // A second hide does nothing; a <header> element in the body is not taken for the head.
    w().regions.hideHeaderAndFooter();
    w().regions.showHeaderAndFooter(0);
    EXPECT_EQ(ed()->text(), page);
    EXPECT_TRUE(w().ws.doc(0).header.isEmpty());

    // A head typed into the body drops the stored header instead of doubling it.
    w().regions.hideHeaderAndFooter();
    ed()->setText(QStringLiteral("<HEAD></HEAD>") + ed()->text());
    w().regions.showHeaderAndFooter(0);
    EXPECT_EQ(ed()->text(), QStringLiteral("<HEAD></HEAD><header>top</header>\r\n</BODY>\r\n</HTML>"));
}

TEST_F(RegionsTest, HidingNeedsBothBodyTagsInOrder)
{
    start();
    for (const QString& text : {QStringLiteral("<BODY>\r\nno end"), QStringLiteral("</BODY><BODY\r\r\n")}) {
        ed()->setText(text);
        w().regions.hideHeaderAndFooter();
        EXPECT_EQ(ed()->text(), text);
        EXPECT_TRUE(w().ws.doc(0).header.isEmpty());
    }
}

TEST_F(RegionsTest, TheTemporaryPageAndTheSavedTextAreWhole)
{
    start();
    const QString page = QStringLiteral("<HTML><BODY>\r\n<P>one</P>\r\n<P>two</P>\r\n</BODY></HTML>");
    ed()->setText(page);
    w().regions.hideHeaderAndFooter();
    ed()->select(0, 12); // "<P>one</P>\r\n"
    w().regions.foldSelection();
    ASSERT_EQ(ed()->text(), QStringLiteral("<!--Reg001-->\r\n<P>two</P>\r\n"));
    w().ws.writeCurrentTempPage();
    // The page has the header and footer back; the region stays folded there.
    EXPECT_EQ(QString::fromLatin1(readFile(path(QStringLiteral("$$$000.html")))),
              QStringLiteral("<HTML><BODY>\r\n<!--Reg001-->\r\n<P>two</P>\r\n</BODY></HTML>\r\n"));
    EXPECT_EQ(w().regions.expandedText(0), page);
}
