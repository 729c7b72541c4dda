#include "editor/PopupMenus.h"

#include "editor/Colouring.h"
#include "editor/EditContext.h"
#include "editor/EditMenu.h"
#include "editor/EditMenuItems.h"
#include "editor/EditorMenus.h"
#include "editor/Insertion.h"
#include "editor/Regions.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "workspace/Workspace.h"

#include <QCursor>
#include <QMenu>
#include <algorithm>

namespace {

// A popup's items with their handlers and its separators put back at their indexes.
std::vector<CommandItem> popupItems(std::span<const MenuItemText> table, std::initializer_list<int> separators,
                                    const ItemActions& actions)
{
    std::vector<CommandItem> items = commandItems(table, actions);
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
    ctx.commands.addMenu(editor_popup::Menu, new QMenu(QStringLiteral("編集"), host));
    ctx.commands.define(editor_popup::Menu, popupItems(editorPopupItems(), {1, 5, 9, 11}, editorPopupActions()));
    ctx.commands.addMenu(style_popup::Menu, new QMenu(QStringLiteral("スタイルヘルプ"), host));
    ctx.commands.define(style_popup::Menu, popupItems(stylePopupItems(), {1, 3}, stylePopupActions()));
    QObject::connect(&ctx.ws, &Workspace::editorMouseDown, ctx.commands.menu(editor_popup::Menu),
                     [this](int, int button, int, int, int) { onEditorMouseDown(button); });
}

ItemActions PopupMenus::editorPopupActions()
{
    return {
        {0, [this] { edit.undo(); }},
        {2, [this] { edit.cutSelection(); }},
        {3, [this] { edit.copySelection(); }},
        {4, [this] { ctx.insert.pasteClipboard(); }},
        {6, [this] { regions.foldAllButSelection(); }},
        {7, [this] { regions.foldSelection(); }},
        {8, [this] { regions.unfoldAll(ctx.ws.currentIndex()); }},
        {10, [this] { ctx.colour.recolourCurrent(); }},
        {12, [this] { Q_EMIT cssBuilderRequested(); }},
        {13, [this] { Q_EMIT styleClassListRequested(); }},
    };
}

ItemActions PopupMenus::stylePopupActions()
{
    return {
        {0, [this] { Q_EMIT styleClassListRequested(); }},
        {2, [this] { edit.undo(); }},
        {4, [this] { edit.cutSelection(); }},
        {5, [this] { edit.copySelection(); }},
        {6, [this] { ctx.insert.pasteClipboard(); }},
    };
}

void PopupMenus::runStylePopupRow(int index)
{
    if (ctx.commands.has(style_popup::Menu, index))
        ctx.commands.invoke(style_popup::Menu, index);
}

void PopupMenus::onEditorMouseDown(int button)
{
    if (button == 2) {
        ctx.commands.menu(editor_popup::Menu)->popup(QCursor::pos());
        return;
    }
    Q_EMIT styleClassListDismissed();
}
