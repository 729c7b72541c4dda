#include "stylesheet/ListClicks.h"
#include "stylesheet/StylesheetProcedures.h"

#include "platform/ControlRegistry.h"
#include "platform/Procedures.h"
#include "stylesheet/CssBuilder.h"
#include "wizards/EasyPanelControls.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

// The click of a list that another panel owns, as a click on its chosen entry runs it.
void clickChosenEntry(QObject* control)
{
    auto* list = qobject_cast<QListWidget*>(control);
    if (list && list->currentItem())
        Q_EMIT list->itemClicked(list->currentItem());
}

} // namespace

ListClicks::ListClicks(ControlRegistry& controlRegistry, Procedures& procs, CssBuilder& builder)
    : controls(controlRegistry)
{
    procs.define(procedure::RunChosenLinkListEntry, [this] { runChosenLinkListEntry(); });
    procs.define(procedure::RunChosenRenameEntry, [this] { runChosenRenameEntry(); });
    procs.define(procedure::RunChosenTemplateEntry, [this] { runChosenTemplateEntry(); });
    procs.define(procedure::TakeChosenLineLength, [this] { takeChosenLineLength(); });
    procs.define(procedure::TakeChosenCssValue, [&builder] { builder.writeChosenValue(); });
}

void ListClicks::runChosenLinkListEntry()
{
    clickChosenEntry(controls.find(QStringLiteral("List3"), 0));
}

void ListClicks::runChosenRenameEntry()
{
    clickChosenEntry(controls.find(QStringLiteral("List3"), 3));
}

void ListClicks::runChosenTemplateEntry()
{
    clickChosenEntry(controls.find(QStringLiteral("List3"), 5));
}

void ListClicks::takeChosenLineLength()
{
    auto* lengths = qobject_cast<QListWidget*>(controls.find(QStringLiteral("List3"), 11));
    auto* box = qobject_cast<QLineEdit*>(controls.find(indent_panel::LineLengthBox));
    if (!lengths || !lengths->currentItem() || !box)
        return;
    box->setText(lengths->currentItem()->text());
    lengths->hide();
}
