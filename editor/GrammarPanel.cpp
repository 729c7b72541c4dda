#include "editor/GrammarPanel.h"
#include "editor/EditorControls.h"

#include "editor/Colouring.h"
#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/EditMessages.h"
#include "editor/EditPanels.h"
#include "editor/EditorFonts.h"
#include "editor/GrammarCheck.h"
#include "editor/Insertion.h"
#include "editor/UndoRing.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/Twips.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace {

const QColor Blue(0, 0, 255);

} // namespace

GrammarPanel::GrammarPanel(EditContext& context, PanelKit& panels, EditorFonts& editorFonts)
    : ctx(context)
    , fonts(editorFonts)
{
    addEditPanel(panels, {grammar_panel::Panel, grammar_panel::Title, grammar_panel::Message, QStringLiteral("文法チェック"),
                          QStringLiteral("エラーコメント"), ExecuteButton::GrammarPanelCloseBox, 2000, 2000, 5202, 2205, 1550});
}

bool GrammarPanel::replaceHalfWidthKana()
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString text = ed->text();
    const QList<MarkRange> runs = halfWidthKanaRuns(text);
    if (runs.isEmpty())
        return false;
    const bool replace = ctx.ws.dlg.message(editmsg::KanaQuestion, MsgButtons::YesNo) == MsgResult::Yes;
    if (replace) {
        // One character for one: the marks stand where the half-width ones stood.
        ctx.undo.takeSnapshot();
        EditResult widened{widenKana(text), selectionOf(ed), {}};
        applyEdit(ed, text, widened);
    }
    ed->paintRange(0, ed->textLength(), Blue);
    paintRanges(ed, runs, Insertion::markColour());
    return true;
}

void GrammarPanel::runCheck()
{
    replaceHalfWidthKana();
    RichEdit* ed = ctx.ws.currentEditor();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<CheckFinding> shown = grammarCheck(ed->text()).shown();
    QApplication::restoreOverrideCursor();
    if (!shown) {
        ctx.colour.recolourCurrent();
        return;
    }
    ctx.controls.get<QPlainTextEdit>(grammar_panel::Message)->setPlainText(shown->message);
    showCheckError(shown->mark.start, shown->mark.length);
}

void GrammarPanel::showCheckError(int start, int length)
{
    QWidget* f = ctx.controls.get<QWidget>(grammar_panel::Panel);
    twips::SetGeometry(f, 2000, 2000, 5202, 2205);
    f->raise();
    f->show();
    RichEdit* ed = ctx.ws.currentEditor();
    ed->paintRange(0, ed->textLength(), Blue);
    ed->paintRange(start, length, Insertion::markColour());
    ed->select(start, length);
}

std::vector<std::pair<ExecuteButton, GrammarPanel::Branch>> GrammarPanel::dispatcherBranches()
{
    return {{ExecuteButton::GrammarPanelCloseBox, [this] {
                 ctx.controls.get<QWidget>(grammar_panel::Panel)->hide();
                 fonts.reapplyColourScheme();
                 return true;
             }}};
}
