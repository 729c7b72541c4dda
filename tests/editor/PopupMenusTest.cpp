#include "EditingFixture.h"
#include "editor/EditorMenus.h"

#include "editor/EditApply.h"
#include "platform/RichEdit.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QTest>

class PopupMenusTest : public EditingFixture {};

TEST_F(PopupMenusTest, EditorPopupItems)
{
    // The CSS builder item opens the builder, which reads its dictionary.
    copyResource(QStringLiteral("css.txt"));
    const CommandRow rows[] = {
        {editor_popup::Cut, "ab«cd»ef", "ab«»ef", {}, "old", "cd"},
        {editor_popup::Copy, "ab«cd»ef", "ab«cd»ef", {}, "old", "cd"},
        {editor_popup::Paste, "ab«cd»ef", "abXY«»ef", {}, "XY"},
        {editor_popup::HideSelection, "a«b»c", "«»a<!--Reg001-->c"},
        {editor_popup::Recolour, "<B>«»x</B>", "<B>«»x</B>"},
        {editor_popup::ShowCssBuilder, "ab«»", "ab«»"},
        {editor_popup::ListStyleClasses, "ab«»", "ab«»"},
    };
    runRows(rows);
}

TEST_F(PopupMenusTest, StylesheetPopupItems)
{
    const CommandRow rows[] = {
        {style_popup::ListStyleClasses, "ab«»", "ab«»"},
        {style_popup::Cut, "ab«cd»ef", "ab«»ef", {}, "old", "cd"},
        {style_popup::Copy, "ab«cd»ef", "ab«cd»ef", {}, "old", "cd"},
        {style_popup::Paste, "ab«cd»ef", "abXY«»ef", {}, "XY"},
    };
    runRows(rows);
    // The lesson script may name any index: separators and unknown ones do nothing.
    setDocument("ab«cd»ef");
    for (int index : {1, 3, 7, -1})
        w().popups.runStylePopupRow(index);
    EXPECT_EQ(marked(ed()), QStringLiteral("ab«cd»ef"));
}

TEST_F(PopupMenusTest, UndoItemsStepBackAndRegionsFoldAndUnfold)
{
    setDocument("ab«cd»ef");
    w().commands.invoke(toolbar::Bold);
    w().commands.invoke(editor_popup::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("abcdef"));
    w().commands.invoke(toolbar::Bold);
    select(ed(), {0, 0});
    w().commands.invoke(style_popup::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("abcdef"));

    setDocument("a«b»c");
    w().commands.invoke(editor_popup::HideSelection);
    w().commands.invoke(editor_popup::ShowAllRegions);
    EXPECT_EQ(ed()->text(), QStringLiteral("abc"));
}

TEST_F(PopupMenusTest, TheRightButtonOpensTheEditorPopup)
{
    setDocument("abc«»");
    QMenu* pm = w().commands.menu(editor_popup::Menu);
    EXPECT_EQ(pm->title(), QStringLiteral("編集"));
    EXPECT_FALSE(pm->isVisible());
    QTest::mouseClick(static_cast<QAbstractScrollArea*>(ed()->focusProxy())->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(pm->isVisible());
    pm->close();
}
