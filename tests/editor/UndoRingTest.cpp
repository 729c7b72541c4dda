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
        ed()->SetText(newText);
        ed()->EmptyUndoBuffer();
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
    ed()->SetText(QStringLiteral("same"));
    w().undo.takeSnapshot();
    w().undo.takeSnapshot();
    EXPECT_EQ(filledSlots(), 1);
}

TEST_F(UndoRingTest, TheRingRestoresNineSnapshotsNewestFirst)
{
    start();
    ed()->SetText(QStringLiteral("t0"));
    for (int i = 1; i <= 11; ++i)
        command(QStringLiteral("t%1").arg(i));
    for (int expected = 10; expected >= 2; --expected) {
        w().undo.stepBack();
        EXPECT_EQ(ed()->Text(), QStringLiteral("t%1").arg(expected));
    }
    // The tenth undo finds the emptied slot.
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("t2"));
}

TEST_F(UndoRingTest, TypingIsUndoneByTheEditorFirst)
{
    start();
    ed()->setFocus();
    QTest::keyClicks(ed(), QStringLiteral("abc"));
    ASSERT_EQ(ed()->Text(), QStringLiteral("abc"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QString());

    // After a command, typing goes first, then the command.
    ed()->SetText(QStringLiteral("before"));
    command(QStringLiteral("after"));
    ed()->SetSelStart(5);
    QTest::keyClicks(ed(), QStringLiteral("XY"));
    ASSERT_EQ(ed()->Text(), QStringLiteral("afterXY"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("after"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("before"));
}

TEST_F(UndoRingTest, ACommandRightAfterAnUndoGetsItsSnapshot)
{
    start();
    ed()->SetText(QStringLiteral("one"));
    command(QStringLiteral("two"));
    command(QStringLiteral("three"));
    w().undo.stepBack();
    ASSERT_EQ(ed()->Text(), QStringLiteral("two"));
    command(QStringLiteral("four"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("two"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("one"));
}

TEST_F(UndoRingTest, ATagDictionarySnapshotIsRestoredBeforeTheEditorsUndo)
{
    start();
    ed()->SetText(QStringLiteral("text"));
    w().undo.takeMarkedSnapshot();
    ed()->SetSelStart(4);
    ed()->SetSelText(QStringLiteral("<B>")); // the editor could undo this itself
    ASSERT_TRUE(ed()->CanUndo());
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("text"));

    // The mark goes with its slot: a later command and typing are undone in the usual order.
    command(QStringLiteral("text2"));
    ed()->setFocus();
    ed()->SetSelStart(5);
    QTest::keyClicks(ed(), QStringLiteral("Z"));
    ASSERT_EQ(ed()->Text(), QStringLiteral("text2Z"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("text2"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("text"));
}

TEST_F(UndoRingTest, AnEmptySnapshotEndsTheWalkBack)
{
    start();
    command(QStringLiteral("first")); // the snapshot of the empty text cannot be told from no snapshot
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("first"));
}

TEST_F(UndoRingTest, UndoRestoresTheCaretAndTheTopLine)
{
    start();
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    ed()->resize(400, 200);
    ed()->SetText(text);
    ed()->SetSelStart(static_cast<int>(text.indexOf(QStringLiteral("line 120"))));
    ed()->SetFirstVisibleLine(110);
    const int caret = ed()->SelStart();
    command(QStringLiteral("short"));
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), text);
    EXPECT_EQ(ed()->SelStart(), caret);
    EXPECT_EQ(ed()->FirstVisibleLine(), 110);
}

TEST_F(UndoRingTest, NoSnapshotsAndNoUndoWhileAutomaticCreationRuns)
{
    start();
    ed()->SetText(QStringLiteral("a"));
    w().state.autoCreating = true;
    w().undo.takeSnapshot();
    w().undo.takeMarkedSnapshot();
    EXPECT_EQ(filledSlots(), 0);
    w().state.autoCreating = false;
    command(QStringLiteral("b"));
    w().state.autoCreating = true;
    w().undo.stepBack();
    EXPECT_EQ(ed()->Text(), QStringLiteral("b"));
}
