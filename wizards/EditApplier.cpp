#include "wizards/EditApplier.h"

#include "editor/Colouring.h"
#include "editor/Insertion.h"
#include "editor/UndoRing.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "workspace/DocumentText.h"
#include "workspace/Workspace.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <stdexcept>

EditApplier::EditApplier(Workspace& workspace, UndoRing& undoRing, Insertion& insertion, Colouring& colouring,
                         ControlRegistry& controlRegistry)
    : ws(workspace)
    , undo(undoRing)
    , insert(insertion)
    , colour(colouring)
    , controls(controlRegistry)
{
}

gen::EditorState EditApplier::editorState() const
{
    const RichEdit* ed = ws.currentEditor();
    return gen::EditorState{ed->text(), ed->selectionStart(), ed->selectionLength()};
}

void EditApplier::writeField(const gen::FieldWrite& field)
{
    QObject* control = controls.find(field.control);
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(field.text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        box->setPlainText(field.text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(field.text);
    else if (control)
        throw std::logic_error(std::string(field.control.key) + " takes no text");
    // A box of a subsystem that is not built has nobody to read it.
}

void EditApplier::setControlsVisible(const QList<gen::ControlRef>& refs, bool visible)
{
    for (const gen::ControlRef& r : refs) {
        if (auto* w = qobject_cast<QWidget*>(controls.find(r)))
            w->setVisible(visible);
    }
}

bool EditApplier::apply(const gen::GeneratedEdit& e)
{
    const auto ask = [this](const gen::Prompt& p) {
        return ws.dlg.message(p.text, p.buttons == gen::Buttons::YesNo ? MsgButtons::YesNo : MsgButtons::OK);
    };
    if (e.confirm && ask(*e.confirm) != MsgResult::Yes)
        return false;
    Document& d = ws.current();
    RichEdit* ed = d.sourceEditor;
    if (e.replacesDocument) {
        // The whole text goes into the editor first, so that the snapshot holds all of it.
        const QString whole = expandedText(d);
        d.header.clear();
        d.footer.clear();
        d.regions = RegionTable{};
        if (whole != ed->text())
            ed->setText(whole);
    }
    if (e.snapshot)
        undo.takeSnapshot();
    for (const gen::FieldWrite& f : e.fields)
        writeField(f);
    setControlsVisible(e.hide, false);
    if (e.message)
        ask(*e.message);
    setControlsVisible(e.show, true);

    if (e.selectFirst)
        ed->select(e.selectFirst->start, e.selectFirst->length);
    switch (e.primitive) {
    case gen::Primitive::None:
        break;
    case gen::Primitive::WrapMarked:
        insert.wrapSelectionMarked(e.before, e.after);
        break;
    case gen::Primitive::WrapPlain:
        insert.wrapSelection(e.before, e.after);
        break;
    case gen::Primitive::ReplaceSelection:
        ed->replaceSelection(e.before);
        break;
    case gen::Primitive::SetText:
        ed->setText(e.before);
        colour.recolour(ed);
        ed->setSelectionStart(0);
        break;
    }
    for (const gen::Range& r : e.paint)
        ed->paintRange(r.start, r.length, Insertion::markColour());
    if (e.selectAfter)
        ed->select(e.selectAfter->start, e.selectAfter->length);
    if (e.primitive != gen::Primitive::None)
        ed->setFocus();

    // The preview shows the new page at once.
    if (e.writeTempPage)
        ws.writeCurrentTempPage();
    return true;
}
