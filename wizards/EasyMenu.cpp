#include "wizards/EasyMenu.h"

#include "editor/EditorControls.h"
#include "editor/UndoRing.h"
#include "platform/CommandRegistry.h"
#include "platform/RichEdit.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/PanelPlaces.h"
#include "wizards/PanelTexts.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <iterator>

EasyMenu::EasyMenu(Workspace& workspace, UndoRing& undoRing, PanelKit& panelKit)
    : ws(workspace)
    , undo(undoRing)
    , panels(panelKit)
{
}

namespace {

// What an item does; a separator does nothing.
using Action = void (EasyMenu::*)();

// The rows of the menu in their order: caption, id and action; separators have neither id nor
// action.
struct Row {
    const char* caption;
    CommandId id;
    Action action;
};

const Row Rows[] = {
    {"初期化及び基本スケルトンの挿入（例文入り)", easy_menu::InsertSamplePage, &EasyMenu::insertSamplePage},
    {"初期化及び基本スケルトンの挿入（例文無し)", easy_menu::InsertPageSkeleton, &EasyMenu::insertPageSkeleton},
    {"-", {}, nullptr},
    {"改行マークについて", easy_menu::LineBreakPanel, &EasyMenu::ShowBrPanel},
    {"スペースの挿入", easy_menu::SpacePanel, &EasyMenu::ShowSpacePanel},
    {"-", {}, nullptr},
    {"タイトルをいれよう", easy_menu::TitlePanel, &EasyMenu::ShowTitlePanel},
    {"-", {}, nullptr},
    {"見出しの文章を設定したい", easy_menu::HeadingPanel, &EasyMenu::ShowHeadingPanel},
    {"-", {}, nullptr},
    {"背景色と文字の色を決めよう", easy_menu::BodyColoursPanel, &EasyMenu::ShowBodyColourPanel},
    {"-", {}, nullptr},
    {"余白を設定しよう", easy_menu::MarginsPanel, &EasyMenu::ShowMarginPanel},
    {"-", {}, nullptr},
    {"コメントを入れよう", easy_menu::CommentPanel, &EasyMenu::ShowCommentPanel},
    {"-", {}, nullptr},
    {"段落を設定しよう", easy_menu::ParagraphPanel, &EasyMenu::ShowParagraphPanel},
    {"まとめて位置を設定しよう", easy_menu::PositionPanel, &EasyMenu::ShowPositionPanel},
    {"ソースの並びをそのまま表示しよう", easy_menu::RawTextPanel, &EasyMenu::ShowRawTextPanel},
    {"-", {}, nullptr},
    {"フォントを指定しよう", easy_menu::FontPanel, &EasyMenu::ShowFontPanel},
    {"文字の大きさを変えよう(絶対値の指定)", easy_menu::FontSizePanel, &EasyMenu::ShowFontSizePanel},
    {"文字の色を部分的に変えよう", easy_menu::FontColourPanel, &EasyMenu::ShowFontColorPanel},
    {"文字を強調しよう（普通の強調)", easy_menu::EmphasisPanel, &EasyMenu::ShowEmPanel},
    {"文字を強調しよう(より強い強調)", easy_menu::StrongEmphasisPanel, &EasyMenu::ShowStrongPanel},
    {"フォントの形状を変えよう", easy_menu::FontShapePanel, &EasyMenu::ShowFontStylePanel},
};

constexpr int RowCount = static_cast<int>(std::size(Rows));

} // namespace

void EasyMenu::declareMenu(CommandRegistry& commands)
{
    std::vector<CommandItem> items;
    for (int i = 0; i < RowCount; ++i) {
        CommandItem item{i, QString::fromUtf8(Rows[i].caption), {}, [this, i] { chooseItem(i); }};
        item.id = Rows[i].id;
        items.push_back(item);
    }
    commands.define(easy_menu::Menu, items);
}

void EasyMenu::chooseItem(int row)
{
    ws.selectSourceTab(ws.currentIndex());
    undo.takeSnapshot();
    const Action action = row >= 0 && row < RowCount ? Rows[row].action : nullptr;
    if (action) {
        // The space panel's opener takes no second snapshot.
        if (action != &EasyMenu::ShowSpacePanel)
            undo.takeSnapshot();
        (this->*action)();
    }
    ws.currentEditor()->EmptyUndoBuffer();
}

void EasyMenu::insertSamplePage()
{
    if (InsertSamplePage)
        InsertSamplePage();
}

void EasyMenu::insertPageSkeleton()
{
    if (InsertPageSkeleton)
        InsertPageSkeleton();
}

void EasyMenu::open(ControlId panel, const QString& explanation)
{
    panels.open(placeOf(panelRow(panel), explanation));
}

QString EasyMenu::selectFirst(const QString& prompt, const QString& explanation) const
{
    return ws.currentEditor()->SelLength() == 0 ? prompt + explanation : explanation;
}

void EasyMenu::ShowBrPanel() { open(indent_panel::Panel, paneltext::lineBreak()); }
void EasyMenu::ShowSpacePanel() { open(space_panel::Panel, paneltext::space()); }
void EasyMenu::ShowTitlePanel() { open(title_panel::Panel, paneltext::title()); }
void EasyMenu::ShowHeadingPanel() { open(heading_panel::Panel, paneltext::heading()); }
void EasyMenu::ShowBodyColourPanel() { open(body_colours_panel::Panel, paneltext::bodyColours()); }
void EasyMenu::ShowMarginPanel() { open(margins_panel::Panel, paneltext::margins()); }
void EasyMenu::ShowCommentPanel() { open(comment_panel::Panel, paneltext::comment()); }

void EasyMenu::ShowParagraphPanel()
{
    RichEdit* ed = ws.currentEditor();
    const int start = ed->SelStart();
    const int length = ed->SelLength();
    open(paragraph_panel::Panel, paneltext::paragraph());
    // The selection that the paragraph is for survives the opening.
    ed->setFocus();
    ed->Select(start, length);
}

void EasyMenu::ShowPositionPanel() { open(position_panel::Panel, selectFirst(paneltext::positionPrompt(), paneltext::position())); }
void EasyMenu::ShowRawTextPanel() { open(preformatted_panel::Panel, selectFirst(paneltext::rawTextPrompt(), paneltext::rawText())); }
void EasyMenu::ShowFontPanel() { open(font_panel::Panel, paneltext::font()); }
void EasyMenu::ShowFontSizePanel() { open(font_size_panel::Panel, selectFirst(paneltext::fontSizePrompt(), paneltext::fontSize())); }
void EasyMenu::ShowFontColorPanel() { open(font_colour_panel::Panel, paneltext::fontColour()); }
void EasyMenu::ShowEmPanel() { open(emphasis_panel::Panel, selectFirst(paneltext::emphasisPrompt(), paneltext::emphasis())); }
void EasyMenu::ShowStrongPanel() { open(strong_panel::Panel, selectFirst(paneltext::strongEmphasisPrompt(), paneltext::strongEmphasis())); }
void EasyMenu::ShowFontStylePanel() { open(font_shape_panel::Panel, paneltext::fontShape()); }
