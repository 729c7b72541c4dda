#include "BrowsingFixture.h"
#include "preview/PreviewControls.h"

#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "preview/Favourites.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

class LiveBrowserTest : public BrowsingFixture {
protected:
    void SetUp() override
    {
        BrowsingFixture::SetUp();
        writePage(QStringLiteral("site/one.html"), QStringLiteral("一"), QStringLiteral("<P>one</P><A HREF=\"two.html\">2</A>"));
        writePage(QStringLiteral("site/two.html"), QStringLiteral("二"), QStringLiteral("<P>two</P>"));
        writeFavourites("site/one.html\r\nsite/two.html\r\n");
    }

    QStringList urlEntries()
    {
        QStringList entries;
        for (int i = 0; i < urlBox()->count(); ++i)
            entries << urlBox()->itemText(i);
        return entries;
    }

    void pressEnterInUrlBox(const QString& text)
    {
        urlBox()->setEditText(text);
        QTest::keyClick(urlBox()->lineEdit(), Qt::Key_Return);
    }

    void pressToolbar(const QString& key)
    {
        QAction* a = w().live.browserToolbar()->findChild<QAction*>(key);
        ASSERT_NE(a, nullptr) << key.toStdString();
        a->trigger();
    }

    // The current document in browser mode, showing the first favourite.
    WebBrowser* openBrowserMode()
    {
        w().commands.invoke(browser_menu::SwitchToBrowser);
        WebBrowser* b = browser(w().ws.currentIndex());
        EXPECT_TRUE(waitForPage(b, fileUrl(QStringLiteral("site/one.html"))));
        return b;
    }

    // Selects the source tab and waits until the live page's source has arrived.
    void showSourceOf(int n, const QString& marker)
    {
        w().ws.selectSourceTab(n);
        EXPECT_TRUE(waitUntil([&] { return w().ws.sourceEditor(n)->text().contains(marker); })) << w().ws.sourceEditor(n)->text().toStdString();
    }
};

TEST_F(LiveBrowserTest, BrowserModeShowsTheStartPageUnderTheBar)
{
    MainWindow& win = start();
    WebBrowser* b = openBrowserMode();
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(win.ws.doc(0).browserMode);
    EXPECT_EQ(win.ws.tabStrip().currentIndex(), 2);
    EXPECT_EQ(urlEntries(), (QStringList{QStringLiteral("site/one.html"), QStringLiteral("site/two.html")}));
    // When the page is complete the box names it.
    EXPECT_EQ(QUrl(urlBox()->currentText()), fileUrl(QStringLiteral("site/one.html")));
    EXPECT_EQ(b->locationName(), QStringLiteral("一"));

    QWidget* bar = win.live.bar();
    QWidget* area = win.ws.tabStrip().displayArea();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(b->isVisible());
    EXPECT_FALSE(win.ws.sourceEditor(0)->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(bar), twips::Top(bar), twips::Height(bar)}), (std::vector<int>{0, 0, 480}));
    EXPECT_EQ(bar->width(), area->width());
    EXPECT_EQ((std::vector<int>{twips::Left(b), twips::Top(b), twips::Height(b)}),
              (std::vector<int>{0, 480, twips::fromPixels(area->height()) - 530}));
    EXPECT_EQ(b->width(), area->width());

    // The bar and the live page follow the window's size.
    win.resize(win.width() + 80, win.height() + 60);
    QApplication::processEvents();
    EXPECT_EQ(bar->width(), area->width());
    EXPECT_EQ(twips::Height(b), twips::fromPixels(area->height()) - 530);

    // Once in browser mode, the menu item leaves the document alone.
    urlBox()->setEditText(QStringLiteral("typed"));
    win.commands.invoke(browser_menu::SwitchToBrowser);
    EXPECT_EQ(urlBox()->currentText(), QStringLiteral("typed"));
    EXPECT_FALSE(b->isLoading());

    // A preview tab of another document hides the bar, this one's shows it again.
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.selectPreviewTab(1);
    EXPECT_FALSE(bar->isVisible());
    win.ws.selectPreviewTab(0);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(b->isVisible());
}

