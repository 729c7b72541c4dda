#include "editor/EditorControls.h"
#include "preview/PreviewControls.h"
#include "autocreate/AutoCreateControls.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "support/AppFixture.h"
#include "shell/ShellMenus.h"
#include "wizards/EasyPanelControls.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

class StartupTest : public AppFixture {
protected:
    QStringList menuCaptions(QMenu* menu)
    {
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return captions;
    }
};

TEST_F(StartupTest, FirstStartUsesTheDefaultsAndQuittingWritesTheSettings)
{
    MainWindow& win = start();
    // No placement stored: at least the designed 12000 x 9000 twips, centred on the screen.
    EXPECT_GE(twips::WindowWidth(&win), 12000);
    EXPECT_GE(twips::WindowHeight(&win), 9000);
    const std::vector<int> placement{twips::WindowLeft(&win), twips::WindowTop(&win), twips::WindowWidth(&win), twips::WindowHeight(&win)};
    EXPECT_EQ(win.ws.documentCount(), 1);
    EXPECT_EQ(win.ws.tabCount(), 2);
    EXPECT_EQ(win.ws.tabStrip().tabText(1), QStringLiteral("$$$000.html"));
    EXPECT_EQ(win.ws.doc(0).folder, programFolder);
    // The fixed items, then no recent items and no separator of theirs: only the exit item.
    EXPECT_EQ(menuCaptions(win.commands.menu(file_menu::Menu)).size(), 21);
    EXPECT_EQ(menuCaptions(win.commands.menu(file_menu::Menu)).mid(20), QStringList{QStringLiteral("終了")});
    EXPECT_TRUE(win.commands.action(auto_create_menu::RunOnOpening)->isChecked());
    EXPECT_FALSE(win.commands.action(help_menu::HelpInBrowserWindow)->isChecked());
    EXPECT_TRUE(win.commands.action(font_menu::colourScheme(1))->isChecked());
    EXPECT_FALSE(win.commands.action(font_menu::colourScheme(4))->isChecked());
    EXPECT_EQ(win.controls.get<QLineEdit>(indent_panel::LineLengthBox)->text(), QStringLiteral("50"));
    EXPECT_EQ(QDir::currentPath(), programFolder);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("test.$$$"))));

    win.fonts.applyColourScheme(3);
    win.commands.invoke(help_menu::HelpInBrowserWindow);
    ASSERT_TRUE(quit());
    const QByteArray ini = readFile(path(QStringLiteral("Pelmor.ini")));
    EXPECT_EQ(ini, QByteArray("FontColor, 3\r\nie,ON\r\nMainLeft,") + QByteArray::number(placement[0]) + "\r\nMainTop,"
                       + QByteArray::number(placement[1]) + "\r\nMainWidth," + QByteArray::number(placement[2]) + "\r\nMainHeight,"
                       + QByteArray::number(placement[3]) + "\r\nDataPath," + programFolder.toUtf8() + "\r\n");

    MainWindow& again = start();
    // The stored placement is taken as it was stored.
    EXPECT_EQ((std::vector<int>{twips::WindowLeft(&again), twips::WindowTop(&again), twips::WindowWidth(&again), twips::WindowHeight(&again)}),
              placement);
    EXPECT_TRUE(again.commands.action(font_menu::colourScheme(3))->isChecked());
    EXPECT_FALSE(again.commands.action(font_menu::colourScheme(1))->isChecked());
    EXPECT_TRUE(again.commands.action(help_menu::HelpInBrowserWindow)->isChecked());
}

TEST_F(StartupTest, QuittingWhileMinimizedKeepsThePlacementOfTheRunBefore)
{
    writeFile(path(QStringLiteral("Pelmor.ini")), "MainLeft,700\r\nDataPath,/nowhere\r\n");
    MainWindow& win = start();
    twips::SetWindowGeometry(&win, 1500, 1500, 9000, 6000);
    win.showMinimized();
    QApplication::processEvents();
    if (!win.isMinimized())
        GTEST_SKIP() << "this window system does not minimize";
    ASSERT_TRUE(quit());
    EXPECT_EQ(readFile(path(QStringLiteral("Pelmor.ini"))), QByteArray("MainLeft,700\r\nDataPath,/nowhere\r\n"));
}

