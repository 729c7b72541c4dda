#include "BrowsingFixture.h"

#include "platform/StateValue.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "preview/HelpMenu.h"
#include "preview/PreviewControls.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

class HelpPaneTest : public BrowsingFixture {
protected:
    void SetUp() override
    {
        BrowsingFixture::SetUp();
        for (const HelpPageEntry& entry : helpPages())
            writePage(QStringLiteral("resource/") + entry.file, entry.caption, QStringLiteral("<P>help</P>"));
    }

    QWidget* pane() { return w().controls.get<QWidget>(help_pane::Panel); }
    WebBrowser* paneBrowser() { return w().controls.get<WebBrowser>(help_pane::Browser); }
    QUrl pageUrl(const QString& file) { return fileUrl(QStringLiteral("resource/") + file); }
    static std::vector<int> twipsOf(const QWidget* c) { return {twips::Left(c), twips::Top(c), twips::Width(c), twips::Height(c)}; }
    std::vector<int> twipsOf(ControlRef control) { return twipsOf(w().controls.get<QWidget>(control)); }

    // The pane lies over the tab strip's display area, its parts as the layout places them.
    void expectLaidOut()
    {
        QWidget* area = w().ws.tabStrip().displayArea();
        EXPECT_EQ(pane()->geometry(), QRect(area->mapTo(pane()->parentWidget(), QPoint(0, 0)), area->size()));
        const int width = twips::Width(pane());
        const int height = twips::Height(pane());
        EXPECT_EQ(twipsOf(help_pane::Title), (std::vector<int>{50, 200, width - 100, 285}));
        EXPECT_EQ(twipsOf(executeButton(ExecuteButton::HelpPaneCloseBox)), (std::vector<int>{50 + width - 100 - 330, 200, 330, 285}));
        EXPECT_EQ(twipsOf(executeButton(ExecuteButton::ShowHelpContents)), (std::vector<int>{50, 200, 1185, 285}));
        EXPECT_EQ(twipsOf(help_pane::Explanation), (std::vector<int>{50, 505, width - 100, std::abs(height - 585)}));
    }
};

TEST_F(HelpPaneTest, EachHelpItemShowsItsPageInThePane)
{
    MainWindow& win = start();
    std::vector<std::pair<int, QString>> items = {{0, HelpIndexPage}};
    for (const HelpPageEntry& entry : helpPages())
        items.emplace_back(entry.menuIndex, entry.file);
    for (const auto& [index, file] : items) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_EQ(win.commands.action(help_menu::Menu, index)->text(),
                  index == 0 ? QStringLiteral("ヘルプ") : helpPages()[static_cast<size_t>(index / 2 - 2)].caption);
        win.commands.invoke(help_menu::Menu, index);
        EXPECT_TRUE(pane()->isVisible());
        EXPECT_TRUE(waitForPage(paneBrowser(), pageUrl(file)));
        expectLaidOut();
        EXPECT_EQ(paneBrowser()->geometry(), win.controls.get<QWidget>(help_pane::Explanation)->geometry());
    }
    EXPECT_TRUE(win.helpPane.helpWindows().isEmpty());

    // "目次に戻る" goes back to the contents, "×" closes the pane.
    win.dispatcher.press(ExecuteButton::ShowHelpContents);
    EXPECT_TRUE(waitForPage(paneBrowser(), pageUrl(QStringLiteral("helphelp.html"))));
    win.dispatcher.press(ExecuteButton::HelpPaneCloseBox);
    EXPECT_FALSE(pane()->isVisible());
}

TEST_F(HelpPaneTest, LayingOutLeavesThePaneAsItIs)
{
    MainWindow& win = start();
    win.helpPane.layOutPane();
    EXPECT_FALSE(pane()->isVisible());
    expectLaidOut();
    // The window's layout does the same on every resize, shown or not.
    win.resize(win.width() + 100, win.height() + 50);
    QApplication::processEvents();
    EXPECT_FALSE(pane()->isVisible());
    expectLaidOut();

    win.helpPane.showHelpPage(HelpPage::Regions);
    ASSERT_TRUE(waitForPage(paneBrowser(), pageUrl(QStringLiteral("region.html"))));
    win.resize(win.width() - 120, win.height() - 40);
    QApplication::processEvents();
    EXPECT_TRUE(pane()->isVisible());
    expectLaidOut();
    EXPECT_EQ(paneBrowser()->geometry(), win.controls.get<QWidget>(help_pane::Explanation)->geometry());
    win.helpPane.layOutPane();
    EXPECT_TRUE(pane()->isVisible());
    EXPECT_EQ(QUrl(paneBrowser()->url()), pageUrl(QStringLiteral("region.html")));
}

