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
        ASSERT_TRUE(ed()->canUndo());
    }
    const QString& newestSnapshot() { return w().ws.current().undoRing[static_cast<size_t>(w().ws.current().undoPosition)].text; }
};

TEST_F(DispatcherTest, SnapshotBranchThenTheEditorsUndoIsEmptied)
{
    start();
    QString seen;
    // Buttons that have no branch of their own.
    w().dispatcher.setAction(ExecuteButton::UnusedLineLengthButton, [&] { seen = ed()->text(); });
    typeSomething();
    w().dispatcher.press(ExecuteButton::UnusedLineLengthButton);
    EXPECT_EQ(seen, QStringLiteral("xy"));
    EXPECT_EQ(newestSnapshot(), QStringLiteral("xy")) << "the snapshot comes first";
    EXPECT_FALSE(ed()->canUndo());
}

TEST_F(DispatcherTest, ABranchThatLeavesAtOnceKeepsTheEditorsUndo)
{
    start();
    w().dispatcher.setBranch(ExecuteButton::UnusedIndentingPanelExecute, [] { return false; });
    typeSomething();
    w().dispatcher.press(ExecuteButton::UnusedIndentingPanelExecute);
    EXPECT_EQ(newestSnapshot(), QStringLiteral("xy"));
    EXPECT_TRUE(ed()->canUndo());
}

TEST_F(DispatcherTest, IndexesWithoutABranchChangeOnlyTheUndoState)
{
    start();
    for (int index : {-1, 145, 1000}) {
        typeSomething();
        const QString before = ed()->text();
        w().dispatcher.press(static_cast<ExecuteButton>(index));
        EXPECT_EQ(ed()->text(), before);
        EXPECT_EQ(newestSnapshot(), before);
        EXPECT_FALSE(ed()->canUndo()) << index;
    }
    EXPECT_THROW(w().dispatcher.setBranch(static_cast<ExecuteButton>(145), [] { return true; }), std::logic_error);
}
