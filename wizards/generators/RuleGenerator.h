#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

#include <optional>

namespace gen {

struct RuleInput {
    QString thickness;     // Txtfutosa, millimetres
    QString lengthMm;      // Txtnagasa1
    QString lengthPercent; // Txtnagasa2
    int align = 1;         // Option3 index: 0 left, 1 center, 2 right
    bool shaded = true;    // Check1 "影付き"
    QString colour;        // Txtkeisenc
};

// The HR element followed by CR LF; empty when a millimetre box is too large to write.
std::optional<QString> MakeHrTag(const RuleInput& in);

// The rule panel (Frame(1)), ExecuteButton::InsertRule: the element in front of the selection, painted red.
GeneratedEdit makeRule(const RuleInput& in);

} // namespace gen