TEST_F(HelpPaneTest, WithTheSwitchOnEachPageOpensAWindowOfItsOwn)
{
    MainWindow& win = start();
    QAction* ie = win.commands.action(help_menu::HelpInBrowserWindow);
    EXPECT_FALSE(ie->isChecked());
    win.commands.invoke(help_menu::HelpInBrowserWindow);
    EXPECT_TRUE(ie->isChecked());
    EXPECT_EQ(win.state.ini.value(QString(), QString(), QStringLiteral("ie"), QString()), QStringLiteral("ON"));

    // Every page, from the menu and from the other callers, in a window of its own.
    std::vector<QString> files = {HelpIndexPage};
    win.commands.invoke(help_menu::ShowHelpIndex);
    for (const HelpPageEntry& entry : helpPages()) {
        win.commands.invoke(help_menu::Menu, entry.menuIndex);
        files.push_back(entry.file);
    }
    win.helpPane.showHelpPage(HelpPage::ColourPicker);
    files.push_back(QStringLiteral("color.html"));
    const QList<QWidget*> windows = win.helpPane.helpWindows();
    ASSERT_EQ(static_cast<size_t>(windows.size()), files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].toStdString());
        QWidget* window = windows[static_cast<int>(i)];
        EXPECT_TRUE(window->isWindow());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->pos(), QPoint(0, 0));
        EXPECT_EQ(window->size(), QSize(800, 600));
        EXPECT_TRUE(waitForPage(window->findChild<WebBrowser*>(), pageUrl(files[i])));
    }
    EXPECT_FALSE(pane()->isVisible());

    // A closed window is gone; the switch is kept across runs.
    windows[0]->close();
    QApplication::processEvents();
    EXPECT_EQ(static_cast<size_t>(win.helpPane.helpWindows().size()), files.size() - 1);
    ASSERT_TRUE(quit());
    MainWindow& again = start();
    EXPECT_TRUE(again.commands.action(help_menu::HelpInBrowserWindow)->isChecked());
    again.commands.invoke(help_menu::HelpInBrowserWindow);
    EXPECT_EQ(again.state.ini.value(QString(), QString(), QStringLiteral("ie"), QString()), QStringLiteral("OFF"));
    again.commands.invoke(help_menu::Menu, 12);
    EXPECT_TRUE(pane()->isVisible());
    EXPECT_TRUE(again.helpPane.helpWindows().isEmpty());
}

TEST(HelpPages, PathsJoinTheProgramFolderOnce)
{
    EXPECT_EQ(helpPagePath(QStringLiteral("/"), QStringLiteral("color.html")), QStringLiteral("/resource/color.html"));
    EXPECT_EQ(helpPagePath(QStringLiteral("/opt/pelmor/"), QStringLiteral("color.html")), QStringLiteral("/opt/pelmor/resource/color.html"));
    EXPECT_EQ(helpPagePath(QStringLiteral("/opt/pelmor"), QStringLiteral("color.html")), QStringLiteral("/opt/pelmor/resource/color.html"));
    EXPECT_EQ(helpPageFile(HelpPage::CssProperties), QStringLiteral("csshelpindex.html"));
}

TEST_F(HelpPaneTest, ClosingThePaneLeavesAnOpenColourPickerInFront)
{
    MainWindow& win = start();
    win.colourPicker.showPicker();
    win.helpPane.showHelpPage(HelpPage::ColourPicker);
    // The pane finds the picker by its class, among the windows of the program.
    QWidget* picker = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("ColourPickerWindow") && w->isVisible())
            picker = w;
    }
    ASSERT_NE(picker, nullptr);
    win.dispatcher.press(ExecuteButton::HelpPaneCloseBox);
    EXPECT_FALSE(pane()->isVisible());
    EXPECT_TRUE(picker->isVisible());
}
