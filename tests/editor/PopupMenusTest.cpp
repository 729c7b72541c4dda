#include "EditingFixture.h"

#include "editor/EditApply.h"
#include "platform/RichEdit.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QTest>

class PopupMenusTest : public EditingFixture {};

TEST_F(PopupMenusTest, EditorPopupItems)
{
    // Item 12 opens the stylesheet builder, which reads its dictionary.
    copyResource(QStringLiteral("css.txt"));
    const CommandRow rows[] = {
        {2, "ab«cd»ef", "ab«»ef", {}, "old", "cd"},
        {3, "ab«cd»ef", "ab«cd»ef", {}, "old", "cd"},
        {4, "ab«cd»ef", "abXY«»ef", {}, "XY"},
        {7, "a«b»c", "«»a<!--Reg001-->c"},
        {10, "<B>«»x</B>", "<B>«»x</B>"},
        {12, "ab«»", "ab«»"},
        {13, "ab«»", "ab«»"},
    };
    runRows(QStringLiteral("pm"), rows);
}

TEST_F(PopupMenusTest, StylesheetPopupItems)
{
    const CommandRow rows[] = {
        {0, "ab«»", "ab«»"},
        {4, "ab«cd»ef", "ab«»ef", {}, "old", "cd"},
        {5, "ab«cd»ef", "ab«cd»ef", {}, "old", "cd"},
        {6, "ab«cd»ef", "abXY«»ef", {}, "XY"},
    };
    runRows(QStringLiteral("sh1"), rows);
    // The lesson script may name any index: separators and unknown ones do nothing.
    setDocument("ab«cd»ef");
    for (int index : {1, 3, 7, -1})
        w().popups.runStylePopupRow(index);
    EXPECT_EQ(marked(ed()), QStringLiteral("ab«cd»ef"));
}

TEST_F(PopupMenusTest, UndoItemsStepBackAndRegionsFoldAndUnfold)
{
    setDocument("ab«cd»ef");
    w().commands.invoke(QStringLiteral("tbToolBar"), 12);
    w().commands.invoke(QStringLiteral("pm"), 0);
    EXPECT_EQ(ed()->Text(), QStringLiteral("abcdef"));
    w().commands.invoke(QStringLiteral("tbToolBar"), 12);
    select(ed(), {0, 0});
    w().commands.invoke(QStringLiteral("sh1"), 2);
    EXPECT_EQ(ed()->Text(), QStringLiteral("abcdef"));

    setDocument("a«b»c");
    w().commands.invoke(QStringLiteral("pm"), 7);
    w().commands.invoke(QStringLiteral("pm"), 8);
    EXPECT_EQ(ed()->Text(), QStringLiteral("abc"));
}

TEST_F(PopupMenusTest, TheRightButtonOpensTheEditorPopup)
{
    setDocument("abc«»");
    QMenu* pm = w().commands.menu(QStringLiteral("pm"));
    EXPECT_EQ(pm->title(), QStringLiteral("編集"));
    EXPECT_FALSE(pm->isVisible());
    QTest::mouseClick(static_cast<QAbstractScrollArea*>(ed()->focusProxy())->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(pm->isVisible());
    pm->close();
}
