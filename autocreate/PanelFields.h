#pragma once

#include "autocreate/GeneratorAdapters.h"

#include <QString>

class ControlRegistry;

// The wizard panels' controls as automatic creation reads and writes them. The panels belong to
// the wizards, which build them at start-up; a control that is not registered is left alone.
namespace autocreate {

PanelInputs readPanelInputs(const ControlRegistry& controls);

// Writes a text box (single-line or multi-line) when it is registered.
void writeBox(ControlRegistry& controls, const gen::ControlRef& box, const QString& text);
// Selects an option button when it is registered; its click runs as if the user chose it.
void selectOption(ControlRegistry& controls, const gen::ControlRef& option);

} // namespace autocreate
