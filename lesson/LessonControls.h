#pragma once

#include "platform/ControlRegistry.h"

// The controls of the lesson window. The window registers its parts in its own registry; the main
// window's registry holds the lesson window itself.
namespace lesson_window {

// The lesson window, in the main window's registry.
inline constexpr ControlId Window{"lesson.window"};

// The explanation of the step that ran.
inline constexpr ControlId Explanation{"lesson.explanation"};
// The script line at which the step that runs began.
inline constexpr ControlId CurrentLine{"lesson.current-line"};
// The line at which the last step began: the step mark.
inline constexpr ControlId StepMark{"lesson.step-mark"};
// ▶: one step, then on to the line in the run-to box.
inline constexpr ControlId StepButton{"lesson.step"};
// <<: back to the start of the lesson.
inline constexpr ControlId BackToStartButton{"lesson.back-to-start"};
// <: one step back.
inline constexpr ControlId StepBackButton{"lesson.step-back"};
// >>: the lesson to its end.
inline constexpr ControlId RunToEndButton{"lesson.run-to-end"};
// The run-to box and its label: ▶ goes on to the line it holds.
inline constexpr ControlId RunToLabel{"lesson.run-to-label"};
inline constexpr ControlId RunTo{"lesson.run-to"};

} // namespace lesson_window
