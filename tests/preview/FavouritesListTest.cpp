#include "BrowsingFixture.h"
#include "preview/PreviewControls.h"

#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "preview/Favourites.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

class FavouritesListTest : public BrowsingFixture {
protected:
    QListWidget* favourites() { return w().controls.get<QListWidget>(favourites_panel::List); }
    QWidget* panel() { return w().controls.get<QWidget>(favourites_panel::Panel); }

    QStringList listed()
    {
        QStringList entries;
        for (int i = 0; i < favourites()->count(); ++i)
            entries << favourites()->item(i)->text();
        return entries;
    }

    void press(ExecuteButton button) { w().dispatcher.press(button); }

    void loadAll()
    {
        w().commands.invoke(browser_menu::LoadAllBrowsers);
        EXPECT_TRUE(waitUntil([this] { return !w().favourites.loading(); }));
    }
};

TEST_F(FavouritesListTest, ThePanelShowsTheFileAndItsButtonsEditTheList)
{
    writeFavourites("a\r\nb\r\nc\r\n");
    MainWindow& win = start();
    win.commands.invoke(browser_menu::OrganiseFavourites);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(panel()), twips::Top(panel()), twips::Width(panel()), twips::Height(panel())}),
              (std::vector<int>{1500, 1500, 5340, 4740}));
    EXPECT_EQ(win.controls.get<QPlainTextEdit>(favourites_panel::Explanation)->toPlainText(),
              QStringLiteral("ブラウザーで表示されるお気に入りの整理をします。マウスでＵＲＬを選択して、\n"
                             "削除 ---選択したURLを削除します。\n"
                             "戻す ---一旦削除したＵＲＬを戻します.\n"
                             "先頭に--る--選択したＵＲＬを先頭にします。先頭のＵＲＬはブラウザーを開い時に、表示されます。\n"
                             "保存---変更を保存します。"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));

    // Nothing to restore yet, nothing chosen to delete or move.
    press(ExecuteButton::RestoreRemovedFavourite);
    favourites()->setCurrentRow(-1);
    press(ExecuteButton::RemoveFavourite);
    press(ExecuteButton::MoveFavouriteToTop);
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));

    const struct {
        int select; // -1: leave the choice as it is
        ExecuteButton button;
        QStringList after;
    } steps[] = {
        {1, ExecuteButton::RemoveFavourite, {QStringLiteral("a"), QStringLiteral("c")}},
        {-1, ExecuteButton::RestoreRemovedFavourite, {QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")}},
        {-1, ExecuteButton::RestoreRemovedFavourite, {QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("b")}},
        {1, ExecuteButton::MoveFavouriteToTop, {QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b")}},
    };
    for (const auto& s : steps) {
        if (s.select >= 0)
            favourites()->setCurrentRow(s.select);
        press(s.button);
        EXPECT_EQ(listed(), s.after) << "button " << buttonNumber(s.button);
    }
    EXPECT_EQ(win.favourites.deletedFavourite, QStringLiteral("b"));
    // Unsaved, the file is as it was.
    EXPECT_EQ(readFile(favouritesFile()), QByteArray("a\r\nb\r\nc\r\n"));
    press(ExecuteButton::SaveFavourites);
    EXPECT_EQ(readFile(favouritesFile()), QByteArray("c\r\na\r\nb\r\nb\r\n"));

    for (ExecuteButton close : {ExecuteButton::CloseFavouritesPanel, ExecuteButton::FavouritesPanelCloseBox}) {
        win.commands.invoke(browser_menu::OrganiseFavourites);
        EXPECT_EQ(listed(), (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b")}));
        press(close);
        EXPECT_FALSE(panel()->isVisible()) << buttonNumber(close);
    }
}

TEST_F(FavouritesListTest, SavingThatFailsIsReportedAndKeepsTheList)
{
    writeFavourites("a\r\nb\r\n");
    MainWindow& win = start();
    win.commands.invoke(browser_menu::OrganiseFavourites);
    favourites()->setCurrentRow(0);
    press(ExecuteButton::RemoveFavourite);
    QFile::remove(favouritesFile());
    QDir().mkpath(favouritesFile());
    dialogs.expectMsg(QStringLiteral("お気に入りのファイルが書き込めませんでした。"));
    press(ExecuteButton::SaveFavourites);
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("b")});
    EXPECT_TRUE(panel()->isVisible());
}

TEST_F(FavouritesListTest, WithoutTheFileThePanelOpensEmptyAndSavingMakesIt)
{
    MainWindow& win = start();
    dialogs.expectMsg(FavouritesFileMissing);
    win.commands.invoke(browser_menu::OrganiseFavourites);
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(favourites()->count(), 0);
    favourites()->addItem(QStringLiteral("resource/helphelp.html"));
    press(ExecuteButton::SaveFavourites);
    EXPECT_EQ(readFile(favouritesFile()), QByteArray("resource/helphelp.html\r\n"));
}

TEST_F(FavouritesListTest, LoadingAllOpensOneDocumentPerFavourite)
{
    writePage(QStringLiteral("www.abcdefgh.html"), QStringLiteral("w"));
    writePage(QStringLiteral("site/p2.html"), QStringLiteral("p2"));
    // The blank line is an entry too: the empty page.
    writeFavourites("www.abcdefgh.html\r\nsite/p2.html\r\n\r\n");
    MainWindow& win = start();
    // Document 0 is in browser mode already, 1 is empty, 2 holds text.
    ASSERT_TRUE(win.ws.addDocument());
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.sourceEditor(2)->setText(QStringLiteral("<P>text</P>"));
    win.ws.doc(0).browserMode = true;

    loadAll();
    ASSERT_EQ(win.ws.documentCount(), 5);
    const QUrl expected[] = {QUrl(), fileUrl(QStringLiteral("www.abcdefgh.html")), QUrl(),
                             fileUrl(QStringLiteral("site/p2.html")), QUrl(QStringLiteral("about:blank"))};
    for (int n : {1, 3, 4}) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(win.ws.doc(n).browserMode);
        EXPECT_TRUE(waitForPage(browser(n), expected[n]));
        EXPECT_EQ(win.ws.sourceCaption(n), QString());
    }
    EXPECT_FALSE(win.ws.doc(2).browserMode);
    EXPECT_EQ(win.ws.sourceEditor(2)->text(), QStringLiteral("<P>text</P>"));
    TabStrip& strip = win.ws.tabStrip();
    EXPECT_EQ(strip.tabText(Workspace::previewTab(1)), QStringLiteral("abcde"));
    EXPECT_EQ(strip.tabText(Workspace::previewTab(3)), QString());
    EXPECT_EQ(strip.tabText(Workspace::previewTab(4)), QString());
    EXPECT_EQ(win.ws.sourceCaption(2), QStringLiteral("$$$002.html"));

    // The last page loaded is shown, under the bar; the pointer is back.
    EXPECT_EQ(strip.currentIndex(), Workspace::previewTab(4));
    EXPECT_TRUE(win.live.bar()->isVisible());
    EXPECT_TRUE(browser(4)->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(win.live.urlBox()->count(), 3);
    EXPECT_FALSE(win.live.browserLoading);
}

TEST_F(FavouritesListTest, APageThatTakesTooLongDoesNotHoldUpTheOthers)
{
    writePage(QStringLiteral("p1.html"), QStringLiteral("p1"));
    writePage(QStringLiteral("p2.html"), QStringLiteral("p2"));
    writeFavourites("p1.html\r\np2.html\r\n");
    MainWindow& win = start();
    // No page can finish loading before the wait is over.
    win.favourites.pageWait.setInterval(0);
    loadAll();
    ASSERT_EQ(win.ws.documentCount(), 2);
    EXPECT_TRUE(waitForPage(browser(0), fileUrl(QStringLiteral("p1.html"))));
    EXPECT_TRUE(waitForPage(browser(1), fileUrl(QStringLiteral("p2.html"))));
    EXPECT_TRUE(win.ws.doc(0).browserMode);
    EXPECT_TRUE(win.ws.doc(1).browserMode);
}

TEST_F(FavouritesListTest, LoadingStopsAtTheMostDocumentsTheWindowHolds)
{
    writePage(QStringLiteral("p1.html"), QStringLiteral("p1"));
    writeFavourites("p1.html\r\np1.html\r\np1.html\r\n");
    MainWindow& win = start();
    win.ws.sourceEditor(0)->setText(QStringLiteral("x"));
    while (win.ws.documentCount() < MaxDocuments - 1) {
        ASSERT_TRUE(win.ws.addDocument());
        win.ws.current().sourceEditor->setText(QStringLiteral("x"));
    }
    dialogs.expectMsg(QStringLiteral("これ以上タブを開けません。"));
    loadAll();
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_EQ(win.ws.documentCount(), MaxDocuments);
    EXPECT_TRUE(win.ws.doc(MaxDocuments - 1).browserMode);
    EXPECT_EQ(win.ws.tabStrip().currentIndex(), Workspace::previewTab(MaxDocuments - 1));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FavouritesListTest, WithoutTheFileLoadingAllChangesNothing)
{
    MainWindow& win = start();
    dialogs.expectMsg(FavouritesFileMissing);
    win.commands.invoke(browser_menu::LoadAllBrowsers);
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_FALSE(win.favourites.loading());
    EXPECT_EQ(win.ws.documentCount(), 1);
    EXPECT_FALSE(win.ws.doc(0).browserMode);
    EXPECT_FALSE(win.live.bar()->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
