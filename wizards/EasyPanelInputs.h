#pragma once

#include "platform/ControlRegistry.h"

// The inputs of the easy-creation panels: the boxes, options, check boxes and buttons their
// generators read, by panel.

// The title panel.
namespace title_panel {
inline constexpr ControlId TitleBox{"title-panel.title-box"};
} // namespace title_panel

// The heading panel: the level, which its spinner sets.
namespace heading_panel {
inline constexpr ControlId LevelBox{"heading-panel.level"};
} // namespace heading_panel

// The body colours panel: the text and background colours with their colour buttons.
namespace body_colours_panel {
inline constexpr ControlId TextColourButton{"body-colours-panel.text-colour-button"};
inline constexpr ControlId TextColourBox{"body-colours-panel.text-colour"};
inline constexpr ControlId BackgroundButton{"body-colours-panel.background-button"};
inline constexpr ControlId BackgroundBox{"body-colours-panel.background"};
} // namespace body_colours_panel

// The margins panel: the top and left margins.
namespace margins_panel {
inline constexpr ControlId TopMarginBox{"margins-panel.top"};
inline constexpr ControlId LeftMarginBox{"margins-panel.left"};
} // namespace margins_panel

// The paragraph panel: left, centred, right.
namespace paragraph_panel {
inline constexpr ControlArrayId Alignment{"paragraph-panel.alignment"};
} // namespace paragraph_panel

// The position panel: left, centred, right.
namespace position_panel {
inline constexpr ControlArrayId Alignment{"position-panel.alignment"};
} // namespace position_panel

// The font size panel: the size, its spinner, and whether it is absolute (0) or relative (1).
namespace font_size_panel {
inline constexpr ControlId SizeBox{"font-size-panel.size"};
inline constexpr ControlId SizeSpinner{"font-size-panel.size-spinner"};
inline constexpr ControlArrayId Kind{"font-size-panel.kind"};
} // namespace font_size_panel

// The font colour panel.
namespace font_colour_panel {
inline constexpr ControlId ColourBox{"font-colour-panel.colour"};
inline constexpr ControlId ColourButton{"font-colour-panel.colour-button"};
} // namespace font_colour_panel

// The font shape panel: a check box per style; the script one shows the choice of superscript
// or subscript.
namespace font_shape_panel {
inline constexpr ControlId BoldCheck{"font-shape-panel.bold"};
inline constexpr ControlId ItalicCheck{"font-shape-panel.italic"};
inline constexpr ControlId StrikeCheck{"font-shape-panel.strike"};
inline constexpr ControlId TeletypeCheck{"font-shape-panel.teletype"};
inline constexpr ControlId UnderlineCheck{"font-shape-panel.underline"};
inline constexpr ControlId ScriptCheck{"font-shape-panel.script"};
// The style check boxes in the panel's order.
inline constexpr ControlId StyleChecks[] = {BoldCheck, ItalicCheck, StrikeCheck, TeletypeCheck, UnderlineCheck, ScriptCheck};
inline constexpr ControlId ScriptGroup{"font-shape-panel.script-group"};
inline constexpr ControlId SuperscriptOption{"font-shape-panel.superscript"};
inline constexpr ControlId SubscriptOption{"font-shape-panel.subscript"};
} // namespace font_shape_panel
