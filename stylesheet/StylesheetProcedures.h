#pragma once

#include "platform/Procedures.h"

// The procedures the stylesheet subsystem offers to the layers above it.
namespace procedure {

// The CSS builder's value list: its chosen value goes into the style text, as a double-click does.
inline constexpr ProcedureId TakeChosenCssValue{"css-builder.take-chosen-value"};
// The list offered for the line-length box: its chosen entry goes into the box, then it closes.
inline constexpr ProcedureId TakeChosenLineLength{"line-length-list.take-chosen-entry"};

} // namespace procedure
