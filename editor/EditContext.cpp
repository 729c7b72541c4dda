#include "editor/EditContext.h"

#include "platform/Procedures.h"
#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

bool EditContext::callIfDefined(ProcedureId id, const QVariant& argument) const
{
    if (!procs.defined(id))
        return false;
    procs.call(id, argument);
    return true;
}

void EditContext::emptyUndoBuffer() const
{
    ws.currentEditor()->clearUndoHistory();
}
