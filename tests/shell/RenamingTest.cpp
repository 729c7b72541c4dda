#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "shell/Renaming.h"
#include "shell/ShellControls.h"
#include "shell/ShellMenus.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

TEST(RenamedFileName, FollowsTheNameRules)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Index.HTM", "index.html"}, {"Style.CSS", "style.css"}, {"my.page.html", "my.html"}, {"mycss", "mycss.css"},
        {"a.txt", "a.html"}, {"  page  ", "page.html"}, {"ページ.htm", "ページ.html"}, {"", ""}, {"   ", ""},
        {".html", ""},
    };
    for (const auto& [typed, renamed] : cases)
        EXPECT_EQ(renamedFileName(QString::fromUtf8(typed)), QString::fromUtf8(renamed)) << typed;
    EXPECT_TRUE(renameProblem(QStringLiteral("index.html")).isEmpty());
    EXPECT_FALSE(renameProblem(QStringLiteral("sub/index.html")).isEmpty());
}

class RenamingTest : public AppFixture {
protected:
    QListWidget* names() { return w().controls.get<QListWidget>(rename_panel::NameList); }
    QLineEdit* box() { return w().controls.get<QLineEdit>(rename_panel::NewNameBox); }
    void rename(int n, const QString& typed)
    {
        names()->setCurrentRow(n);
        box()->setText(typed);
        w().dispatcher.press(ExecuteButton::RenameFile);
    }
};

TEST_F(RenamingTest, RenamingChangesOnlyTheSaveNameAndTheTabAndLeavesTheDocumentChanged)
{
    start();
    ASSERT_TRUE(w().commands.action(file_menu::RenameFile)->isEnabled());
    ASSERT_TRUE(w().ws.addDocument());
    ASSERT_TRUE(w().ws.addDocument());
    w().ws.sourceEditor(2)->setText(QStringLiteral("<P>本文</P>"));
    w().ws.doc(2).modified = false;
    const QString temp2 = w().ws.tempPagePath(2);
    const QString caption1 = w().ws.tabStrip().tabText(3);
    w().commands.invoke(file_menu::RenameFile);
    EXPECT_TRUE(w().controls.get<QWidget>(rename_panel::Panel)->isVisible());
    EXPECT_TRUE(w().controls.get<QPlainTextEdit>(rename_panel::Explanation)->toPlainText().startsWith(
        QStringLiteral("現在表示されているファイル名を変更します。既にファイルが保存されている場合は")));
    ASSERT_EQ(names()->count(), 3);
    EXPECT_EQ(names()->item(2)->text(), QStringLiteral("$$$002.html"));

    rename(2, QStringLiteral("LongName.HTML"));
    EXPECT_EQ(w().ws.doc(2).fileName, QStringLiteral("longname.html"));
    EXPECT_EQ(w().ws.tabStrip().tabText(5), QStringLiteral("longname.html"));
    EXPECT_EQ(names()->item(2)->text(), QStringLiteral("longname.html"));
    EXPECT_EQ(w().ws.tabStrip().tabText(3), caption1) << "only the renamed document's tab";
    EXPECT_TRUE(w().ws.doc(2).modified) << "its edits are still to be saved";
    EXPECT_EQ(w().ws.sourceEditor(2)->text(), QStringLiteral("<P>本文</P>"));
    EXPECT_EQ(w().ws.tempPagePath(2), temp2);
    EXPECT_TRUE(box()->text().isEmpty());
}

TEST_F(RenamingTest, AnExistingFileIsOnlyAQuestionAndNoEndsWithoutRenaming)
{
    start();
    writeFile(w().ws.doc(0).folder + QStringLiteral("/taken.html"), "x");
    w().commands.invoke(file_menu::RenameFile);
    dialogs.expectMsg(QStringLiteral("既に同じ名前のファイルがあります、同じ名前にしますか？"), MsgResult::No);
    rename(0, QStringLiteral("taken"));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("$$$000.html"));
    EXPECT_TRUE(box()->text().isEmpty());
    dialogs.expectMsg(QStringLiteral("既に同じ名前のファイルがあります"), MsgResult::Yes);
    rename(0, QStringLiteral("taken"));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("taken.html"));
    EXPECT_EQ(readFile(w().ws.doc(0).folder + QStringLiteral("/taken.html")), QByteArray("x")) << "no file is touched";
}

TEST_F(RenamingTest, NothingSelectedABlankNameOrAFolderRenamesNothing)
{
    start();
    w().commands.invoke(file_menu::RenameFile);
    names()->clearSelection();
    names()->setCurrentRow(-1);
    box()->setText(QStringLiteral("new"));
    w().dispatcher.press(ExecuteButton::RenameFile);
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("$$$000.html"));
    EXPECT_TRUE(box()->text().isEmpty());
    rename(0, QStringLiteral("   "));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("$$$000.html"));
    dialogs.expectMsg(QStringLiteral("ファイル名に「/」は使えません。"));
    rename(0, QStringLiteral("sub/page"));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("$$$000.html"));
}
