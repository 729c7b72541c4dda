#pragma once

#include "platform/ControlRegistry.h"

// The controls of the easy-creation panels and the panels built with them, by id.

// The font panel: the fonts chosen so far and the buttons that add one and take the chosen one out.
namespace font_panel {
inline constexpr ControlId FontList{"font-panel.font-list"};
inline constexpr ControlId AddFontButton{"font-panel.add-font"};
inline constexpr ControlId RemoveFontButton{"font-panel.remove-font"};
} // namespace font_panel

// The table panel: the table data box that shares its place with the explanation, and the
// buttons that switch between them, clear the data and fill in the sample rows.
namespace table_panel {
inline constexpr ControlId DataBox{"table-panel.data-box"};
inline constexpr ControlId ShowExplanationButton{"table-panel.show-explanation"};
inline constexpr ControlId ShowDataButton{"table-panel.show-data"};
inline constexpr ControlId ClearDataButton{"table-panel.clear-data"};
inline constexpr ControlId SampleRowsButton{"table-panel.sample-rows"};
} // namespace table_panel

// The indent panel: the number of characters to a line, kept in the settings.
namespace indent_panel {
inline constexpr ControlId LineLengthBox{"indent-panel.line-length"};
// A list of lengths offered for the line length box; a click takes one.
inline constexpr ControlId LineLengthChoices{"indent-panel.line-length-choices"};
} // namespace indent_panel

// The heading panel: the spinner beside its level box.
namespace heading_panel {
inline constexpr ControlId LevelSpinner{"heading-panel.level-spinner"};
} // namespace heading_panel
