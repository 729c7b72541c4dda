#include "platform/RichEdit.h"
#include "support/AppFixture.h"

#include <QTest>
#include <gtest/gtest.h>

// A command as the handlers run one: snapshot, change, the editor's own undo emptied.
class UndoRingTest : public AppFixture {
protected:
    void command(const QString& newText)
    {
        w().undo.takeSnapshot();
        ed()->setText(newText);
        ed()->clearUndoHistory();
    }
    RichEdit* ed() { return w().ws.sourceEditor(w().ws.currentIndex()); }
    int filledSlots()
    {
        int n = 0;
        for (const auto& slot : w().ws.doc(w().ws.currentIndex()).undoRing)
            n += slot.text.isEmpty() ? 0 : 1;
        return n;
    }
};

TEST_F(UndoRingTest, TwoCommandsOnAnUnchangedTextStoreOneSnapshot)
{
    start();
    ed()->setText(QStringLiteral("same"));
    w().undo.takeSnapshot();
    w().undo.takeSnapshot();
    EXPECT_EQ(filledSlots(), 1);
}

TEST_F(UndoRingTest, TheRingRestoresNineSnapshotsNewestFirst)
{
    start();
    ed()->setText(QStringLiteral("t0"));
    for (int i = 1; i <= 11; ++i)
        command(QStringLiteral("t%1").arg(i));
    for (int expected = 10; expected >= 2; --expected) {
        w().undo.stepBack();
        EXPECT_EQ(ed()->text(), QStringLiteral("t%1").arg(expected));
    }
    // The tenth undo finds the emptied slot.
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("t2"));
}

TEST_F(UndoRingTest, TypingIsUndoneByTheEditorFirst)
{
    start();
    ed()->setFocus();
    QTest::keyClicks(ed(), QStringLiteral("abc"));
    ASSERT_EQ(ed()->text(), QStringLiteral("abc"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QString());

    // After a command, typing goes first, then the command.
    ed()->setText(QStringLiteral("before"));
    command(QStringLiteral("after"));
    ed()->setSelectionStart(5);
    QTest::keyClicks(ed(), QStringLiteral("XY"));
    ASSERT_EQ(ed()->text(), QStringLiteral("afterXY"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("after"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("before"));
}

TEST_F(UndoRingTest, ACommandRightAfterAnUndoGetsItsSnapshot)
{
    start();
    ed()->setText(QStringLiteral("one"));
    command(QStringLiteral("two"));
    command(QStringLiteral("three"));
    w().undo.stepBack();
    ASSERT_EQ(ed()->text(), QStringLiteral("two"));
    command(QStringLiteral("four"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("two"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("one"));
}

TEST_F(UndoRingTest, ATagDictionarySnapshotIsRestoredBeforeTheEditorsUndo)
{
    start();
    ed()->setText(QStringLiteral("text"));
    w().undo.takeMarkedSnapshot();
    ed()->setSelectionStart(4);
    ed()->replaceSelection(QStringLiteral("<B>")); // the editor could undo this itself
    ASSERT_TRUE(ed()->canUndo());
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("text"));

    // The mark goes with its slot: a later command and typing are undone in the usual order.
    command(QStringLiteral("text2"));
    ed()->setFocus();
    ed()->setSelectionStart(5);
    QTest::keyClicks(ed(), QStringLiteral("Z"));
    ASSERT_EQ(ed()->text(), QStringLiteral("text2Z"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("text2"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("text"));
}

TEST_F(UndoRingTest, AnEmptySnapshotEndsTheWalkBack)
{
    start();
    command(QStringLiteral("first")); // the snapshot of the empty text cannot be told from no snapshot
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("first"));
}

TEST_F(UndoRingTest, UndoRestoresTheCaretAndTheTopLine)
{
    start();
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    ed()->resize(400, 200);
    ed()->setText(text);
    ed()->setSelectionStart(static_cast<int>(text.indexOf(QStringLiteral("line 120"))));
    ed()->setFirstVisibleLine(110);
    const int caret = ed()->selectionStart();
    command(QStringLiteral("short"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), text);
    EXPECT_EQ(ed()->selectionStart(), caret);
    EXPECT_EQ(ed()->firstVisibleLine(), 110);
}

TEST_F(UndoRingTest, NoSnapshotsAndNoUndoWhileAutomaticCreationRuns)
{
    start();
    ed()->setText(QStringLiteral("a"));
    w().state.autoCreating = true;
    w().undo.takeSnapshot();
    w().undo.takeMarkedSnapshot();
    EXPECT_EQ(filledSlots(), 0);
    w().state.autoCreating = false;
    command(QStringLiteral("b"));
    w().state.autoCreating = true;
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("b"));
}
