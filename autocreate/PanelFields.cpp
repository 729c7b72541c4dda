#include "autocreate/PanelFields.h"

#include "platform/ControlRegistry.h"
#include "wizards/PanelSettings.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

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

void writeBox(ControlRegistry& controls, const gen::ControlRef& box, const QString& text)
{
    QObject* control = controls.find(box);
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(text);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(control))
        multi->setPlainText(text);
}

void selectOption(ControlRegistry& controls, const gen::ControlRef& option)
{
    if (auto* button = qobject_cast<QRadioButton*>(controls.find(option)))
        button->setChecked(true);
}

} // namespace autocreate
