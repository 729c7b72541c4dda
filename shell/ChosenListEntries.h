#pragma once

#include "platform/Procedures.h"

class ControlRegistry;

namespace procedure {

// The chosen entry of a panel's list runs that panel's click handling, as a click on it does.
inline constexpr ProcedureId RunChosenLinkListEntry{"link-list.run-chosen-entry"};
inline constexpr ProcedureId RunChosenRenameEntry{"rename-panel.run-chosen-entry"};
inline constexpr ProcedureId RunChosenTemplateEntry{"template-panel.run-chosen-entry"};

} // namespace procedure

// The procedures above, for the link list, the rename panel's name list and the template list.
// A list that does not exist and a list without a chosen entry do nothing.
class ChosenListEntries {
public:
    ChosenListEntries(ControlRegistry& controls, Procedures& procs);

    void runChosenLinkListEntry();
    void runChosenRenameEntry();
    void runChosenTemplateEntry();

private:
    ControlRegistry& controls;
};