TEST_F(StartupTest, RecentFilesBecomeItemsOfTheFileMenu)
{
    writeFile(path(QStringLiteral("Pelmor.ini")),
              "RemFile0,/web/a.html\r\nRemFile1,/web,old/b.html\r\nFontColor, 2\r\n");
    MainWindow& win = start();
    EXPECT_EQ(menuCaptions(win.commands.menu(file_menu::Menu)).mid(20),
              (QStringList{QStringLiteral("0:a.html"), QStringLiteral("1:b.html"), QStringLiteral("-"), QStringLiteral("終了")}));
    EXPECT_EQ(win.files.recentFiles[1], QStringLiteral("/web,old/b.html")); // a comma in a path is kept
    EXPECT_TRUE(win.commands.action(font_menu::colourScheme(2))->isChecked());
}

TEST_F(StartupTest, AMissingOrUnwritableDataFolderFallsBackToTheProgramFolder)
{
    const QString notAFolder = path(QStringLiteral("plain-file"));
    writeFile(notAFolder, "x");
    for (const QString& stored : {temp.path() + QStringLiteral("/gone"), notAFolder}) {
        writeFile(path(QStringLiteral("Pelmor.ini")), "DataPath," + stored.toUtf8() + "\r\n");
        MainWindow& win = start();
        EXPECT_EQ(win.ws.doc(0).folder, programFolder) << stored.toStdString();
        ASSERT_TRUE(quit());
        EXPECT_TRUE(readFile(path(QStringLiteral("Pelmor.ini"))).contains("DataPath," + programFolder.toUtf8() + "\r\n"));
    }
}

TEST_F(StartupTest, AStoredDataFolderIsTheFirstDocumentsFolder)
{
    const QString data = temp.path() + QStringLiteral("/data");
    QDir().mkpath(data);
    writeFile(path(QStringLiteral("Pelmor.ini")), "DataPath," + data.toUtf8() + "\r\n");
    MainWindow& win = start();
    EXPECT_EQ(win.ws.doc(0).folder, data);
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("/test.$$$")));
    // After start-up the current folder is the program folder, whatever the data folder is.
    EXPECT_EQ(QDir::currentPath(), programFolder);
}

TEST_F(StartupTest, ADamagedSettingsFileIsKeptAsideAndItsGoodLinesAreUsed)
{
    writeFile(path(QStringLiteral("Pelmor.ini")), QByteArray("FontColor, 4\r\nMainLeft,900\r\n\x00\x01\xff garbage\r\n", 42));
    dialogs.expectMsg(QStringLiteral("Pelmor.ini が壊れているか、読めませんでした。"));
    MainWindow& win = start();
    EXPECT_TRUE(win.commands.action(font_menu::colourScheme(4))->isChecked());
    EXPECT_EQ(twips::WindowLeft(&win), 900);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Pelmor.ini.bak"))));
    EXPECT_TRUE(readFile(path(QStringLiteral("Pelmor.ini.bak"))).contains("garbage"));
}

