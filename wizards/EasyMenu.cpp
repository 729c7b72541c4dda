#include "wizards/EasyMenu.h"

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
    {"改行マークについて", easy_menu::LineBreakPanel, &EasyMenu::showLineBreakPanel},
    {"スペースの挿入", easy_menu::SpacePanel, &EasyMenu::showSpacePanel},
    {"-", {}, nullptr},
    {"タイトルをいれよう", easy_menu::TitlePanel, &EasyMenu::showTitlePanel},
    {"-", {}, nullptr},
    {"見出しの文章を設定したい", easy_menu::HeadingPanel, &EasyMenu::showHeadingPanel},
    {"-", {}, nullptr},
    {"背景色と文字の色を決めよう", easy_menu::BodyColoursPanel, &EasyMenu::showBodyColoursPanel},
    {"-", {}, nullptr},
    {"余白を設定しよう", easy_menu::MarginsPanel, &EasyMenu::showMarginsPanel},
    {"-", {}, nullptr},
    {"コメントを入れよう", easy_menu::CommentPanel, &EasyMenu::showCommentPanel},
    {"-", {}, nullptr},
    {"段落を設定しよう", easy_menu::ParagraphPanel, &EasyMenu::showParagraphPanel},
    {"まとめて位置を設定しよう", easy_menu::PositionPanel, &EasyMenu::showPositionPanel},
    {"ソースの並びをそのまま表示しよう", easy_menu::RawTextPanel, &EasyMenu::showPreformattedPanel},
    {"-", {}, nullptr},
    {"フォントを指定しよう", easy_menu::FontPanel, &EasyMenu::showFontPanel},
    {"文字の大きさを変えよう(絶対値の指定)", easy_menu::FontSizePanel, &EasyMenu::showFontSizePanel},
    {"文字の色を部分的に変えよう", easy_menu::FontColourPanel, &EasyMenu::showFontColourPanel},
    {"文字を強調しよう（普通の強調)", easy_menu::EmphasisPanel, &EasyMenu::showEmphasisPanel},
    {"文字を強調しよう(より強い強調)", easy_menu::StrongEmphasisPanel, &EasyMenu::showStrongPanel},
    {"フォントの形状を変えよう", easy_menu::FontShapePanel, &EasyMenu::showFontShapePanel},
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
        if (action != &EasyMenu::showSpacePanel)
            undo.takeSnapshot();
        (this->*action)();
    }
    ws.currentEditor()->clearUndoHistory();
}

void EasyMenu::insertSamplePage()
{
    if (makeSamplePage)
        makeSamplePage();
}

void EasyMenu::insertPageSkeleton()
{
    if (makePageSkeleton)
        makePageSkeleton();
}

void EasyMenu::openWithExplanation(ControlId panel, const QString& explanation)
{
    panels.openPanel(placeOf(panelRow(panel), explanation));
}

QString EasyMenu::selectFirst(const QString& prompt, const QString& explanation) const
{
    return ws.currentEditor()->selectionLength() == 0 ? prompt + explanation : explanation;
}

void EasyMenu::showLineBreakPanel() { openWithExplanation(indent_panel::Panel, paneltext::lineBreak()); }

void EasyMenu::showLineLengthPanel()
{
    panels.openPanel(PanelPlace{.explanation = paneltext::lineLength(), .top = 2000, .left = 2200, .width = 4590,
                           .height = 2955, .panel = indent_panel::Panel, .explanationBox = indent_panel::Explanation});
}
void EasyMenu::showSpacePanel() { openWithExplanation(space_panel::Panel, paneltext::space()); }
void EasyMenu::showTitlePanel() { openWithExplanation(title_panel::Panel, paneltext::title()); }
void EasyMenu::showHeadingPanel() { openWithExplanation(heading_panel::Panel, paneltext::heading()); }
void EasyMenu::showBodyColoursPanel() { openWithExplanation(body_colours_panel::Panel, paneltext::bodyColours()); }
void EasyMenu::showMarginsPanel() { openWithExplanation(margins_panel::Panel, paneltext::margins()); }
void EasyMenu::showCommentPanel() { openWithExplanation(comment_panel::Panel, paneltext::comment()); }

void EasyMenu::showParagraphPanel()
{
    RichEdit* ed = ws.currentEditor();
    const int start = ed->selectionStart();
    const int length = ed->selectionLength();
    openWithExplanation(paragraph_panel::Panel, paneltext::paragraph());
    // The selection that the paragraph is for survives the opening.
    ed->setFocus();
    ed->select(start, length);
}

void EasyMenu::showPositionPanel() { openWithExplanation(position_panel::Panel, selectFirst(paneltext::positionPrompt(), paneltext::blockPosition())); }
void EasyMenu::showPreformattedPanel() { openWithExplanation(preformatted_panel::Panel, selectFirst(paneltext::rawTextPrompt(), paneltext::rawText())); }
void EasyMenu::showFontPanel() { openWithExplanation(font_panel::Panel, paneltext::fontNames()); }
void EasyMenu::showFontSizePanel() { openWithExplanation(font_size_panel::Panel, selectFirst(paneltext::fontSizePrompt(), paneltext::fontSize())); }
void EasyMenu::showFontColourPanel() { openWithExplanation(font_colour_panel::Panel, paneltext::fontColour()); }
void EasyMenu::showEmphasisPanel() { openWithExplanation(emphasis_panel::Panel, selectFirst(paneltext::emphasisPrompt(), paneltext::emphasis())); }
void EasyMenu::showStrongPanel() { openWithExplanation(strong_panel::Panel, selectFirst(paneltext::strongEmphasisPrompt(), paneltext::strongEmphasis())); }
void EasyMenu::showFontShapePanel() { openWithExplanation(font_shape_panel::Panel, paneltext::fontShape()); }
