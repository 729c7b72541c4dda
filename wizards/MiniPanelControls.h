#pragma once

#include "editor/EditorControls.h"
#include "platform/ControlRegistry.h"

// The controls of the floating mini panel. The panel itself, its first colour box and its body
// box are declared with the editor's controls, which reaches them from its lower layer.
namespace mini_panel {
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
