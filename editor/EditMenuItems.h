#pragma once

#include "platform/CommandRegistry.h"

#include <functional>
#include <map>
#include <span>
#include <vector>

// The captions, shortcuts and indexes of the Edit menu, the Edit-2 menu, the editor's two popup
// menus and the toolbar's buttons. Captions and keys are UTF-8; "-" is a separator, which keeps
// its index and does nothing. Shortcuts are written as QKeySequence reads them ("" for none).
struct MenuItemText {
    int index;
    const char* caption;
    const char* shortcut;
    CommandId id = {}; // none for a separator
};

// The toolbar's buttons in their order on the bar: the key the handler compares, and the tip.
struct ToolbarButtonText {
    const char* key;
    const char* tip;
    CommandId id;
};

std::span<const MenuItemText> editMenuItems();      // edit_menu (editor/EditorMenus.h), "編集(&E)"
std::span<const MenuItemText> edit2MenuItems();     // edit2_menu, "編集2(&G)"
std::span<const MenuItemText> editorPopupItems();   // editor_popup, "編集"; 1, 5, 9 and 11 are separators
std::span<const MenuItemText> stylePopupItems();    // style_popup, "スタイルヘルプ"; 1 and 3 are separators
std::span<const ToolbarButtonText> toolbarButtons();

// The items of a menu's table as the command registry declares them (no handlers: the menu's own
// handler runs with the item's index).
std::vector<CommandItem> commandItems(std::span<const MenuItemText> items);

// The handlers of a menu's items by index.
using ItemActions = std::map<int, std::function<void()>>;
// The same with each item's handler taken from `actions` (an item without one has none).
std::vector<CommandItem> commandItems(std::span<const MenuItemText> items, const ItemActions& actions);
