#include "editor/UndoRing.h"

#include "editor/Colouring.h"
#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

#include <QApplication>

void UndoRing::store(bool marked)
{
    Document& d = ws.current();
    RichEdit* ed = d.sourceEditor;
    const int previous = d.undoPosition;
    const int k = (previous + 1) % UndoRingSize;
    d.undoPosition = k;
    Snapshot& slot = d.undoRing[static_cast<size_t>(k)];
    slot.text = ed->text();
    slot.selStart = ed->selectionStart();
    slot.topLine = ed->firstVisibleLine();
    slot.text.squeeze(); // a snapshot holds its text and no spare room
    // The mark of the slot in front says how the snapshot in this slot was taken.
    d.undoRing[static_cast<size_t>(previous)].mark = marked;
    slot.mark = false;
    d.undoRing[static_cast<size_t>((k + 1) % UndoRingSize)].text.clear();
}

void UndoRing::takeSnapshot()
{
    if (ws.state.autoCreating)
        return;
    Document& d = ws.current();
    // Compared with this document's own newest snapshot, so that a command right after an undo
    // still gets its snapshot.
    if (d.sourceEditor->text() == d.undoRing[static_cast<size_t>(d.undoPosition)].text)
        return;
    store(false);
}

void UndoRing::takeMarkedSnapshot()
{
    if (ws.state.autoCreating)
        return;
    store(true);
}

void UndoRing::stepBack()
{
    if (ws.state.autoCreating)
        return;
    Document& d = ws.current();
    RichEdit* ed = d.sourceEditor;
    const int k = d.undoPosition;
    const int p = (k + UndoRingSize - 1) % UndoRingSize;
    const bool schemeD = colour.checkedScheme() == 4;

    if (!d.undoRing[static_cast<size_t>(p)].mark && ed->canUndo()) {
        const QString before = ed->text();
        ed->undo();
        if (ed->text() != before) {
            if (schemeD)
                colour.recolourCurrent();
            return;
        }
    }
    const Snapshot& slot = d.undoRing[static_cast<size_t>(k)];
    if (slot.text.isEmpty()) {
        if (schemeD)
            colour.recolourCurrent();
        return;
    }
    ed->setUpdatesEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ed->setText(slot.text);
    colour.recolour(ed);
    ed->setSelectionStart(slot.selStart);
    d.undoPosition = p;
    // Back to the line that was at the top when the snapshot was taken.
    ed->setFirstVisibleLine(slot.topLine);
    ed->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
}
