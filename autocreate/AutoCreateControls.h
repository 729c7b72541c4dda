#pragma once

#include "platform/ControlRegistry.h"
#include "wizards/AutoSettingsColourControls.h"

// The controls automatic creation owns, declared once; every registration, look-up and test goes
// through these.

// The settings panel "お任せの設定".
namespace auto_settings {
inline constexpr ControlId Panel{"auto-settings.panel"};
inline constexpr ControlId Title{"auto-settings.title"};
inline constexpr ControlId Explanation{"auto-settings.explanation"};
// The font sizes of the navigation, the body and the paragraph headings.
inline constexpr ControlId NavigationFontSizeBox{"auto-settings.navigation-font-size"};
inline constexpr ControlId BodyFontSizeBox{"auto-settings.body-font-size"};
inline constexpr ControlId HeadingSizeBox{"auto-settings.heading-size"};
// No frames, side by side, one above the other.
inline constexpr ControlArrayId FrameLayoutOption{"auto-settings.frame-layout"};
} // namespace auto_settings
