#include "platform/RichEdit.h"
#include "editor/EditorMenus.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

class KeysTest : public AppFixture {};

TEST_F(KeysTest, TabIndentsAndShiftTabOutdentsTheSelectedLines)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setFocus();
    ed->setText(QStringLiteral("one\r\n\ttwo\r\nthree"));
    ed->select(0, 10); // "one\r\n\ttwo\r\n"
    QTest::keyClick(ed, Qt::Key_Tab);
    EXPECT_EQ(ed->text(), QStringLiteral("\tone\r\n\t\ttwo\r\nthree"));

    ed->select(0, 12);
    QTest::keyClick(ed, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(ed->text(), QStringLiteral("one\r\n\ttwo\r\nthree"));
    ed->select(0, 5); // a line without a leading tab stays
    QTest::keyClick(ed, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(ed->text(), QStringLiteral("one\r\n\ttwo\r\nthree"));
}

TEST_F(KeysTest, TabKeepsATabTypedAtTheEndOfTheSelection)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setFocus();
    ed->setText(QStringLiteral("a\tb"));
    ed->select(0, 2); // "a" and the tab behind it
    QTest::keyClick(ed, Qt::Key_Tab);
    EXPECT_EQ(ed->text(), QStringLiteral("\ta\tb"));
}

TEST_F(KeysTest, TabWithoutSelectionOrOutsideTheEditorIsPassedOn)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setFocus();
    ed->setText(QStringLiteral("ab"));
    ed->setSelectionStart(1);
    QTest::keyClick(ed, Qt::Key_Tab);
    EXPECT_EQ(ed->text(), QStringLiteral("a\tb"));

    // With the focus in another control the editor's selection is left alone.
    ed->select(0, 3);
    auto* box = new QLineEdit(&win);
    box->show();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(ed->text(), QStringLiteral("a\tb"));
}

TEST_F(KeysTest, EnterInsertsCrLfAndTheMenusOwnTheEditingKeys)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setFocus();
    QTest::keyClicks(ed, QStringLiteral("ab"));
    QTest::keyClick(ed, Qt::Key_Return);
    QTest::keyClicks(ed, QStringLiteral("cd"));
    EXPECT_EQ(ed->text(), QStringLiteral("ab\r\ncd"));
    // The editor's own bindings are gone: the Edit menu's shortcuts get the keys.
    QSignalSpy undoItem(win.commands.action(edit_menu::Undo), &QAction::triggered);
    QSignalSpy recolourItem(win.commands.action(edit_menu::Recolour), &QAction::triggered);
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    ed->setFocus();
    QTest::keyClick(ed, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(recolourItem.count(), 1);
    EXPECT_EQ(ed->text(), QStringLiteral("ab\r\ncd"));
    QTest::keyClick(ed, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undoItem.count(), 1);

    QTest::keyPress(ed, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(win.ctrlDown);
    QTest::keyRelease(ed, Qt::Key_Control);
    EXPECT_FALSE(win.ctrlDown);
}
