#pragma once

#include "platform/ControlRegistry.h"

// The frames wizard's panel: the file and frame names, the split, scrolling, fixed borders,
// margins, the link target and the border, with its close box, run, close and undo buttons.
namespace frames_wizard {
inline constexpr ControlId Panel{"frames-wizard.panel"};
inline constexpr ControlId Title{"frames-wizard.title"};
inline constexpr ControlId CloseBox{"frames-wizard.close-box"};
inline constexpr ControlId RunButton{"frames-wizard.run"};
inline constexpr ControlId CloseButton{"frames-wizard.close"};
inline constexpr ControlId UndoButton{"frames-wizard.undo"};
inline constexpr ControlId Explanation{"frames-wizard.explanation"};

// The groups of the panel.
inline constexpr ControlId NamesGroup{"frames-wizard.names-group"};
inline constexpr ControlId SplitGroup{"frames-wizard.split-group"};
inline constexpr ControlId FirstScrollingGroup{"frames-wizard.first-scrolling-group"};
inline constexpr ControlId SecondScrollingGroup{"frames-wizard.second-scrolling-group"};
inline constexpr ControlId FirstFixedGroup{"frames-wizard.first-fixed-group"};
inline constexpr ControlId SecondFixedGroup{"frames-wizard.second-fixed-group"};
inline constexpr ControlId AllFixedGroup{"frames-wizard.all-fixed-group"};
inline constexpr ControlId FirstMarginsGroup{"frames-wizard.first-margins-group"};
inline constexpr ControlId SecondMarginsGroup{"frames-wizard.second-margins-group"};
inline constexpr ControlId TargetGroup{"frames-wizard.target-group"};
inline constexpr ControlId BorderGroup{"frames-wizard.border-group"};

// The names: the frameset's file, and each frame's file and name (first: left or top).
inline constexpr ControlId FramesetFileLabel{"frames-wizard.frameset-file-label"};
inline constexpr ControlId FramesetFileBox{"frames-wizard.frameset-file"};
inline constexpr ControlId FirstFrameLabel{"frames-wizard.first-frame-label"};
inline constexpr ControlId FirstFileBox{"frames-wizard.first-file"};
inline constexpr ControlId FirstNameBox{"frames-wizard.first-name"};
inline constexpr ControlId SecondFrameLabel{"frames-wizard.second-frame-label"};
inline constexpr ControlId SecondFileBox{"frames-wizard.second-file"};
inline constexpr ControlId SecondNameBox{"frames-wizard.second-name"};

// 0: side by side, 1: one above the other; with the first frame's share in percent.
inline constexpr ControlArrayId Split{"frames-wizard.split"};
inline constexpr ControlId FirstSizeBox{"frames-wizard.first-size"};
inline constexpr ControlId FirstSizeUnit{"frames-wizard.first-size-unit"};

// Yes, no, auto.
inline constexpr ControlArrayId FirstScrolling{"frames-wizard.first-scrolling"};
inline constexpr ControlArrayId SecondScrolling{"frames-wizard.second-scrolling"};
// Yes, no.
inline constexpr ControlArrayId FirstFixed{"frames-wizard.first-fixed"};
inline constexpr ControlArrayId SecondFixed{"frames-wizard.second-fixed"};
inline constexpr ControlArrayId AllFixed{"frames-wizard.all-fixed"};

inline constexpr ControlId FirstTopMarginBox{"frames-wizard.first-top-margin"};
inline constexpr ControlId FirstBottomMarginBox{"frames-wizard.first-bottom-margin"};
inline constexpr ControlId SecondTopMarginBox{"frames-wizard.second-top-margin"};
inline constexpr ControlId SecondBottomMarginBox{"frames-wizard.second-bottom-margin"};

inline constexpr ControlId SetTargetCheck{"frames-wizard.set-target"};
inline constexpr ControlId TargetBox{"frames-wizard.target"};

inline constexpr ControlId BorderLabel{"frames-wizard.border-label"};
inline constexpr ControlId BordersCheck{"frames-wizard.borders"};
inline constexpr ControlId BorderColourButton{"frames-wizard.border-colour-button"};
inline constexpr ControlId BorderColourBox{"frames-wizard.border-colour"};
inline constexpr ControlId BorderWidthLabel{"frames-wizard.border-width-label"};
inline constexpr ControlId BorderWidthBox{"frames-wizard.border-width"};
inline constexpr ControlId BorderWidthUnit{"frames-wizard.border-width-unit"};
} // namespace frames_wizard
