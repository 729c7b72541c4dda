#include "editor/ColourLookup.h"
#include "editor/EditorProcedures.h"

#include "editor/ColourNames.h"
#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/EditMessages.h"
#include "editor/UndoRing.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Procedures.h"
#include "platform/RichEdit.h"
#include "workspace/Workspace.h"
#include "editor/EditorControls.h"

#include <QLineEdit>
#include <QWidget>

ColourLookup::ColourLookup(EditContext& context)
    : ctx(context)
{
    ctx.procs.define(procedure::InsertColour, std::function<void(const QString&)>([this](const QString& cs) { applyPickedColour(cs); }));
}

QColor ColourLookup::plainLabelColour()
{
    return QColor(0, 0, 128);
}

QColor ColourLookup::foundLabelColour()
{
    return QColor(255, 128, 0);
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

void ColourLookup::lookUpSelectedTag()
{
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->selectionLength() == 0)
        return;
    if (!tagDictionary_) {
        // Until the dictionary window is built, its plain opening is all there is.
        ctx.callIfDefined(procedure::ShowTagDictionary);
        return;
    }
    const QStringList captions = tagDictionary_->tagCaptions();
    for (int i = 0; i < captions.size(); ++i)
        tagDictionary_->setLabelBackColour(i, plainLabelColour());
    const int found = findTagCaption(ed->selectedText(), captions);
    if (found < 0) {
        ctx.ws.dlg.message(editmsg::TagNotInDictionary);
        return;
    }
    tagDictionary_->showEntry(found);
    tagDictionary_->setLabelBackColour(found, foundLabelColour());
}
