#pragma once

#include "editor/EditorProcedures.h"
#include "platform/Procedures.h"

// The procedures the subsystems of the middle layer call across to one another or offer to the
// lesson and the shell. Each is defined by the subsystem named in its key.
namespace procedure {

// Opens the colour picker for the colour box whose code is the argument.
inline constexpr ProcedureId OpenColourPickerFor{"colour-picker.open-for"};
// Puts the colour picker's colour (a list of its name and its code) into the CSS builder.
inline constexpr ProcedureId PutColourIntoCssBuilder{"css-builder.put-colour"};
inline constexpr ProcedureId InsertImage{"generators.insert-image"};
inline constexpr ProcedureId ShowLinkList{"link-list.show"};
inline constexpr ProcedureId RunAutoCreate{"auto-create.run"};
inline constexpr ProcedureId ShowLesson{"lesson.show"};
// The lesson window comes to the front when it shows.
inline constexpr ProcedureId RaiseLesson{"lesson.raise"};

} // namespace procedure
