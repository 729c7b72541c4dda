#pragma once

#include "platform/ControlRegistry.h"

// The controls automatic creation owns, declared once; every registration, look-up and test goes
// through these.

// The settings panel "お任せの設定".
namespace auto_settings {
inline constexpr ControlId Panel{"auto-settings.panel"};
inline constexpr ControlId Title{"auto-settings.title"};
inline constexpr ControlId Explanation{"auto-settings.explanation"};
} // namespace auto_settings

// The groups of the settings panel (the navigation group is declared with the wizards' ids, which
// hide it).
namespace auto_settings {
inline constexpr ControlId RuleColourGroup{"auto-settings.rule-colour-group"};
inline constexpr ControlId BodyGroup{"auto-settings.body-group"};
inline constexpr ControlId HeadingsGroup{"auto-settings.headings-group"};
} // namespace auto_settings
