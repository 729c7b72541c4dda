#include "stylesheet/ListClicks.h"
#include "stylesheet/StylesheetProcedures.h"

#include "platform/ControlRegistry.h"
#include "platform/Procedures.h"
#include "stylesheet/ClassList.h"
#include "stylesheet/CssBuilder.h"
#include "wizards/EasyPanelControls.h"

#include <QLineEdit>
#include <QListWidget>
#include <optional>

namespace {

// The entry chosen in a list of the array, or nothing when the list or its choice is missing.
std::optional<QString> chosenEntry(const ControlRegistry& controls, int index)
{
    auto* list = qobject_cast<QListWidget*>(controls.find(QStringLiteral("List3"), index));
    if (!list || !list->currentItem())
        return std::nullopt;
    return list->currentItem()->text();
}

} // namespace

ListClicks::ListClicks(ControlRegistry& controlRegistry, Procedures& procs, CssBuilder& cssBuilder, ClassList& classList)
    : controls(controlRegistry)
    , builder(cssBuilder)
    , classes(classList)
{
    procs.define(procedure::RunChosenLinkListEntry, [this] { List3_Click(0); });
    procs.define(procedure::RunChosenRenameEntry, [this] { List3_Click(3); });
    procs.define(procedure::RunChosenTemplateEntry, [this] { List3_Click(5); });
    procs.define(procedure::TakeChosenLineLength, [this] { List3_Click(11); });
    procs.define(procedure::TakeChosenCssValue, [this] { List3_DblClick(7); });
}

void ListClicks::List3_Click(int index)
{
    switch (index) {
    case 0:
    case 3:
    case 5: ownersClick(index); break;
    case 6:
    case 8:
    case 9: builder.List3_Click(index); break;
    case 11: lineLengthChosen(); break;
    case 12: classes.List3_Click(); break;
    default: break;
    }
}

void ListClicks::List3_DblClick(int index)
{
    builder.List3_DblClick(index);
}

// The click of a list that another panel owns, as a click on its chosen entry runs it.
void ListClicks::ownersClick(int index)
{
    auto* list = qobject_cast<QListWidget*>(controls.find(QStringLiteral("List3"), index));
    if (list && list->currentItem())
        Q_EMIT list->itemClicked(list->currentItem());
}

void ListClicks::lineLengthChosen()
{
    const std::optional<QString> entry = chosenEntry(controls, 11);
    auto* box = qobject_cast<QLineEdit*>(controls.find(indent_panel::LineLengthBox));
    if (!entry || !box)
        return;
    box->setText(*entry);
    controls.get<QWidget>(QStringLiteral("List3"), 11)->hide();
}
