#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "shell/Projects.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

class ProjectsTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        web = temp.path() + QStringLiteral("/site");
        QDir().mkpath(web);
    }
    QString web;
};

TEST_F(ProjectsTest, ASavedProjectReopensItsDocumentsInTabOrder)
{
    MainWindow& win = start();
    ASSERT_TRUE(win.ws.addDocument());
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.sourceEditor(0)->setText(QStringLiteral("<P>zero</P>"));
    win.ws.sourceEditor(1)->setText(QStringLiteral("p { color: red; }"));
    win.ws.doc(1).fileName = QStringLiteral("style.css");
    win.ws.doc(1).folder = web;
    win.ws.sourceEditor(2)->setText(QStringLiteral("<P>two</P>"));
    // The extension in capitals is replaced by the one of the program.
    dialogs.expectSave(web + QStringLiteral("/proj.TUR"), QStringLiteral("プロジェクトの保存"));
    win.projects.saveProject();
    EXPECT_EQ(readFile(web + QStringLiteral("/proj.tur")),
              (web + QStringLiteral("/proj000.html\r\n") + web + QStringLiteral("/style.css\r\n") + web
               + QStringLiteral("/proj002.html\r\n")).toUtf8());
    EXPECT_EQ(readFile(web + QStringLiteral("/proj000.html")), QByteArray("<P>zero</P>\r\n"));
    EXPECT_EQ(readFile(web + QStringLiteral("/style.css")), QByteArray("p { color: red; }\r\n"));
    EXPECT_EQ(win.ws.tabStrip().tabText(5), QStringLiteral("proj002.html"));
    // Saved documents stay out of the recent list; the project itself is in it, with its extension.
    EXPECT_EQ(win.files.recentFiles[0], web + QStringLiteral("/proj.tur"));
    EXPECT_TRUE(win.files.recentFiles[1].isEmpty());
    EXPECT_EQ(win.state.ini.value(QString(), QString(), QStringLiteral("ProJectName"), QString()),
              web + QStringLiteral("/proj.tur"));
    stop();

    MainWindow& again = start(web + QStringLiteral("/proj.tur"));
    ASSERT_EQ(again.ws.documentCount(), 3);
    EXPECT_EQ(again.ws.sourceEditor(0)->text(), QStringLiteral("<P>zero</P>\r\n"));
    EXPECT_EQ(again.ws.doc(1).fileName, QStringLiteral("style.css"));
    EXPECT_EQ(again.ws.sourceEditor(2)->text(), QStringLiteral("<P>two</P>\r\n"));
    EXPECT_EQ(again.ws.tabStrip().tabText(3), QStringLiteral("style.css"));
    EXPECT_EQ(again.ws.tabStrip().currentIndex(), 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(again.ws.doc(i).modified) << i;
}

TEST_F(ProjectsTest, AProjectOfMoreThan101LinesOpensNothing)
{
    MainWindow& win = start();
    QByteArray lines;
    for (int i = 0; i < 102; ++i)
        lines += (web + QStringLiteral("/p%1.html\r\n").arg(i)).toUtf8();
    writeFile(web + QStringLiteral("/long.tur"), lines);
    dialogs.expectMsg(QStringLiteral("プロジェクトファイルの行が多すぎます。"));
    win.projects.openProject(web + QStringLiteral("/long.tur"));
    EXPECT_EQ(win.ws.documentCount(), 1);
    EXPECT_TRUE(win.ws.sourceEditor(0)->text().isEmpty());
}

TEST_F(ProjectsTest, EntriesThatDoNotFitAreKeptAndRelativeNamesAreBesideTheProject)
{
    MainWindow& win = start();
    QByteArray lines;
    for (int i = 0; i < 53; ++i) {
        writeFile(web + QStringLiteral("/p%1.html").arg(i), QByteArray("<P>") + QByteArray::number(i) + "</P>\r\n");
        // Every other entry is written relative to the project's folder.
        lines += (i % 2 ? QStringLiteral("p%1.html\r\n").arg(i) : web + QStringLiteral("/p%1.html\r\n").arg(i)).toUtf8();
    }
    writeFile(web + QStringLiteral("/big.tur"), lines);
    QDir::setCurrent(temp.path()); // not the project's folder
    dialogs.expectMsg(QStringLiteral("これ以上タブを開けません。"));
    win.projects.openProject(web + QStringLiteral("/big.tur"));
    ASSERT_EQ(win.ws.documentCount(), 51);
    EXPECT_EQ(win.ws.sourceEditor(1)->text(), QStringLiteral("<P>1</P>\r\n"));
    EXPECT_EQ(win.ws.doc(1).folder, web);
    EXPECT_EQ(win.ws.sourceEditor(50)->text(), QStringLiteral("<P>50</P>\r\n"));

    dialogs.expectSave(web + QStringLiteral("/big.tur"), QStringLiteral("プロジェクトの保存"));
    win.projects.saveProject();
    const QStringList saved = QString::fromUtf8(readFile(web + QStringLiteral("/big.tur"))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(saved.size(), 54) << "53 entries and the empty text after the last line break";
    EXPECT_EQ(saved[1], web + QStringLiteral("/p1.html"));
    EXPECT_EQ(saved[51], web + QStringLiteral("/p51.html")) << "the entries that were not opened are kept";
    EXPECT_EQ(saved[52], web + QStringLiteral("/p52.html"));
}

TEST_F(ProjectsTest, OpeningAProjectAsksBeforeUnsavedTextIsReplaced)
{
    MainWindow& win = start();
    writeFile(web + QStringLiteral("/a.html"), "<P>a</P>\r\n");
    writeFile(web + QStringLiteral("/p.tur"), (web + QStringLiteral("/a.html\r\n") + web + QStringLiteral("/missing.html\r\n")).toUtf8());
    win.ws.sourceEditor(0)->setText(QStringLiteral("unsaved work"));
    dialogs.expectMsg(QStringLiteral("保存されていないファイルがあります。"), MsgResult::No);
    win.projects.openProject(web + QStringLiteral("/p.tur"));
    EXPECT_EQ(win.ws.sourceEditor(0)->text(), QStringLiteral("unsaved work"));

    // Yes replaces it; a missing file is reported and the other lines still load.
    dialogs.expectMsg(QStringLiteral("保存されていないファイルがあります。"), MsgResult::Yes);
    dialogs.expectMsg(QStringLiteral("データｰが読み込めませんでした。"));
    win.projects.openProject(web + QStringLiteral("/p.tur"));
    EXPECT_EQ(win.ws.sourceEditor(0)->text(), QStringLiteral("<P>a</P>\r\n"));
    // The document for the missing file stays as it was.
    EXPECT_EQ(win.ws.documentCount(), 2);
    EXPECT_EQ(win.ws.tabStrip().tabText(3), QStringLiteral("$$$001.html"));

    dialogs.expectMsg(QStringLiteral("指定されたファイルが存在しません"));
    win.projects.openProject(web + QStringLiteral("/none.tur"));
}

TEST_F(ProjectsTest, InitialisingAllLeavesOneEmptyDocument)
{
    MainWindow& win = start();
    win.files.clearAll(); // nothing holds text: no question
    EXPECT_TRUE(dialogs.shown().isEmpty());
    ASSERT_TRUE(win.ws.addDocument());
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.sourceEditor(1)->setText(QStringLiteral("x"));
    win.ws.doc(0).regions[3] = QStringLiteral("r");
    dialogs.expectMsg(QStringLiteral("全て初期化していいですか？"), MsgResult::No);
    win.files.clearAll();
    EXPECT_EQ(win.ws.documentCount(), 3);
    dialogs.expectMsg(QStringLiteral("全て初期化していいですか？"), MsgResult::Yes);
    win.files.clearAll();
    EXPECT_EQ(win.ws.documentCount(), 1);
    EXPECT_EQ(win.ws.tabCount(), 2);
    EXPECT_EQ(win.ws.tabStrip().tabText(1), QStringLiteral("$$$000.html"));
    EXPECT_TRUE(win.ws.tabStrip().tabText(2).isEmpty());
    EXPECT_EQ(win.ws.tabStrip().currentIndex(), 1);
    EXPECT_TRUE(win.ws.doc(0).regions[3].isEmpty());
    EXPECT_TRUE(win.projects.projectFile.isEmpty());
}

TEST(ProjectNames, TheDefaultNameIsAFileName)
{
    const QString name = Projects::defaultProjectName();
    EXPECT_TRUE(name.endsWith(QStringLiteral(".tur")));
    EXPECT_FALSE(name.contains(QLatin1Char('/')));
    EXPECT_FALSE(name.contains(QLatin1Char(' ')));
}
