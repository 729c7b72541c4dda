#pragma once

#include "platform/ControlRegistry.h"

// The controls of the shell's own panels.

// The template panel: saving the selection as a named template, deleting one, pasting one.
namespace template_panel {
inline constexpr ControlId Panel{"template-panel.panel"};
inline constexpr ControlId Title{"template-panel.title"};
inline constexpr ControlId Explanation{"template-panel.explanation"};
// The name of the template to save, or of the one chosen in the list.
inline constexpr ControlId NameBox{"template-panel.name-box"};
// The names of the templates in the file.
inline constexpr ControlId NameList{"template-panel.name-list"};
// The whole template file, the chosen template's body selected.
inline constexpr ControlId ContentBox{"template-panel.content-box"};
} // namespace template_panel

// The rename panel: another save name for an open document.
namespace rename_panel {
inline constexpr ControlId Panel{"rename-panel.panel"};
inline constexpr ControlId Title{"rename-panel.title"};
inline constexpr ControlId Explanation{"rename-panel.explanation"};
// The open documents' file names, as the user picks one.
inline constexpr ControlId NameList{"rename-panel.name-list"};
// The open documents' save names with their folder parts, row for row (hidden).
inline constexpr ControlId StoredNameList{"rename-panel.stored-name-list"};
// The new name.
inline constexpr ControlId NewNameBox{"rename-panel.new-name-box"};
} // namespace rename_panel
