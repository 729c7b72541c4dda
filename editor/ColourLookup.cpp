#include "editor/ColourLookup.h"

#include "editor/ColourNames.h"
#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/UndoRing.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

ColourLookup::ColourLookup(EditContext& context)
    : ctx(context)
{
}

const QStringList& ColourLookup::colourNames()
{
    if (!names_) {
        const ColourFile file = readColourFile(ctx.ws.state.resourcePath(QStringLiteral("color.txt")));
        names_ = ::colourNames(file);
        // Told once a run; the good records are used all the same.
        const QString message = colourFileMessage(file);
        if (!message.isEmpty())
            ctx.ws.dlg.message(message);
    }
    return *names_;
}

void ColourLookup::applyPickedColour(const QString& cs)
{
    RichEdit* ed = ctx.ws.currentEditor();
    ed->setFocus();
    const QStringList& names = colourNames();
    const QString text = ed->text();
    const ColourInsertion c = colourInsertion(text, selectionOf(ed), cs, names);
    ctx.undo.takeSnapshot();
    if (c.kind == ColourInsertion::Replace) {
        select(ed, c.selection);
        ed->replaceSelection(c.replacement);
    } else {
        insertWrap(ctx.insert, ed, c.wrap);
    }
    if (colourApplied)
        colourApplied(c.kind == ColourInsertion::Replace ? c.replacement : QString());
}
