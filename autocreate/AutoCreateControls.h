#pragma once

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"

// The controls automatic creation owns, declared once; every registration, look-up and test goes
// through these.

// The menu "自動作成".
namespace auto_create_menu {
inline constexpr MenuId Menu{"auto-create"};
// The switch: a text file is converted as soon as it is opened.
inline constexpr CommandId RunOnOpening{"auto-create.run-on-opening"};
inline constexpr CommandId Run{"auto-create.run"};
inline constexpr CommandId ShowSettings{"auto-create.show-settings"};
inline constexpr CommandId MakeAnchorLinks{"auto-create.make-anchor-links"};
} // namespace auto_create_menu

// The settings panel "お任せの設定".
namespace auto_settings {
inline constexpr ControlId Panel{"auto-settings.panel"};
inline constexpr ControlId Title{"auto-settings.title"};
inline constexpr ControlId Explanation{"auto-settings.explanation"};
// The work list of the steps (kept empty and hidden).
inline constexpr ControlId WorkList{"auto-settings.work-list"};
// The font sizes of the navigation, the body and the paragraph headings.
inline constexpr ControlId NavigationFontSizeBox{"auto-settings.navigation-font-size"};
inline constexpr ControlId BodyFontSizeBox{"auto-settings.body-font-size"};
inline constexpr ControlId HeadingSizeBox{"auto-settings.heading-size"};
// No frames, side by side, one above the other.
inline constexpr ControlArrayId FrameLayoutOption{"auto-settings.frame-layout"};
// The colour boxes, and the colour buttons beside them that ask the colour picker for their colour.
inline constexpr ControlId RuleColourBox{"auto-settings.rule-colour"};
inline constexpr ControlId NavigationBackgroundBox{"auto-settings.navigation-background"};
inline constexpr ControlId BodyTextColourBox{"auto-settings.body-text-colour"};
inline constexpr ControlId BodyBackgroundBox{"auto-settings.body-background"};
inline constexpr ControlId HeadingColourBox{"auto-settings.heading-colour"};
inline constexpr ControlId RuleColourButton{"auto-settings.rule-colour-button"};
inline constexpr ControlId NavigationBackgroundButton{"auto-settings.navigation-background-button"};
inline constexpr ControlId BodyTextColourButton{"auto-settings.body-text-colour-button"};
inline constexpr ControlId BodyBackgroundButton{"auto-settings.body-background-button"};
inline constexpr ControlId HeadingColourButton{"auto-settings.heading-colour-button"};
} // namespace auto_settings

// The groups of the settings panel.
namespace auto_settings {
inline constexpr ControlId NavigationGroup{"auto-settings.navigation-group"};
inline constexpr ControlId RuleColourGroup{"auto-settings.rule-colour-group"};
inline constexpr ControlId BodyGroup{"auto-settings.body-group"};
inline constexpr ControlId HeadingsGroup{"auto-settings.headings-group"};
} // namespace auto_settings
