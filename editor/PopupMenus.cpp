#include "editor/PopupMenus.h"
#include "editor/EditorProcedures.h"

#include "editor/Colouring.h"
#include "editor/EditContext.h"
#include "editor/EditMenu.h"
#include "editor/EditMenuItems.h"
#include "editor/Insertion.h"
#include "editor/Regions.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "workspace/Workspace.h"

#include <QCursor>
#include <QMenu>
#include <algorithm>

namespace {

const QString EditorPopup = QStringLiteral("pm");
const QString StylePopup = QStringLiteral("sh1");

// A popup's items with its separators put back at their indexes.
std::vector<CommandItem> popupItems(std::span<const MenuItemText> table, std::initializer_list<int> separators)
{
    std::vector<CommandItem> items = commandItems(table);
    for (int index : separators)
        items.push_back({index, QStringLiteral("-")});
    std::sort(items.begin(), items.end(), [](const CommandItem& a, const CommandItem& b) { return a.index < b.index; });
    return items;
}

} // namespace

PopupMenus::PopupMenus(EditContext& context, EditMenu& editMenu, Regions& regionCommands, QWidget* host)
    : ctx(context)
    , edit(editMenu)
    , regions(regionCommands)
{
    ctx.commands.addMenu(EditorPopup, new QMenu(QStringLiteral("編集"), host), [this](int i) { pmm_Click(i); });
    ctx.commands.define(EditorPopup, popupItems(editorPopupItems(), {1, 5, 9, 11}));
    ctx.commands.addMenu(StylePopup, new QMenu(QStringLiteral("スタイルヘルプ"), host), [this](int i) { sh1_Click(i); });
    ctx.commands.define(StylePopup, popupItems(stylePopupItems(), {1, 3}));
    QObject::connect(&ctx.ws, &Workspace::editorMouseDown, ctx.commands.menu(EditorPopup),
                     [this](int n, int button, int, int, int) { HtText_MouseDown(n, button); });
}

void PopupMenus::pmm_Click(int index)
{
    switch (index) {
    case 0: edit.UndoEdit(); break;
    case 2: edit.CutSel(); break;
    case 3: edit.CopySel(); break;
    case 4: ctx.insert.pasteClipboard(); break;
    case 6: regions.RegionOnlySelected(); break;
    case 7: regions.RegionHide(); break;
    case 8: regions.RegionShowAll(ctx.ws.currentIndex()); break;
    case 10: ctx.colour.recolourCurrent(); break;
    case 12: ctx.callIfDefined(procedure::ShowCssBuilder); break;
    case 13: ctx.callIfDefined(procedure::ListStyleClasses); break;
    default: break;
    }
}

void PopupMenus::sh1_Click(int index)
{
    switch (index) {
    case 0: ctx.callIfDefined(procedure::ListStyleClasses); break;
    case 2: edit.UndoEdit(); break;
    case 4: edit.CutSel(); break;
    case 5: edit.CopySel(); break;
    case 6: ctx.insert.pasteClipboard(); break;
    default: break;
    }
}

void PopupMenus::HtText_MouseDown(int, int button)
{
    if (button == 2) {
        ctx.commands.menu(EditorPopup)->popup(QCursor::pos());
        return;
    }
    ctx.callIfDefined(procedure::HideStyleClasses);
}
