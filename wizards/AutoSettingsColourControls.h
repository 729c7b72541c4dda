#pragma once

#include "platform/ControlRegistry.h"

// The colour boxes of automatic creation's settings panel, which the colour picker fills, and the
// colour buttons beside them. Automatic creation builds them; its other controls are in
// autocreate/AutoCreateControls.h.
namespace auto_settings {
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
