#pragma once

#include "autocreate/GeneratorAdapters.h"

#include <QString>

class ControlRegistry;

// The wizard panels' settings that automatic creation runs their generators with, read through
// the wizards (wizards/PanelSettings.h), which build the panels at start-up.
namespace autocreate {

PanelInputs readPanelInputs(const ControlRegistry& controls);

} // namespace autocreate
