#include "editor/EditMenu.h"
#include "editor/EditorControls.h"
#include "editor/EditorProcedures.h"

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
#include "platform/Procedures.h"
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
    return ed->SelText();
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
        ed->SetSelText(QString());
    }
}

} // namespace

EditMenu::EditMenu(EditContext& context, PasteMode& pasteMode, SearchPanels& searchPanels)
    : ctx(context)
    , paste(pasteMode)
    , search(searchPanels)
{
    ctx.procs.define(procedure::SelectBody, [this] { SelectBody(); });
}

void EditMenu::declareMenu()
{
    const auto item = [this](std::function<void()> command) {
        return [this, command = std::move(command)] { runFromMenu(command); };
    };
    const ItemActions actions = {
        {0, item([this] { UndoEdit(); })},
        {2, item([this] { CutSel(); })},
        {3, item([this] { CopySel(); })},
        {4, item([this] { ctx.insert.pasteClipboard(); })},
        {6, item([this] { search.ShowSearchPanel(); })},
        {8, item([this] {
             ctx.ws.currentEditor()->HideSelection(false);
             search.ShowReplacePanel();
         })},
        {10, item([this] { ctx.insert.insertLineBreakTag(); })},
        {11, item([this] { DelBrMarks(); })},
        {12, item([this] { BrInSelection(); })},
        {14, item([this] { ctx.callIfDefined(procedure::InsertSpace); })},
        {15, item([this] { DeleteAllCrLf(); })},
        {17, item([this] { TagCase(1); })},
        {18, item([this] { TagCase(2); })},
        {20, item([this] { EncodeSpecialChars(); })},
        {22, item([this] { ctx.colour.recolourCurrent(); })},
        {24, item([this] { ctx.callIfDefined(procedure::InsertPageSkeleton); })},
        {26, item([this] { SelectAll(); })},
        {27, item([this] { ClearAllText(); })},
        // The direct search runs from the preview only.
        {29, [this] { runFromMenu([] {}, [this] { DirectSearch(); }); }},
        {31, item([this] { ctx.callIfDefined(procedure::ShowHelpPage, 8); })},
    };
    ctx.commands.define(edit_menu::Menu, commandItems(editMenuItems(), actions));
}

void EditMenu::openSearchPanel()
{
    runFromMenu([this] { search.ShowSearchPanel(); });
}

void EditMenu::runFromMenu(const std::function<void()>& command, const std::function<void()>& fromPreview)
{
    if (ctx.ws.tabStrip().SelectedIndex() == Workspace::sourceTab(ctx.ws.currentIndex())) {
        command();
        ctx.emptyUndoBuffer();
    } else if (fromPreview) {
        fromPreview();
    }
}

void EditMenu::UndoEdit()
{
    paste.EndPasteMode();
    ctx.undo.stepBack();
    RichEdit* ed = ctx.ws.currentEditor();
    ctx.colour.recolour(ed);
    ed->setFocus();
}

void EditMenu::CutSel()
{
    paste.EndPasteMode();
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->SelLength() == 0)
        return;
    ctx.undo.takeSnapshot();
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(focusedSelection(ed));
    deleteFocusedSelection(ed);
}

void EditMenu::CopySel()
{
    paste.EndPasteMode();
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->SelLength() == 0)
        return;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(focusedSelection(ed));
}

void EditMenu::transformSelection(SelectionTransform transform)
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->Text();
    const auto r = transform(t, selectionOf(ed));
    if (!r) {
        ctx.ws.dlg.MsgBox(editmsg::NoSelection);
        return;
    }
    ctx.undo.takeSnapshot();
    applyEdit(ed, t, *r);
}

void EditMenu::DelBrMarks()
{
    transformSelection(removeBrMarks);
}

void EditMenu::BrInSelection()
{
    transformSelection(brMarksAtLineEnds);
}

void EditMenu::TagCase(int mode)
{
    ctx.undo.takeSnapshot();
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->Text();
    // The length does not change, so the selection stays where it was.
    applyEdit(ed, t, {changeTagCase(t, mode), selectionOf(ed), {}});
    ctx.colour.recolour(ed);
    ed->setFocus();
}

void EditMenu::EncodeSpecialChars()
{
    RichEdit* ed = ctx.ws.currentEditor();
    switch (specialCharsAction(ed->Text(), selectionOf(ed))) {
    case SpecialCharsAction::ConvertSelection:
        ConvertEntities(0);
        break;
    case SpecialCharsAction::AskFirst:
        if (ctx.ws.dlg.MsgBox(editmsg::SpecialCharsQuestion, MsgButtons::YesNo) == MsgResult::Yes)
            ConvertEntities(0);
        break;
    case SpecialCharsAction::Nothing:
        break;
    }
}

void EditMenu::ConvertEntities(int mode)
{
    ctx.undo.takeSnapshot();
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->Text();
    applyEdit(ed, t, convertEntities(t, selectionOf(ed), mode));
    const QString converted = ed->Text();
    if (converted.contains(QStringLiteral("\r\r"))) {
        const QString cleaned = removeDoubleCr(converted);
        applyEdit(ed, converted, {cleaned, clampSelection(cleaned, selectionOf(ed)), {}});
    }
}

void EditMenu::ClearAllText()
{
    if (ctx.ws.dlg.MsgBox(editmsg::ClearAllQuestion, MsgButtons::YesNo) == MsgResult::No)
        return;
    ctx.undo.takeSnapshot();
    ctx.ws.currentEditor()->SetText(QString());
}

void EditMenu::DirectSearch()
{
    QClipboard* clipboard = QApplication::clipboard();
    RichEdit* ed = ctx.ws.currentEditor();
    const DirectSearchStep step = directSearch(clipboard->text(), ed->Text());
    if (!step.message.isEmpty()) {
        ctx.ws.dlg.MsgBox(step.message);
        return;
    }
    ctx.ws.selectSourceTab(ctx.ws.currentIndex());
    if (stopPreviewTimer)
        stopPreviewTimer();
    ctx.controls.get<QLineEdit>(search_panel::Word)->setText(step.word);
    ctx.controls.get<QRadioButton>(search_panel::OneAtATime)->setChecked(true);
    if (!ctx.callIfDefined(procedure::PressExecuteButton, buttonNumber(ExecuteButton::Search)))
        search.SearchText();
    clipboard->clear();
}

void EditMenu::DeleteAllCrLf()
{
    ctx.undo.takeSnapshot();
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->Text();
    // The caret keeps its place in the joined text.
    const int caret = static_cast<int>(removeLineBreaks(t.left(ed->SelStart())).size());
    applyEdit(ed, t, {removeLineBreaks(t), {caret, 0}, {}});
}

void EditMenu::SelectBody()
{
    RichEdit* ed = ctx.ws.currentEditor();
    ed->setFocus();
    select(ed, selectBody(ed->Text()));
}

void EditMenu::SelectAll()
{
    RichEdit* ed = ctx.ws.currentEditor();
    ed->Select(0, ed->TextLength());
    ed->setFocus();
}