TEST_F(LiveBrowserTest, TheUrlBoxAndTheToolbarNavigateWithoutAddingEntries)
{
    MainWindow& win = start();
    WebBrowser* b = openBrowserMode();
    ASSERT_NE(b, nullptr);
    const QUrl one = fileUrl(QStringLiteral("site/one.html"));
    const QUrl two = fileUrl(QStringLiteral("site/two.html"));

    // Enter on the text of an entry and on a text of its own: the list stays as it was.
    pressEnterInUrlBox(QStringLiteral("site/two.html"));
    ASSERT_TRUE(waitForPage(b, two));
    pressEnterInUrlBox(one.toString());
    ASSERT_TRUE(waitForPage(b, one));
    EXPECT_EQ(urlEntries(), (QStringList{QStringLiteral("site/one.html"), QStringLiteral("site/two.html")}));

    // Choosing an entry of the list.
    urlBox()->setCurrentIndex(1);
    Q_EMIT urlBox()->activated(1);
    ASSERT_TRUE(waitForPage(b, two));
    EXPECT_EQ(QUrl(urlBox()->currentText()), two);

    pressToolbar(QStringLiteral("戻る"));
    ASSERT_TRUE(waitForPage(b, one));
    EXPECT_EQ(QUrl(urlBox()->currentText()), one);
    pressToolbar(QStringLiteral("進む"));
    ASSERT_TRUE(waitForPage(b, two));
    // Nothing to do for the first two; going forward at the end of the history changes nothing,
    // so the reload after them is the only load, and of the same page.
    QSignalSpy complete(b, &WebBrowser::loadFinished);
    pressToolbar(QStringLiteral("読み込み"));
    pressToolbar(QStringLiteral("進む"));
    pressToolbar(QStringLiteral("更新"));
    ASSERT_TRUE(complete.wait(BrowserTimeout));
    EXPECT_EQ(complete.count(), 1);
    EXPECT_EQ(complete.last().at(0).toUrl(), two);
    EXPECT_TRUE(complete.last().at(1).toBool());
    EXPECT_EQ(QUrl(b->url()), two);
    EXPECT_EQ(urlEntries().size(), 2);

    const QStringList tips = {QStringLiteral("前のURLへ"), QStringLiteral("次のＵＲＬへ"), QStringLiteral("ブラウザーの更新"),
                              QStringLiteral("お気に入りに登録"), QStringLiteral("ＨＴＭＬを読み込む"),
                              QStringLiteral("ブラウザーモードを終了します。")};
    QStringList shown;
    for (QAction* a : win.live.browserToolbar()->actions())
        shown << a->toolTip();
    EXPECT_EQ(shown, tips);
}

// Typed as a user types, the keys going to the widget that has the focus: Enter and keypad Enter
// take the browser to the typed address, and the list of the box stays as it was.
TEST_F(LiveBrowserTest, EnterTypedInTheUrlBoxGoesToTheAddress)
{
    MainWindow& win = start();
    WebBrowser* b = openBrowserMode();
    ASSERT_NE(b, nullptr);
    writePage(QStringLiteral("site/three.html"), QStringLiteral("三"));
    const QStringList entries = urlEntries();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    const struct {
        const char* page;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } presses[] = {
        {"site/two.html", Qt::Key_Return, Qt::NoModifier},
        {"site/three.html", Qt::Key_Enter, Qt::KeypadModifier},
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(press.page);
        const QUrl url = fileUrl(QString::fromUtf8(press.page));
        urlBox()->setFocus();
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        urlBox()->lineEdit()->selectAll();
        QTest::keyClick(focused, Qt::Key_Backspace);
        QTest::keyClicks(focused, url.toString());
        ASSERT_EQ(urlBox()->currentText(), url.toString());
        QSignalSpy complete(b, &WebBrowser::loadFinished);
        QTest::keyClick(focused, press.key, press.modifiers);
        EXPECT_TRUE(waitUntil([&] { return !complete.isEmpty() && !b->isLoading() && QUrl(b->url()) == url; }))
            << b->url().toStdString();
        EXPECT_EQ(QUrl(urlBox()->currentText()), url);
        EXPECT_EQ(urlEntries(), entries);
    }
}

