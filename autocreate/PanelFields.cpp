#include "autocreate/PanelFields.h"

#include "platform/ControlRegistry.h"
#include "wizards/PanelSettings.h"


namespace autocreate {

PanelInputs readPanelInputs(const ControlRegistry& controls)
{
    PanelInputs p;
    p.rule = panel::ruleSettings(controls);
    p.list = panel::listSettings(controls);
    p.table = panel::tableSettings(controls);
    p.image = panel::imageSettings(controls);
    p.frames = panel::framesetSettings(controls);
    return p;
}

} // namespace autocreate
