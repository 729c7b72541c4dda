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

// The indent panel: the number of characters to a line, kept in the settings. The line-break
// panel of the easy-creation menu and the Edit-2 menu's line length open it.
namespace indent_panel {
inline constexpr ControlId Panel{"indent-panel.panel"};
inline constexpr ControlId Title{"indent-panel.title"};
inline constexpr ControlId Explanation{"indent-panel.explanation"};
inline constexpr ControlId LineLengthBox{"indent-panel.line-length"};
// A list of lengths offered for the line length box; a click takes one.
inline constexpr ControlId LineLengthChoices{"indent-panel.line-length-choices"};
} // namespace indent_panel

// The heading panel: the spinner beside its level box.
namespace heading_panel {
inline constexpr ControlId LevelSpinner{"heading-panel.level-spinner"};
} // namespace heading_panel

// The easy-creation panels themselves: each panel, its title and its explanation box.

// The space panel: inserts a blank space.
namespace space_panel {
inline constexpr ControlId Panel{"space-panel.panel"};
inline constexpr ControlId Title{"space-panel.title"};
inline constexpr ControlId Explanation{"space-panel.explanation"};
} // namespace space_panel

// The title panel: the page's title.
namespace title_panel {
inline constexpr ControlId Panel{"title-panel.panel"};
inline constexpr ControlId Title{"title-panel.title"};
inline constexpr ControlId Explanation{"title-panel.explanation"};
} // namespace title_panel

// The heading panel: a heading of the chosen level.
namespace heading_panel {
inline constexpr ControlId Panel{"heading-panel.panel"};
inline constexpr ControlId Title{"heading-panel.title"};
inline constexpr ControlId Explanation{"heading-panel.explanation"};
} // namespace heading_panel

// The body colours panel: the page's text and background colours.
namespace body_colours_panel {
inline constexpr ControlId Panel{"body-colours-panel.panel"};
inline constexpr ControlId Title{"body-colours-panel.title"};
inline constexpr ControlId Explanation{"body-colours-panel.explanation"};
} // namespace body_colours_panel

// The margins panel: the page's top and left margins.
namespace margins_panel {
inline constexpr ControlId Panel{"margins-panel.panel"};
inline constexpr ControlId Title{"margins-panel.title"};
inline constexpr ControlId Explanation{"margins-panel.explanation"};
} // namespace margins_panel

// The comment panel: wraps the selection in a comment.
namespace comment_panel {
inline constexpr ControlId Panel{"comment-panel.panel"};
inline constexpr ControlId Title{"comment-panel.title"};
inline constexpr ControlId Explanation{"comment-panel.explanation"};
} // namespace comment_panel

// The paragraph panel: an aligned paragraph.
namespace paragraph_panel {
inline constexpr ControlId Panel{"paragraph-panel.panel"};
inline constexpr ControlId Title{"paragraph-panel.title"};
inline constexpr ControlId Explanation{"paragraph-panel.explanation"};
} // namespace paragraph_panel

// The position panel: an aligned division.
namespace position_panel {
inline constexpr ControlId Panel{"position-panel.panel"};
inline constexpr ControlId Title{"position-panel.title"};
inline constexpr ControlId Explanation{"position-panel.explanation"};
} // namespace position_panel

// The preformatted text panel: the selection shown as it is laid out.
namespace preformatted_panel {
inline constexpr ControlId Panel{"preformatted-panel.panel"};
inline constexpr ControlId Title{"preformatted-panel.title"};
inline constexpr ControlId Explanation{"preformatted-panel.explanation"};
} // namespace preformatted_panel

// The font panel.
namespace font_panel {
inline constexpr ControlId Panel{"font-panel.panel"};
inline constexpr ControlId Title{"font-panel.title"};
inline constexpr ControlId Explanation{"font-panel.explanation"};
} // namespace font_panel

// The font size panel.
namespace font_size_panel {
inline constexpr ControlId Panel{"font-size-panel.panel"};
inline constexpr ControlId Title{"font-size-panel.title"};
inline constexpr ControlId Explanation{"font-size-panel.explanation"};
} // namespace font_size_panel

// The font colour panel.
namespace font_colour_panel {
inline constexpr ControlId Panel{"font-colour-panel.panel"};
inline constexpr ControlId Title{"font-colour-panel.title"};
inline constexpr ControlId Explanation{"font-colour-panel.explanation"};
} // namespace font_colour_panel

// The emphasis panel.
namespace emphasis_panel {
inline constexpr ControlId Panel{"emphasis-panel.panel"};
inline constexpr ControlId Title{"emphasis-panel.title"};
inline constexpr ControlId Explanation{"emphasis-panel.explanation"};
} // namespace emphasis_panel

// The strong emphasis panel.
namespace strong_panel {
inline constexpr ControlId Panel{"strong-panel.panel"};
inline constexpr ControlId Title{"strong-panel.title"};
inline constexpr ControlId Explanation{"strong-panel.explanation"};
} // namespace strong_panel

// The font shape panel.
namespace font_shape_panel {
inline constexpr ControlId Panel{"font-shape-panel.panel"};
inline constexpr ControlId Title{"font-shape-panel.title"};
inline constexpr ControlId Explanation{"font-shape-panel.explanation"};
} // namespace font_shape_panel

// The line length panel, which no menu opens; only its buttons are reached.
namespace line_length_panel {
inline constexpr ControlId Panel{"line-length-panel.panel"};
inline constexpr ControlId Title{"line-length-panel.title"};
inline constexpr ControlId Explanation{"line-length-panel.explanation"};
} // namespace line_length_panel

// The drop cap panel, which no menu opens; it has no explanation box.
namespace drop_cap_panel {
inline constexpr ControlId Panel{"drop-cap-panel.panel"};
inline constexpr ControlId Title{"drop-cap-panel.title"};
} // namespace drop_cap_panel

// The table panel of the advanced menu, built with the table panel's controls above.
// Its group holds the execute button.
namespace table_panel {
inline constexpr ControlId Panel{"table-panel.panel"};
inline constexpr ControlId Title{"table-panel.title"};
inline constexpr ControlId Explanation{"table-panel.explanation"};
inline constexpr ControlId RunGroup{"table-panel.run-group"};
} // namespace table_panel