TEST_F(LiveBrowserTest, TheSourceTabHoldsTheLivePagesSource)
{
    MainWindow& win = start();
    WebBrowser* b = openBrowserMode();
    ASSERT_NE(b, nullptr);
    pressEnterInUrlBox(QStringLiteral("site/two.html"));
    ASSERT_TRUE(waitForPage(b, fileUrl(QStringLiteral("site/two.html"))));

    showSourceOf(0, QStringLiteral("<p>two</p>"));
    const QString text = win.ws.sourceEditor(0)->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("<html>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<title>二</title>")));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\\r]\\n")))) << "the editor's lines end in CR LF";
    EXPECT_TRUE(win.ws.sourceEditor(0)->isVisible());
    EXPECT_FALSE(b->isVisible());
    EXPECT_FALSE(win.live.bar()->isVisible());
    EXPECT_EQ(win.ws.statusText(), win.ws.doc(0).folder + QStringLiteral("/$$$000.html"));
    EXPECT_EQ(win.ws.sourceCaption(0), QStringLiteral("$$$000.html"));
    EXPECT_EQ(win.ws.tabStrip().tabImage(1), 12);

    // "終了" ends browser mode: the preview is the document's own again.
    win.ws.selectPreviewTab(0);
    pressToolbar(QStringLiteral("終了"));
    EXPECT_FALSE(win.ws.doc(0).browserMode);
    EXPECT_FALSE(win.live.bar()->isVisible());
    EXPECT_EQ(win.ws.tabStrip().currentIndex(), 1);
    EXPECT_EQ(b->geometry(), win.ws.tabStrip().displayArea()->rect());
}

TEST_F(LiveBrowserTest, PullingASourceOverTheUsersTextCanBeUndone)
{
    MainWindow& win = start();
    const QString mine = QStringLiteral("<P>私のページ</P>\r\n");
    win.ws.sourceEditor(0)->setText(mine);
    ASSERT_NE(openBrowserMode(), nullptr);
    showSourceOf(0, QStringLiteral("<p>one</p>"));
    win.undo.stepBack();
    EXPECT_EQ(win.ws.sourceEditor(0)->text(), mine);
}

