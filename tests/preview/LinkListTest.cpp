#include "BrowsingFixture.h"
#include "preview/PreviewControls.h"
#include "editor/EditorControls.h"

#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString Page = QStringLiteral("<HTML><BODY><A NAME=\"top\">上</A>\r\n"
                                    "<A HREF=\"a.html\">a</A> <a href=\"b.html\" title=\"説明\">b</a>\r\n"
                                    "<A HREF=c.html><IMG SRC=\"pic.gif\"></A>\r\n"
                                    "<A HREF=\"a.html\">a again</A> <A HREF=\"#top\">up</A></BODY></HTML>");
const QStringList PageLinks = {QStringLiteral("a.html"), QStringLiteral("b.html"), QStringLiteral("c.html"),
                               QStringLiteral("a.html"), QStringLiteral("#top")};

} // namespace

class LinkListTest : public BrowsingFixture {
protected:
    QWidget* panel() { return w().controls.get<QWidget>(link_list::Panel); }
    QListWidget* linkList() { return w().controls.get<QListWidget>(link_list::List); }
    QString address() { return w().controls.get<QLabel>(link_list::Address)->text(); }
    QString followed() { return w().controls.get<QLineEdit>(link_list::Followed)->text(); }
    void press(ExecuteButton button) { w().dispatcher.press(button); }

    QStringList listed()
    {
        QStringList links;
        for (int i = 0; i < linkList()->count(); ++i)
            links << linkList()->item(i)->text();
        return links;
    }

    void clickEntry(int row)
    {
        QListWidgetItem* item = linkList()->item(row);
        QTest::mouseClick(linkList()->viewport(), Qt::LeftButton, {}, linkList()->visualItemRect(item).center());
    }

    // Document 0 holds the page with links and shows its preview; returns the page's address.
    QUrl previewPage()
    {
        w().ws.sourceEditor(0)->setText(Page);
        w().ws.selectPreviewTab(0);
        const QUrl page = QUrl::fromLocalFile(w().ws.tempPagePath(0));
        EXPECT_TRUE(waitUntil([&] { return browser(0) && QUrl(urlBox()->currentText()) == page; }));
        return page;
    }
};

TEST_F(LinkListTest, TheListShowsTheTargetsOfThePageInTheUrlBox)
{
    MainWindow& win = start();
    const QUrl page = previewPage();
    win.commands.invoke(browser_menu::ListLinks);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(panel()), twips::Top(panel()), twips::Width(panel()), twips::Height(panel())}),
              (std::vector<int>{3500, 3000, 5550, 5145}));
    EXPECT_EQ(QUrl(address()), page);
    EXPECT_EQ(QUrl(win.ws.linkListUrl), page);
    EXPECT_EQ(listed(), PageLinks);

    // Shown again for the same address, the list is kept as it is.
    linkList()->addItem(QStringLiteral("marker"));
    win.links.showPanel();
    EXPECT_EQ(linkList()->count(), PageLinks.size() + 1);

    for (ExecuteButton close : {ExecuteButton::CloseLinkListPanel, ExecuteButton::LinkListPanelCloseBox}) {
        win.links.showPanel();
        press(close);
        EXPECT_FALSE(panel()->isVisible());
        EXPECT_EQ(linkList()->count(), 0);
        EXPECT_TRUE(win.ws.linkListUrl.isEmpty());
        EXPECT_TRUE(followed().isEmpty());
    }
}

