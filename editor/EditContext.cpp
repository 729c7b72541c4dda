#include "editor/EditContext.h"

#include "platform/Procedures.h"
#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

bool EditContext::callIfDefined(const QString& name, const QVariant& argument) const
{
    if (!procs.defined(name))
        return false;
    procs.call(name, argument);
    return true;
}

void EditContext::emptyUndoBuffer() const
{
    ws.currentEditor()->EmptyUndoBuffer();
}
