#pragma once

#include "platform/ControlRegistry.h"

// The controls automatic creation owns, declared once; every registration, look-up and test goes
// through these.

// The settings panel "お任せの設定".
namespace auto_settings {
inline constexpr ControlId Panel{"auto-settings.panel"};
inline constexpr ControlId Title{"auto-settings.title"};
inline constexpr ControlId Explanation{"auto-settings.explanation"};
// The work list of the steps (kept empty and hidden).
inline constexpr ControlId WorkList{"auto-settings.work-list"};
} // namespace auto_settings
