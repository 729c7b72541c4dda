#include "stylesheet/ListClicks.h"
#include "stylesheet/StylesheetProcedures.h"

#include "platform/ControlRegistry.h"
#include "platform/Procedures.h"
#include "stylesheet/CssBuilder.h"
#include "wizards/EasyPanelControls.h"

#include <QLineEdit>
#include <QListWidget>

ListClicks::ListClicks(ControlRegistry& controlRegistry, Procedures& procs, CssBuilder& builder)
    : controls(controlRegistry)
{
    procs.define(procedure::TakeChosenLineLength, [this] { takeChosenLineLength(); });
    procs.define(procedure::TakeChosenCssValue, [&builder] { builder.writeChosenValue(); });
}

void ListClicks::takeChosenLineLength()
{
    auto* lengths = qobject_cast<QListWidget*>(controls.find(indent_panel::LineLengthChoices));
    auto* box = qobject_cast<QLineEdit*>(controls.find(indent_panel::LineLengthBox));
    if (!lengths || !lengths->currentItem() || !box)
        return;
    box->setText(lengths->currentItem()->text());
    lengths->hide();
}
