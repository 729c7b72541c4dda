#pragma once

#include "platform/CommandRegistry.h"

// The File menu: its fixed items, then the recent files, a separator and the exit item, which
// it generates (rows from FirstRecentRow on).
namespace file_menu {
inline constexpr MenuId Menu{"file"};
inline constexpr CommandId OpenInCurrentTab{"file.open-in-current-tab"};
inline constexpr CommandId OpenProject{"file.open-project"};
inline constexpr CommandId NewTab{"file.new-tab"};
inline constexpr CommandId OpenInNewTab{"file.open-in-new-tab"};
inline constexpr CommandId RenameFile{"file.rename-file"};
inline constexpr CommandId Save{"file.save"};
inline constexpr CommandId SaveAs{"file.save-as"};
inline constexpr CommandId SaveAll{"file.save-all"};
inline constexpr CommandId SaveProject{"file.save-project"};
inline constexpr CommandId ClearAll{"file.clear-all"};
inline constexpr CommandId SaveTemplate{"file.save-template"};
inline constexpr CommandId InsertTemplate{"file.insert-template"};
inline constexpr CommandId Print{"file.print"};
inline constexpr CommandId Quit{"file.quit"};
// The row of the first generated item.
inline constexpr int FirstRecentRow = 20;
} // namespace file_menu
