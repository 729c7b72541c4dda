#include "stylesheet/ClassList.h"

#include "editor/Insertion.h"
#include "editor/UndoRing.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "platform/TextRules.h"
#include "stylesheet/ListChoice.h"
#include "stylesheet/StyleClasses.h"
#include "stylesheet/StylesheetControls.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QListWidget>
#include <QSignalBlocker>

ClassList::ClassList(Workspace& workspace, PanelKit& panels, UndoRing& undoRing, Insertion& insertion)
    : ws(workspace)
    , undo(undoRing)
    , insert(insertion)
{
    list_ = panels.add<QListWidget>(panels.host(), class_list::List);
    list_->hide();
    onEntryChosen(list_, [this] { applyChosenEntry(); });
}

void ClassList::hideList()
{
    list_->hide();
}

void ClassList::showClassesOfPage()
{
    const int top = ws.popupY <= 4000 ? ws.popupY : ws.popupY - 3000;
    const int left = ws.popupX <= 3000 ? ws.popupX : ws.popupX - 3000;
    twips::SetGeometry(list_, left, top, 2145, 3000);
    list_->show();
    list_->raise();
    const QSignalBlocker quiet(list_);
    list_->clear();
    const QString page = expandedText(ws.current());
    list_->addItems(css::classEntries(stylesheetText(), css::styleBlock(page)));
}

// The first open stylesheet document, or else the stylesheet the page links (not one on
// another machine); empty when neither can be read.
QString ClassList::stylesheetText()
{
    for (int i = 0; i < ws.documentCount(); ++i) {
        if (textrules::asciiLower(textrules::trimBlanks(ws.doc(i).fileName).right(4)) == QStringLiteral(".css"))
            return ws.sourceEditor(i)->text();
    }
    const Document& d = ws.current();
    const std::optional<QString> href = css::linkedStylesheet(expandedText(d));
    if (!href || css::isRemoteLink(*href))
        return QString();
    const QString folder = d.folder.isEmpty() ? ws.state.programFolder : d.folder;
    const TextReadResult read = readTextFile(css::linkedStylesheetPath(*href, folder));
    return read.ok ? toCrLf(read.text) : QString();
}

void ClassList::applyChosenEntry()
{
    const QString entry = chosenText(list_);
    if (entry.isEmpty())
        return;
    // The same entry can be chosen again after a message.
    forgetChoice(list_);
    RichEdit* ed = ws.currentEditor();
    const css::ClassEdit edit = css::applyClassEntry(ed->text(), ed->selectionStart(), ed->selectionLength(), entry);
    if (ed->selectionLength() == 0) {
        list_->hide();
        ws.dlg.message(edit.message);
        return;
    }
    undo.takeSnapshot();
    switch (edit.kind) {
    case css::ClassEdit::Kind::Message:
        ws.dlg.message(edit.message);
        return;
    case css::ClassEdit::Kind::Insert:
        ed->setSelectionStart(edit.insert.at);
        ed->replaceSelection(edit.insert.text);
        break;
    case css::ClassEdit::Kind::Wrap:
        ed->select(edit.wrap.start, edit.wrap.length);
        insert.wrapSelectionMarked(edit.wrap.before, edit.wrap.after);
        break;
    }
    ed->setFocus();
    list_->hide();
}
