#include "editor/EditContext.h"

#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

void EditContext::emptyUndoBuffer() const
{
    ws.currentEditor()->clearUndoHistory();
}