TEST_F(LinkListTest, AClickInThePreviewFollowsTheLinkFromThePagesFolder)
{
    MainWindow& win = start();
    // A folder of its own, away from the program folder.
    const QString folder = temp.path() + QStringLiteral("/docs");
    QDir().mkpath(folder);
    win.ws.doc(0).folder = folder;
    writeFile(folder + QStringLiteral("/a.html"), "<HTML><HEAD><TITLE>A</TITLE></HEAD><BODY><A HREF=\"x.html\">x</A></BODY></HTML>");
    const QUrl page = previewPage();
    win.commands.invoke(browser_menu::ListLinks);
    clickEntry(0);
    const QUrl a = QUrl::fromLocalFile(folder + QStringLiteral("/a.html"));
    ASSERT_TRUE(waitForPage(browser(0), a));
    EXPECT_EQ(QUrl(followed()), a);
    EXPECT_EQ(QUrl(urlBox()->currentText()), a);
    EXPECT_TRUE(win.ws.linkListUrl.isEmpty());
    EXPECT_TRUE(panel()->isVisible());

    // "現在のＵＲＬを先頭に": the links of the page now shown; the list still names the source
    // of the document, which is what it lists outside browser mode.
    press(ExecuteButton::ListLinksOfShownPage);
    EXPECT_EQ(QUrl(address()), a);
    EXPECT_EQ(QUrl(win.ws.linkListUrl), a);
    EXPECT_TRUE(followed().isEmpty());

    // "先頭を表示" goes back to the listed page; clicking the entry already chosen follows it again.
    win.controls.get<QLabel>(link_list::Address)->setText(page.toString());
    press(ExecuteButton::ShowListedPage);
    ASSERT_TRUE(waitForPage(browser(0), page));
    clickEntry(0);
    EXPECT_TRUE(waitForPage(browser(0), a));

    // Listed without an address, the links are followed from the document's own folder.
    win.controls.get<QLabel>(link_list::Address)->setText(QString());
    browser(0)->navigate(page.toString());
    ASSERT_TRUE(waitForPage(browser(0), page));
    clickEntry(0);
    EXPECT_TRUE(waitForPage(browser(0), a));
}

TEST_F(LinkListTest, AClickInTheSourceMarksWhereTheLinkStands)
{
    MainWindow& win = start();
    win.ws.sourceEditor(0)->setText(Page);
    win.commands.invoke(browser_menu::ListLinks);
    ASSERT_EQ(listed(), PageLinks);
    win.ws.selectSourceTab(0);
    clickEntry(1);
    EXPECT_EQ(win.controls.get<QLineEdit>(search_panel::Word)->text(), QStringLiteral("b.html"));
    EXPECT_TRUE(win.controls.get<QRadioButton>(search_panel::EveryOccurrence)->isChecked());
    // The search ran: the last occurrence is selected.
    EXPECT_EQ(win.ws.sourceEditor(0)->selectedText(), QStringLiteral("b.html"));
    EXPECT_EQ(win.ws.doc(0).browser, nullptr) << "nothing is shown in a browser";
}

TEST_F(LinkListTest, InBrowserModeTheLivePagesLinksAreListed)
{
    writePage(QStringLiteral("site/live.html"), QStringLiteral("live"),
              QStringLiteral("<A HREF=\"one.html\">1</A><A HREF=\"two.html\">2</A>"));
    writeFavourites("site/live.html\r\n");
    MainWindow& win = start();
    win.commands.invoke(browser_menu::SwitchToBrowser);
    const QUrl live = fileUrl(QStringLiteral("site/live.html"));
    ASSERT_TRUE(waitForPage(browser(0), live));
    ASSERT_TRUE(waitUntil([&] { return QUrl(urlBox()->currentText()) == live; }));
    // The editor is empty: the page's source is taken in first.
    win.commands.invoke(browser_menu::ListLinks);
    ASSERT_TRUE(waitUntil([&] { return panel()->isVisible(); }));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("one.html"), QStringLiteral("two.html")}));
    EXPECT_TRUE(win.ws.sourceEditor(0)->text().contains(QStringLiteral("two.html")));
    EXPECT_EQ(QUrl(address()), live);

    clickEntry(1);
    const QUrl two = fileUrl(QStringLiteral("site/two.html"));
    EXPECT_TRUE(waitUntil([&] { return QUrl(browser(0)->url()) == two; }));
}

TEST_F(LinkListTest, TheTabSwitchListsThePageOfTheDocumentShown)
{
    MainWindow& win = start();
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.sourceEditor(1)->setText(QStringLiteral("<A HREF=\"other.html\">o</A>"));
    const QUrl page = previewPage();
    win.commands.invoke(browser_menu::ListLinks);
    ASSERT_EQ(listed(), PageLinks);

    // The favourites list is empty, so the source tab of document 1 empties the URL box: another
    // address than the list's, and the list follows the document now current.
    win.ws.selectSourceTab(1);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(listed(), QStringList{QStringLiteral("other.html")});
    EXPECT_EQ(address(), QString());
    EXPECT_EQ(win.ws.linkListUrl, QString());
    Q_UNUSED(page);
}
