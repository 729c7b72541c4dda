#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

#include <optional>

namespace gen {

struct RuleInput {
    QString thickness;     // rule_panel::ThicknessBox, millimetres
    QString lengthMm;      // rule_panel::LengthMmBox
    QString lengthPercent; // rule_panel::LengthPercentBox
    int align = 1;         // rule_panel::Alignment place: 0 left, 1 center, 2 right
    bool shaded = true;    // rule_panel::ShadedCheck "影付き"
    QString colour;        // rule_panel::ColourBox
};

// The HR element followed by CR LF; empty when a millimetre box is too large to write.
std::optional<QString> MakeHrTag(const RuleInput& in);

// The rule panel (Frame(1)), ExecuteButton::InsertRule: the element in front of the selection, painted red.
GeneratedEdit makeRule(const RuleInput& in);

} // namespace gen
