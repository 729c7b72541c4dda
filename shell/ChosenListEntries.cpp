#include "shell/ChosenListEntries.h"

#include "platform/ControlRegistry.h"
#include "preview/PreviewControls.h"
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

ChosenListEntries::ChosenListEntries(ControlRegistry& controlRegistry, Procedures& procs)
    : controls(controlRegistry)
{
    procs.define(procedure::RunChosenLinkListEntry, [this] { runChosenLinkListEntry(); });
    procs.define(procedure::RunChosenRenameEntry, [this] { runChosenRenameEntry(); });
    procs.define(procedure::RunChosenTemplateEntry, [this] { runChosenTemplateEntry(); });
}

void ChosenListEntries::runChosenLinkListEntry()
{
    clickChosenEntry(controls.find(link_list::List));
}

void ChosenListEntries::runChosenRenameEntry()
{
    clickChosenEntry(controls.find(rename_panel::NameList));
}

void ChosenListEntries::runChosenTemplateEntry()
{
    clickChosenEntry(controls.find(template_panel::NameList));
}