TEST_F(StartupTest, QuittingAsksForTheUnsavedWindowAndEveryModifiedDocument)
{
    MainWindow& win = start();
    win.ws.sourceEditor(0)->setText(QStringLiteral("text"));
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.sourceEditor(1)->setText(QStringLiteral("   "));
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.sourceEditor(2)->setText(QStringLiteral("more"));
    win.ws.askBeforeQuitting = true;

    // No to the first question: nothing is asked further, nothing written.
    dialogs.expectMsg(QStringLiteral("保存されていないデータｰが有ります、終了しますか?"), MsgResult::No);
    EXPECT_FALSE(quit());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Pelmor.ini"))));

    // The blank second document is not asked about.
    dialogs.expectMsg(QStringLiteral("保存されていないデータｰが有ります、終了しますか?"), MsgResult::Yes);
    dialogs.expectMsg(QStringLiteral(" 1番目のファイルが保存されていません、保存せずに終了しますか？"), MsgResult::Yes);
    dialogs.expectMsg(QStringLiteral(" 3番目のファイルが保存されていません、保存せずに終了しますか？"), MsgResult::No);
    EXPECT_FALSE(quit());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Pelmor.ini"))));
    EXPECT_TRUE(win.isVisible());
    EXPECT_EQ(win.ws.sourceEditor(2)->text(), QStringLiteral("more"));
}

TEST_F(StartupTest, OnlyThePagesOfTheRunAndTheDeclinedLeftoversAreDeletedAtTheEnd)
{
    const QString data = temp.path() + QStringLiteral("/data");
    QDir().mkpath(data);
    writeFile(path(QStringLiteral("Pelmor.ini")), "DataPath," + data.toUtf8() + "\r\n");
    for (const QString& name : {QStringLiteral("$$$000.html"), QStringLiteral("$$$notes.txt"), QStringLiteral("test.$$$")}) {
        writeFile(data + QLatin1Char('/') + name, "x");
        writeFile(path(name), "x");
    }
    dialogs.expectMsg(QStringLiteral("前のデータｰが残っています"), MsgResult::No);
    MainWindow& win = start();
    // A page of the run's own, beside the declined leftover it may now replace.
    win.ws.sourceEditor(0)->setText(QStringLiteral("<P>new</P>"));
    win.ws.writeCurrentTempPage();
    EXPECT_EQ(readFile(data + QStringLiteral("/$$$000.html")), QByteArray("<P>new</P>\r\n"));
    dialogs.expectMsg(QStringLiteral("番目のファイルが保存されていません"), MsgResult::Yes);
    ASSERT_TRUE(quit());
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("/$$$000.html")));
    // Files the run neither wrote nor was offered stay, whatever their names.
    EXPECT_TRUE(QFile::exists(programFolder + QStringLiteral("/$$$000.html")));
    for (const QString& folder : {data, programFolder}) {
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/test.$$$"))) << folder.toStdString();
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/$$$notes.txt"))) << folder.toStdString();
    }
    EXPECT_FALSE(readFile(path(QStringLiteral("Pelmor.ini"))).contains("PageFolders")) << "no page is left anywhere";
}

TEST_F(StartupTest, LeftoverPagesCanBeRestoredOneDocumentEach)
{
    writeFile(path(QStringLiteral("$$$000.html")), "<p>zero</p>\r\n");
    writeFile(path(QStringLiteral("$$$003.html")), "<p>three</p>\r\n");
    dialogs.expectMsg(QStringLiteral("前のデータｰが残っています、データｰを復活しますか?"), MsgResult::Yes);
    MainWindow& win = start();
    ASSERT_EQ(win.ws.documentCount(), 2);
    EXPECT_EQ(win.ws.sourceEditor(0)->text(), QStringLiteral("<p>zero</p>\r\n"));
    EXPECT_EQ(win.ws.sourceEditor(1)->text(), QStringLiteral("<p>three</p>\r\n"));
    EXPECT_EQ(win.ws.doc(1).fileName, QStringLiteral("$$$001.html"));
    stop();

    dialogs.expectMsg(QStringLiteral("前のデータｰが残っています"), MsgResult::No);
    MainWindow& again = start();
    EXPECT_EQ(again.ws.documentCount(), 1);
    EXPECT_TRUE(again.ws.sourceEditor(0)->text().isEmpty());
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("$$$003.html"))));
    stop();

    // A command line, even of blanks only, means no question.
    start(QStringLiteral("   "));
    EXPECT_EQ(w().ws.documentCount(), 1);
}

