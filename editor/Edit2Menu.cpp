#include "editor/Edit2Menu.h"

#include "editor/Colouring.h"
#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/EditMenuItems.h"
#include "editor/EditorMenus.h"
#include "editor/EditMessages.h"
#include "editor/EditorControls.h"
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
    ctx.commands.addMenuBarMenu(edit2_menu::Menu, QStringLiteral("編集2(&G)"));
    // Tag insertions: an undo snapshot first, and afterwards the editor's own undo emptied.
    const auto framed = [this](std::function<void()> command) {
        return [this, command = std::move(command)] {
            ctx.undo.takeSnapshot();
            command();
            ctx.emptyUndoBuffer();
        };
    };
    const ItemActions actions = {
        {1, [this] {
             ctx.undo.takeSnapshot();
             Q_EMIT spaceRequested();
         }},
        {2, framed([this] { ctx.insert.insertLineBreakTag(); })},
        {4, framed([this] { Q_EMIT alignedParagraphRequested(); })},
        {5, framed([this] { Q_EMIT alignedDivisionRequested(); })},
        {7, framed([this] { toolbar.changeFontSize(1); })},
        {8, framed([this] { toolbar.changeFontSize(2); })},
        {9, framed([this] { toolbar.setTextStyle(1); })},
        {11, framed([this] { Q_EMIT colourPickerRequested(); })},
        {12, [this] { Q_EMIT tagDictionaryRequested(); }},
        {14, [this] { grammar.runCheck(); }},
        {16, [this] { Q_EMIT helpPageRequested(HelpPage::Regions); }},
        {17, [this] { regions.foldAllButSelection(); }},
        {18, [this] { regions.foldSelection(); }},
        {20, [this] { regions.unfoldAll(ctx.ws.currentIndex()); }},
        {21, [this] { regions.unfoldSelection(); }},
        {23, [this] {
             regions.hideHeaderAndFooter();
             ctx.colour.recolourCurrent();
         }},
        {24, [this] {
             regions.showHeaderAndFooter(ctx.ws.currentIndex());
             ctx.colour.recolourCurrent();
         }},
        {26, [this] {
             ctx.undo.takeSnapshot();
             reindentHtml();
             ctx.colour.recolourCurrent();
         }},
        {27, [this] {
             ctx.undo.takeSnapshot();
             removeIndentation();
             ctx.colour.recolourCurrent();
         }},
        {28, [this] { showLineLengthPanel(); }},
    };
    ctx.commands.define(edit2_menu::Menu, commandItems(edit2MenuItems(), actions));
}

void Edit2Menu::reapplyColourScheme()
{
    fonts.reapplyColourScheme();
}

void Edit2Menu::removeIndentation()
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    const int caret = static_cast<int>(removeTabs(t.left(ed->selectionStart())).size());
    applyEdit(ed, t, {removeTabs(t), {caret, 0}, {}});
}

void Edit2Menu::reindentHtml()
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    const QString out = indentHtml(t);
    applyEdit(ed, t, {out, clampSelection(out, {ed->selectionStart(), 0}), {}});
}

void Edit2Menu::showLineLengthPanel()
{
    Q_EMIT lineLengthPanelRequested();
}
