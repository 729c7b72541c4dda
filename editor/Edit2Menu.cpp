#include "editor/Edit2Menu.h"
#include "editor/EditorProcedures.h"

#include "editor/Colouring.h"
#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/EditMenuItems.h"
#include "editor/EditMessages.h"
#include "editor/EditorFonts.h"
#include "editor/GrammarPanel.h"
#include "editor/Insertion.h"
#include "editor/Regions.h"
#include "editor/Reindent.h"
#include "editor/TextTransforms.h"
#include "editor/Toolbar.h"
#include "editor/UndoRing.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/RichEdit.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

namespace {

const QString Menu = QStringLiteral("hen2");

} // namespace

Edit2Menu::Edit2Menu(EditContext& context, ToolbarButtons& toolbarCommands, GrammarPanel& grammarPanel, Regions& regionCommands,
                     EditorFonts& editorFonts, PanelKit& panelKit)
    : ctx(context)
    , toolbar(toolbarCommands)
    , grammar(grammarPanel)
    , regions(regionCommands)
    , fonts(editorFonts)
    , panels(panelKit)
{
}

void Edit2Menu::declareMenu()
{
    ctx.commands.define(Menu, commandItems(edit2MenuItems()));
}

void Edit2Menu::hen2_Click(int index)
{
    // Tag insertions: an undo snapshot first, and afterwards the editor's own undo emptied.
    const auto framed = [this](auto&& command) {
        ctx.undo.takeSnapshot();
        command();
        ctx.emptyUndoBuffer();
    };
    switch (index) {
    case 1:
        ctx.undo.takeSnapshot();
        ctx.callIfDefined(procedure::InsertSpace);
        break;
    case 2: framed([this] { ctx.insert.insertLineBreakTag(); }); break;
    case 4: framed([this] { ctx.callIfDefined(procedure::InsertAlignedParagraph); }); break;
    case 5: framed([this] { ctx.callIfDefined(procedure::InsertAlignedDivision); }); break;
    case 7: framed([this] { toolbar.ChangeFontSize(1); }); break;
    case 8: framed([this] { toolbar.ChangeFontSize(2); }); break;
    case 9: framed([this] { toolbar.SetTextStyle(1); }); break;
    case 10: fonts.reapplyColourScheme(); break;
    case 11: framed([this] { ctx.callIfDefined(procedure::ShowColourPicker); }); break;
    case 12: ctx.callIfDefined(procedure::ShowTagDictionary); break;
    case 14: grammar.RunCheck(); break;
    case 16: ctx.callIfDefined(procedure::ShowHelpPage, 10); break;
    case 17: regions.RegionOnlySelected(); break;
    case 18: regions.RegionHide(); break;
    case 20: regions.RegionShowAll(ctx.ws.currentIndex()); break;
    case 21: regions.RegionShowPart(); break;
    case 23:
        regions.HideHeadFoot();
        ctx.colour.recolourCurrent();
        break;
    case 24:
        regions.ShowHeadFoot(ctx.ws.currentIndex());
        ctx.colour.recolourCurrent();
        break;
    case 26:
        ctx.undo.takeSnapshot();
        IndentHtml();
        ctx.colour.recolourCurrent();
        break;
    case 27: {
        ctx.undo.takeSnapshot();
        RichEdit* ed = ctx.ws.currentEditor();
        const QString t = ed->Text();
        // The caret keeps its place in the text without tabs.
        const int caret = static_cast<int>(removeTabs(t.left(ed->SelStart())).size());
        applyEdit(ed, t, {removeTabs(t), {caret, 0}, {}});
        ctx.colour.recolourCurrent();
        break;
    }
    case 28: ShowLineLengthPanel(); break;
    default: break;
    }
}

void Edit2Menu::IndentHtml()
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->Text();
    const QString out = indentHtml(t);
    applyEdit(ed, t, {out, clampSelection(out, {ed->SelStart(), 0}), {}});
}

void Edit2Menu::ShowLineLengthPanel()
{
    // The line-length panel belongs to the construct panels; without it there is nothing to open.
    if (!ctx.controls.has(QStringLiteral("Frame"), 17))
        return;
    const int text = ctx.controls.has(QStringLiteral("Text"), 18) ? 18 : ControlRegistry::NoIndex;
    panels.open({QStringLiteral("Frame"), 17, text, editmsg::LineLengthExplanation, 2000, 2200, 4590, 2955});
}
