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

EasyMenu::EasyMenu(Workspace& workspace, UndoRing& undoRing, PanelKit& panelKit)
    : ws(workspace)
    , undo(undoRing)
    , panels(panelKit)
{
}

namespace {

// The id of each row; separators have none.
const CommandId Ids[26] = {
    easy_menu::InsertSamplePage, easy_menu::InsertPageSkeleton, {}, easy_menu::LineBreakPanel, easy_menu::SpacePanel, {},
    easy_menu::TitlePanel, {}, easy_menu::HeadingPanel, {}, easy_menu::BodyColoursPanel, {}, easy_menu::MarginsPanel, {},
    easy_menu::CommentPanel, {}, easy_menu::ParagraphPanel, easy_menu::PositionPanel, easy_menu::RawTextPanel, {},
    easy_menu::FontPanel, easy_menu::FontSizePanel, easy_menu::FontColourPanel, easy_menu::EmphasisPanel,
    easy_menu::StrongEmphasisPanel, easy_menu::FontShapePanel,
};

const char* const Captions[26] = {
    "初期化及び基本スケルトンの挿入（例文入り)",
    "初期化及び基本スケルトンの挿入（例文無し)",
    "-",
    "改行マークについて",
    "スペースの挿入",
    "-",
    "タイトルをいれよう",
    "-",
    "見出しの文章を設定したい",
    "-",
    "背景色と文字の色を決めよう",
    "-",
    "余白を設定しよう",
    "-",
    "コメントを入れよう",
    "-",
    "段落を設定しよう",
    "まとめて位置を設定しよう",
    "ソースの並びをそのまま表示しよう",
    "-",
    "フォントを指定しよう",
    "文字の大きさを変えよう(絶対値の指定)",
    "文字の色を部分的に変えよう",
    "文字を強調しよう（普通の強調)",
    "文字を強調しよう(より強い強調)",
    "フォントの形状を変えよう",
};

} // namespace

void EasyMenu::declareMenu(CommandRegistry& commands)
{
    std::vector<CommandItem> items;
    for (int i = 0; i < 26; ++i) {
        CommandItem item{i, QString::fromUtf8(Captions[i]), {}, [this, i] { chooseItem(i); }};
        item.id = Ids[i];
        items.push_back(item);
    }
    commands.define(easy_menu::Menu, items);
}

void EasyMenu::chooseItem(int index)
{
    ws.selectSourceTab(ws.currentIndex());
    undo.takeSnapshot();
    const std::function<void()> item = [this, index]() -> std::function<void()> {
        switch (index) {
        case 0: return InsertSamplePage;
        case 1: return InsertPageSkeleton;
        case 3: return [this] { ShowBrPanel(); };
        case 6: return [this] { ShowTitlePanel(); };
        case 8: return [this] { ShowHeadingPanel(); };
        case 10: return [this] { ShowBodyColourPanel(); };
        case 12: return [this] { ShowMarginPanel(); };
        case 14: return [this] { ShowCommentPanel(); };
        case 16: return [this] { ShowParagraphPanel(); };
        case 17: return [this] { ShowPositionPanel(); };
        case 18: return [this] { ShowRawTextPanel(); };
        case 20: return [this] { ShowFontPanel(); };
        case 21: return [this] { ShowFontSizePanel(); };
        case 22: return [this] { ShowFontColorPanel(); };
        case 23: return [this] { ShowEmPanel(); };
        case 24: return [this] { ShowStrongPanel(); };
        case 25: return [this] { ShowFontStylePanel(); };
        default: return {};
        }
    }();
    if (index == 4) {
        ShowSpacePanel();
    } else if (item) {
        undo.takeSnapshot();
        item();
    }
    ws.currentEditor()->EmptyUndoBuffer();
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
