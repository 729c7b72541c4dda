#include "platform/RichEdit.h"
#include "support/AppFixture.h"
#include "wizards/Dispatcher.h"

#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

class DispatcherTest : public AppFixture {
protected:
    RichEdit* ed() { return w().ws.currentEditor(); }
    void typeSomething()
    {
        ed()->setFocus();
        QTest::keyClicks(ed(), QStringLiteral("xy"));
        ASSERT_TRUE(ed()->CanUndo());
    }
    const QString& newestSnapshot() { return w().ws.current().undoRing[static_cast<size_t>(w().ws.current().undoPosition)].text; }
};

TEST_F(DispatcherTest, SnapshotBranchThenTheEditorsUndoIsEmptied)
{
    start();
    QString seen;
    // Buttons that have no branch of their own.
    w().dispatcher.setAction(105, [&] { seen = ed()->Text(); });
    typeSomething();
    w().dispatcher.Cmdcmd_Click(105);
    EXPECT_EQ(seen, QStringLiteral("xy"));
    EXPECT_EQ(newestSnapshot(), QStringLiteral("xy")) << "the snapshot comes first";
    EXPECT_FALSE(ed()->CanUndo());
}

TEST_F(DispatcherTest, ABranchThatLeavesAtOnceKeepsTheEditorsUndo)
{
    start();
    w().dispatcher.setBranch(123, [] { return false; });
    typeSomething();
    w().dispatcher.Cmdcmd_Click(123);
    EXPECT_EQ(newestSnapshot(), QStringLiteral("xy"));
    EXPECT_TRUE(ed()->CanUndo());
}

TEST_F(DispatcherTest, IndexesWithoutABranchChangeOnlyTheUndoState)
{
    start();
    for (int index : {-1, 145, 1000}) {
        typeSomething();
        const QString before = ed()->Text();
        w().dispatcher.Cmdcmd_Click(index);
        EXPECT_EQ(ed()->Text(), before);
        EXPECT_EQ(newestSnapshot(), before);
        EXPECT_FALSE(ed()->CanUndo()) << index;
    }
    EXPECT_THROW(w().dispatcher.setBranch(145, [] { return true; }), std::logic_error);
}