TEST_F(StartupTest, AddingDocumentsGrowsTheTabStrip)
{
    MainWindow& win = start();
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(win.ws.addDocument());
    ASSERT_EQ(win.ws.tabCount(), 8);
    std::vector<int> images;
    for (int i = 1; i <= 8; ++i)
        images.push_back(win.ws.tabStrip().tabImage(i));
    EXPECT_EQ(images, (std::vector<int>{11, 13, 11, 13, 11, 13, 12, 13}));
    EXPECT_EQ(win.ws.currentIndex(), 3);
    EXPECT_EQ(win.ws.tabStrip().currentIndex(), 7);
    EXPECT_EQ(win.ws.tabStrip().tabText(7), QStringLiteral("$$$003.html"));
    EXPECT_EQ(win.ws.doc(3).fileName, QStringLiteral("$$$003.html"));
    EXPECT_EQ(win.ws.doc(3).folder, win.ws.doc(0).folder);
    EXPECT_TRUE(win.ws.sourceEditor(3)->isVisible());
    EXPECT_FALSE(win.ws.sourceEditor(0)->isVisible());
}

TEST_F(StartupTest, TheFiftySecondDocumentIsRefused)
{
    MainWindow& win = start();
    while (win.ws.documentCount() < MaxDocuments)
        ASSERT_TRUE(win.ws.addDocument());
    dialogs.expectMsg(QStringLiteral("これ以上タブを開けません"));
    EXPECT_FALSE(win.ws.addDocument());
    EXPECT_EQ(win.ws.documentCount(), MaxDocuments);
    EXPECT_EQ(win.ws.tabCount(), 2 * MaxDocuments);
}

TEST_F(StartupTest, TheTemporaryPageHoldsTheWholeTextOfPagesOnly)
{
    MainWindow& win = start();
    const QString page = path(QStringLiteral("$$$000.html"));
    struct Case {
        QString fileName;
        QString text;
        bool written;
    } cases[] = {
        {QStringLiteral("$$$000.html"), QString(), false},
        {QStringLiteral("$$$000.html"), QStringLiteral("  "), false},
        {QStringLiteral("style.css"), QStringLiteral("p {}"), false},
        {QStringLiteral("STYLE.CSS"), QStringLiteral("p {}"), true},
        {QStringLiteral("page.html"), QStringLiteral("日本語"), true},
    };
    for (const auto& c : cases) {
        QFile::remove(page);
        win.ws.doc(0).fileName = c.fileName;
        win.ws.sourceEditor(0)->setText(c.text);
        win.ws.writeCurrentTempPage();
        EXPECT_EQ(QFile::exists(page), c.written) << c.fileName.toStdString();
    }
    // A new document's page is in code page 932, followed by CR LF.
    EXPECT_EQ(readFile(page), QByteArray("\x93\xfa\x96\x7b\x8c\xea\r\n"));

    win.ws.doc(0).header = QStringLiteral("<HTML><BODY>\r\n");
    win.ws.doc(0).footer = QStringLiteral("</BODY></HTML>");
    win.ws.sourceEditor(0)->setText(QStringLiteral("body"));
    win.ws.writeCurrentTempPage();
    EXPECT_EQ(readFile(page), QByteArray("<HTML><BODY>\r\nbody</BODY></HTML>\r\n"));
}

TEST_F(StartupTest, TheEditorsEventsMarkModifiedAndKeepTheRightClick)
{
    MainWindow& win = start();
    EXPECT_FALSE(win.ws.doc(0).modified);
    win.ws.sourceEditor(0)->setText(QStringLiteral("x"));
    EXPECT_TRUE(win.ws.doc(0).modified);
    win.ws.passOnEditorMouseDown(0, 2, 0, 1000, 500);
    EXPECT_EQ(win.ws.popupX, 1200);
    EXPECT_EQ(win.ws.popupY, 1300);
}
