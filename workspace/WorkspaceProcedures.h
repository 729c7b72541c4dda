#pragma once

#include "platform/Procedures.h"

// The procedures the workspace layer calls, defined by a layer above it.
namespace procedure {

// Presses an execute button through the dispatcher; the argument is the button's number.
inline constexpr ProcedureId PressExecuteButton{"dispatcher.press-execute-button"};

} // namespace procedure
