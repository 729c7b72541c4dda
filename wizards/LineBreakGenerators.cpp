#include "wizards/LineBreakGenerators.h"

#include "wizards/EasyPanelControls.h"
#include "editor/Insertion.h"
#include "editor/TextTransforms.h"
#include "platform/ControlRegistry.h"
#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

#include <QWidget>

LineBreakGenerators::LineBreakGenerators(Workspace& workspace, Insertion& insertion, ControlRegistry& controlRegistry)
    : ws(workspace)
    , insert(insertion)
    , controls(controlRegistry)
{
}

void LineBreakGenerators::insertLineBreak()
{
    RichEdit* ed = ws.currentEditor();
    int p = ed->selectionStart();
    if (p == 0)
        return;
    // A caret inside a region marker puts the mark behind it, so that the marker stays whole.
    const int outside = outsideRegionMarker(ed->text(), p);
    if (outside != p) {
        p = outside;
        ed->setSelectionStart(p);
    }
    insert.wrapSelection(QStringLiteral("<BR>"), QString());
    ed->setSelectionStart(p + 4);
    // The line-length panel, once the panels are built.
    if (auto* panel = qobject_cast<QWidget*>(controls.find(indent_panel::Panel)))
        panel->hide();
    ed->setFocus();
}
