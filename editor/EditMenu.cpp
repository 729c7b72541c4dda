#include "editor/EditMenu.h"
#include "editor/EditorControls.h"

#include "editor/Colouring.h"
#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/EditMenuItems.h"
#include "editor/EditMessages.h"
#include "editor/Insertion.h"
#include "editor/PasteMode.h"
#include "editor/SearchPanels.h"
#include "editor/TextTransforms.h"
#include "editor/UndoRing.h"
#include "editor/EditorMenus.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "workspace/DocumentText.h"
#include "workspace/ExecuteButtons.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

// The selected text of the text box that has the focus, or of the editor when none has it.
QString focusedSelection(RichEdit* ed)
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        return line->selectedText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        return plain->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return ed->selectedText();
}

void deleteFocusedSelection(RichEdit* ed)
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        if (!line->isReadOnly() && line->hasSelectedText())
            line->del();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        if (!plain->isReadOnly())
            plain->textCursor().removeSelectedText();
    } else {
        ed->replaceSelection(QString());
    }
}

} // namespace

EditMenu::EditMenu(EditContext& context, PasteMode& pasteMode, SearchPanels& searchPanels)
    : ctx(context)
    , paste(pasteMode)
    , search(searchPanels)
{
}

void EditMenu::declareMenu()
{
    ctx.commands.addMenuBarMenu(edit_menu::Menu, QStringLiteral("編集(&E)"));
    const auto item = [this](std::function<void()> command) {
        return [this, command = std::move(command)] { runFromMenu(command); };
    };
    const ItemActions actions = {
        {0, item([this] { undo(); })},
        {2, item([this] { cutSelection(); })},
        {3, item([this] { copySelection(); })},
        {4, item([this] { ctx.insert.pasteClipboard(); })},
        {6, item([this] { search.showSearchPanel(); })},
        {8, item([this] {
             ctx.ws.currentEditor()->setSelectionHidden(false);
             search.showReplacePanel();
         })},
        {10, item([this] { ctx.insert.insertLineBreakTag(); })},
        {11, item([this] { deleteLineBreakTags(); })},
        {12, item([this] { insertLineBreakTagsInSelection(); })},
        {14, item([this] { Q_EMIT spaceRequested(); })},
        {15, item([this] { deleteAllLineBreaks(); })},
        {17, item([this] { changeTagCase(1); })},
        {18, item([this] { changeTagCase(2); })},
        {20, item([this] { encodeSpecialCharacters(); })},
        {22, item([this] { ctx.colour.recolourCurrent(); })},
        {24, item([this] { Q_EMIT pageSkeletonRequested(); })},
        {26, item([this] { selectAll(); })},
        {27, item([this] { clearAllText(); })},
        // The direct search runs from the preview only.
        {29, [this] { runFromMenu([] {}, [this] { searchSelectedText(); }); }},
        {31, item([this] { Q_EMIT helpPageRequested(HelpPage::EditMode); })},
    };
    ctx.commands.define(edit_menu::Menu, commandItems(editMenuItems(), actions));
}

void EditMenu::openSearchPanel()
{
    runFromMenu([this] { search.showSearchPanel(); });
}

void EditMenu::runFromMenu(const std::function<void()>& command, const std::function<void()>& fromPreview)
{
    if (ctx.ws.tabStrip().currentIndex() == Workspace::sourceTab(ctx.ws.currentIndex())) {
        command();
        ctx.emptyUndoBuffer();
    } else if (fromPreview) {
        fromPreview();
    }
}

void EditMenu::undo()
{
    paste.endPasteMode();
    ctx.undo.stepBack();
    RichEdit* ed = ctx.ws.currentEditor();
    ctx.colour.recolour(ed);
    ed->setFocus();
}

void EditMenu::cutSelection()
{
    paste.endPasteMode();
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->selectionLength() == 0)
        return;
    ctx.undo.takeSnapshot();
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(focusedSelection(ed));
    deleteFocusedSelection(ed);
}

void EditMenu::copySelection()
{
    paste.endPasteMode();
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->selectionLength() == 0)
        return;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(focusedSelection(ed));
}

void EditMenu::transformSelection(SelectionTransform transform)
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    const auto r = transform(t, selectionOf(ed));
    if (!r) {
        ctx.ws.dlg.message(editmsg::NoSelection);
        return;
    }
    ctx.undo.takeSnapshot();
    applyEdit(ed, t, *r);
}

void EditMenu::deleteLineBreakTags()
{
    transformSelection(removeBrMarks);
}

void EditMenu::insertLineBreakTagsInSelection()
{
    transformSelection(brMarksAtLineEnds);
}

void EditMenu::changeTagCase(int mode)
{
    ctx.undo.takeSnapshot();
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    // The length does not change, so the selection stays where it was.
    applyEdit(ed, t, {::changeTagCase(t, mode), selectionOf(ed), {}});
    ctx.colour.recolour(ed);
    ed->setFocus();
}

void EditMenu::encodeSpecialCharacters()
{
    RichEdit* ed = ctx.ws.currentEditor();
    switch (specialCharsAction(ed->text(), selectionOf(ed))) {
    case SpecialCharsAction::ConvertSelection:
        convertEntities(0);
        break;
    case SpecialCharsAction::AskFirst:
        if (ctx.ws.dlg.message(editmsg::SpecialCharsQuestion, MsgButtons::YesNo) == MsgResult::Yes)
            convertEntities(0);
        break;
    case SpecialCharsAction::Nothing:
        break;
    }
}

void EditMenu::convertEntities(int mode)
{
    ctx.undo.takeSnapshot();
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    applyEdit(ed, t, ::convertEntities(t, selectionOf(ed), mode));
    const QString converted = ed->text();
    if (converted.contains(QStringLiteral("\r\r"))) {
        const QString cleaned = removeDoubleCr(converted);
        applyEdit(ed, converted, {cleaned, clampSelection(cleaned, selectionOf(ed)), {}});
    }
}

void EditMenu::clearAllText()
{
    if (ctx.ws.dlg.message(editmsg::ClearAllQuestion, MsgButtons::YesNo) == MsgResult::No)
        return;
    ctx.undo.takeSnapshot();
    ctx.ws.currentEditor()->setText(QString());
}

void EditMenu::searchSelectedText()
{
    QClipboard* clipboard = QApplication::clipboard();
    RichEdit* ed = ctx.ws.currentEditor();
    const DirectSearchStep step = directSearch(clipboard->text(), ed->text());
    if (!step.message.isEmpty()) {
        ctx.ws.dlg.message(step.message);
        return;
    }
    ctx.ws.selectSourceTab(ctx.ws.currentIndex());
    Q_EMIT previewTimerStopRequested();
    ctx.controls.get<QLineEdit>(search_panel::Word)->setText(step.word);
    ctx.controls.get<QRadioButton>(search_panel::OneAtATime)->setChecked(true);
    search.pressSearchButton();
    clipboard->clear();
}

void EditMenu::deleteAllLineBreaks()
{
    ctx.undo.takeSnapshot();
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    // The caret keeps its place in the joined text.
    const int caret = static_cast<int>(removeLineBreaks(t.left(ed->selectionStart())).size());
    applyEdit(ed, t, {removeLineBreaks(t), {caret, 0}, {}});
}

void EditMenu::selectBody()
{
    RichEdit* ed = ctx.ws.currentEditor();
    ed->setFocus();
    select(ed, ::selectBody(ed->text()));
}

void EditMenu::selectAll()
{
    RichEdit* ed = ctx.ws.currentEditor();
    ed->select(0, ed->textLength());
    ed->setFocus();
}