TEST_F(LiveBrowserTest, ASourceThatArrivesTooLateIsDropped)
{
    MainWindow& win = start();
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.setCurrentIndex(0);
    WebBrowser* b = openBrowserMode();
    ASSERT_NE(b, nullptr);
    RichEdit* ed = win.ws.sourceEditor(0);

    struct Case {
        const char* name;
        std::function<void()> change; // made while the source is on its way
    } cases[] = {
        {"browser mode ended", [&] { win.ws.doc(0).browserMode = false; }},
        {"another document became current", [&] { win.ws.setCurrentIndex(1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        win.ws.setCurrentIndex(0);
        win.ws.doc(0).browserMode = true;
        ed->setText(QStringLiteral("kept"));
        bool applied = false;
        win.live.loadBrowserSource([&] { applied = true; });
        c.change();
        // The page answers in order: once this answer is in, the first one has been handled.
        EXPECT_TRUE(pageSource(b).contains(QStringLiteral("one")));
        EXPECT_FALSE(applied);
        EXPECT_EQ(ed->text(), QStringLiteral("kept"));
    }
}

TEST_F(LiveBrowserTest, ReleasingAllBrowsersNamesTheTabsAgain)
{
    MainWindow& win = start();
    ASSERT_TRUE(win.ws.addDocument());
    ASSERT_TRUE(win.ws.addDocument());
    TabStrip& strip = win.ws.tabStrip();
    for (int n : {0, 2}) {
        win.ws.doc(n).browserMode = true;
        strip.setTabText(Workspace::previewTab(n), QStringLiteral("abcde"));
        win.ws.setSourceCaption(n, QString());
    }
    win.ws.setSourceCaption(1, QStringLiteral("page.htm"));
    win.ws.selectPreviewTab(2);
    EXPECT_TRUE(win.live.bar()->isVisible());

    win.commands.invoke(browser_menu::ReleaseAllBrowsers);
    EXPECT_FALSE(win.live.bar()->isVisible());
    QStringList captions;
    for (int p = 1; p <= strip.count(); ++p)
        captions << strip.tabText(p);
    EXPECT_EQ(captions, (QStringList{QStringLiteral("$$$000.html"), QString(), QStringLiteral("page.htm"), QString(),
                                     QStringLiteral("$$$002.html"), QString()}));
    for (int n = 0; n < 3; ++n)
        EXPECT_FALSE(win.ws.doc(n).browserMode) << n;
    EXPECT_EQ(browser(2)->geometry(), strip.displayArea()->rect());
}

TEST_F(LiveBrowserTest, WithoutFavouritesTheBoxStartsEmpty)
{
    struct Case {
        const char* name;
        std::optional<QByteArray> file;
        bool message;
    } cases[] = {
        {"an empty file", QByteArray(), false},
        {"no file", std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(favouritesFile());
        if (c.file)
            writeFavourites(*c.file);
        if (c.message)
            dialogs.expectMsg(FavouritesFileMissing);
        MainWindow& win = start();
        win.commands.invoke(browser_menu::SwitchToBrowser);
        EXPECT_EQ(dialogs.pending(), 0);
        EXPECT_TRUE(win.ws.doc(0).browserMode);
        EXPECT_EQ(urlBox()->count(), 0);
        EXPECT_TRUE(waitForPage(browser(0), QUrl(QStringLiteral("about:blank"))));
        EXPECT_EQ(urlBox()->currentText(), QStringLiteral("about:blank"));
        stop();
    }
}

TEST_F(LiveBrowserTest, RegisteringAppendsTheAddressToTheFavourites)
{
    struct Case {
        const char* name;
        std::optional<QByteArray> before;
        QByteArray after;
    } cases[] = {
        {"at the end", QByteArray("a\r\nb\r\n"), QByteArray("a\r\nb\r\nhttp://www.example.com/new\r\n")},
        {"a last line without its line end stays whole", QByteArray("a"), QByteArray("a\r\nhttp://www.example.com/new\r\n")},
        {"an empty entry stays", QByteArray("a\r\n\r\n"), QByteArray("a\r\n\r\nhttp://www.example.com/new\r\n")},
        {"a missing file is made", std::nullopt, QByteArray("http://www.example.com/new\r\n")},
    };
    MainWindow& win = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(favouritesFile());
        if (c.before)
            writeFavourites(*c.before);
        urlBox()->setEditText(QStringLiteral("http://www.example.com/new"));
        win.live.pressToolbarButton(QStringLiteral("登録"));
        EXPECT_EQ(readFile(favouritesFile()), c.after);
    }

    // A folder in the way of the file: the user is told, nothing is lost.
    QFile::remove(favouritesFile());
    QDir().mkpath(favouritesFile());
    dialogs.expectMsg(QStringLiteral("お気に入りのファイルが書き込めませんでした。"));
    win.live.pressToolbarButton(QStringLiteral("登録"));
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_TRUE(QFileInfo(favouritesFile()).isDir());
}

TEST_F(LiveBrowserTest, ALivePageWritesNoStylesheetAndStartsNoPreviewTimer)
{
    MainWindow& win = start();
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.doc(1).fileName = QStringLiteral("look.css");
    win.ws.sourceEditor(1)->setText(QStringLiteral("P { color: red; }"));
    const QString sheet = win.ws.doc(0).folder + QStringLiteral("/look.css");
    for (int n : {0, 1}) {
        SCOPED_TRACE(n);
        win.ws.sourceEditor(0)->setText(QStringLiteral("<LINK rel=\"stylesheet\" href=\"look.css\"><P>x</P>"));
        win.ws.setCurrentIndex(n);
        win.ws.doc(n).browserMode = true;
        win.ws.selectPreviewTab(n);
        EXPECT_FALSE(win.preview.previewDelay.isActive());
        EXPECT_FALSE(QFile::exists(sheet));
        EXPECT_TRUE(win.live.bar()->isVisible());
        EXPECT_TRUE(browser(n)->isVisible());
    }
}
