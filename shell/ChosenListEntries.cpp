#include "shell/ChosenListEntries.h"

#include "platform/ControlRegistry.h"
#include "shell/ShellControls.h"

#include <QListWidget>

namespace {

// The click on the chosen entry of a list that its panel handles.
void clickChosenEntry(QObject* control)
{
    auto* list = qobject_cast<QListWidget*>(control);
    if (list && list->currentItem())
        Q_EMIT list->itemClicked(list->currentItem());
}

} // namespace

ChosenListEntries::ChosenListEntries(ControlRegistry& controlRegistry)
    : controls(controlRegistry)
{
}

void ChosenListEntries::runChosenRenameEntry()
{
    clickChosenEntry(controls.find(rename_panel::NameList));
}

void ChosenListEntries::runChosenTemplateEntry()
{
    clickChosenEntry(controls.find(template_panel::NameList));
}
