#pragma once

#include "platform/ControlRegistry.h"

// The controls of the floating mini panel.
namespace mini_panel {
inline constexpr ControlId Panel{"mini-panel.panel"};
inline constexpr ControlId FirstColourBox{"mini-panel.first-colour-box"};
inline constexpr ControlId BodyBox{"mini-panel.body-box"};
inline constexpr ControlId Title{"mini-panel.title"};
inline constexpr ControlId CloseBox{"mini-panel.close-box"};
inline constexpr ControlId RunButton{"mini-panel.run"};
inline constexpr ControlId FirstColourButton{"mini-panel.first-colour"};
inline constexpr ControlId SecondColourButton{"mini-panel.second-colour"};
inline constexpr ControlId FirstCaption{"mini-panel.first-caption"};
inline constexpr ControlId SecondCaption{"mini-panel.second-caption"};
inline constexpr ControlId SecondColourBox{"mini-panel.second-colour-box"};
inline constexpr ControlId ValueBox{"mini-panel.value-box"};
inline constexpr ControlId ValueSpinner{"mini-panel.value-spinner"};
inline constexpr ControlId Outline{"mini-panel.outline"};
} // namespace mini_panel
