#include "wizards/EasyPanels.h"

#include "platform/Twips.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/PanelForm.h"
#include "wizards/PanelPlaces.h"
#include "workspace/PanelKit.h"
#include "workspace/PanelLayout.h"
#include "wizards/EasyPanelInputs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

// The row of inputs between the title and the explanation box of a panel that layOutPanel lays
// out, and the right end of that row.
constexpr int BandTop = 500;
int bandRight(ControlId panel)
{
    return panelRow(panel).width - 50;
}

void lineBreakPanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, indent_panel::Panel, QStringLiteral("インデント"), QStringLiteral("インデントの文字数"),
                                  ExecuteButton::IndentPanelCloseBox));
    f.label(QStringLiteral("一行の文字数"), 50, BandTop + 30, 1200);
    f.textBox(indent_panel::LineLengthBox, QStringLiteral("50"), 1300, BandTop, 700);
    f.label(QStringLiteral("文字"), 2050, BandTop + 30, 500);
    f.executeAndClose(std::nullopt, ExecuteButton::StoreIndentAndClose, bandRight(indent_panel::Panel), BandTop);
}

void buttonsOnlyPanel(PanelKit& kit, ControlId panel, const QString& caption, const QString& title, ExecuteButton execute,
                      ExecuteButton close, ExecuteButton closeBox)
{
    PanelForm f(kit, newConstructPanel(kit, panel, caption, title, closeBox));
    f.executeAndClose(execute, close, bandRight(panel), BandTop);
}

void titlePanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, title_panel::Panel, QStringLiteral("タイトル"), QStringLiteral("タイトルをいれよう"),
                                  ExecuteButton::TitlePanelCloseBox));
    f.label(QStringLiteral("タイトル"), 50, BandTop + 30, 700);
    f.textBox(title_panel::TitleBox, QString(), 800, BandTop, 3550);
    f.executeAndClose(ExecuteButton::InsertTitle, ExecuteButton::CloseTitlePanel, bandRight(title_panel::Panel), BandTop);
}

void headingPanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, heading_panel::Panel, QStringLiteral("見出し"), QStringLiteral("見出しの文を設定しよう"),
                                  ExecuteButton::HeadingPanelCloseBox));
    f.label(QStringLiteral("文字の大きさ"), 50, BandTop + 30, 1100);
    f.textBox(heading_panel::LevelBox, QStringLiteral("3"), 1150, BandTop, 500);
    f.spinner(heading_panel::LevelSpinner, 1, 6, 3, 1650, BandTop);
    f.executeAndClose(ExecuteButton::InsertHeading, ExecuteButton::CloseHeadingPanel, bandRight(heading_panel::Panel), BandTop);
}

void bodyColoursPanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, body_colours_panel::Panel, QStringLiteral("背景色"), QStringLiteral("背景色と文字の色を決めよう"),
                                  ExecuteButton::BodyColoursPanelCloseBox));
    f.pushButton(body_colours_panel::TextColourButton, QStringLiteral("文字色"), 50, BandTop, 700);
    f.textBox(body_colours_panel::TextColourBox, QStringLiteral("#000000"), 770, BandTop, 950);
    f.pushButton(body_colours_panel::BackgroundButton, QStringLiteral("背景色"), 1790, BandTop, 700);
    f.textBox(body_colours_panel::BackgroundBox, QStringLiteral("#FFFFFF"), 2510, BandTop, 950);
    f.executeAndClose(ExecuteButton::SetBodyColours, ExecuteButton::CloseBodyColoursPanel, bandRight(body_colours_panel::Panel), BandTop);
}

void marginsPanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, margins_panel::Panel, QStringLiteral("余白"), QStringLiteral("余白を設定"),
                                  ExecuteButton::MarginsPanelCloseBox));
    f.label(QStringLiteral("上の余白"), 50, BandTop + 30, 780);
    f.textBox(margins_panel::TopMarginBox, QStringLiteral("10"), 830, BandTop, 450);
    f.label(QStringLiteral("mm"), 1310, BandTop + 30, 320);
    f.label(QStringLiteral("左の余白"), 1650, BandTop + 30, 780);
    f.textBox(margins_panel::LeftMarginBox, QStringLiteral("10"), 2430, BandTop, 450);
    f.label(QStringLiteral("mm"), 2910, BandTop + 30, 320);
    f.executeAndClose(ExecuteButton::SetMargins, ExecuteButton::CloseMarginsPanel, bandRight(margins_panel::Panel), BandTop);
}

// The paragraph and position panels: three alignments, the first one selected.
void alignmentPanel(PanelKit& kit, ControlId panel, const QString& caption, const QString& title, ExecuteButton closeBox,
                    ControlArrayId alignment, ExecuteButton execute, ExecuteButton close)
{
    PanelForm f(kit, newConstructPanel(kit, panel, caption, title, closeBox));
    QButtonGroup* g = f.group();
    f.option(g, ControlRef(alignment, 0), QStringLiteral("左詰"), true, 50, BandTop + 20, 700);
    f.option(g, ControlRef(alignment, 1), QStringLiteral("センタリング"), false, 770, BandTop + 20, 1500);
    f.option(g, ControlRef(alignment, 2), QStringLiteral("右詰"), false, 2290, BandTop + 20, 700);
    f.executeAndClose(execute, close, bandRight(panel), BandTop);
}

void fontPanel(PanelKit& kit)
{
    constexpr ControlId panel = font_panel::Panel;
    const PanelRow& row = panelRow(panel);
    PanelForm f(kit,
                newConstructPanel(kit, panel, QStringLiteral("フォントの選択"), QStringLiteral("フォントを選択しよう"),
                                  ExecuteButton::FontPanelCloseBox));
    auto* list = kit.add<QListWidget>(f.container(), font_panel::FontList);
    twips::SetGeometry(list, 50, 550, 3000, 1500);
    f.pushButton(font_panel::AddFontButton, QStringLiteral("Fontの選択"), 3150, 550, 1400);
    f.pushButton(font_panel::RemoveFontButton, QStringLiteral("Fontの削除"), 3150, 950, 1400);
    f.executeAndClose(ExecuteButton::InsertFont, ExecuteButton::CloseFontPanel, row.width - 50, 550);
    f.explanation(row.explanation, 50, 2150, row.width - 100, row.height - 2250);
}

void fontSizePanel(PanelKit& kit)
{
    constexpr ControlId panel = font_size_panel::Panel;
    const PanelRow& row = panelRow(panel);
    PanelForm f(kit,
                newConstructPanel(kit, panel, QStringLiteral("フォントの大きさ"),
                                  QStringLiteral("フォントの大きさを変えよう"), ExecuteButton::FontSizePanelCloseBox));
    f.label(QStringLiteral("フォントサイズ"), 50, 580, 1300);
    f.textBox(font_size_panel::SizeBox, QStringLiteral("3"), 1400, 550, 500);
    f.spinner(font_size_panel::SizeSpinner, 1, 7, 3, 1900, 550);
    f.executeAndClose(ExecuteButton::InsertFontSize, ExecuteButton::CloseFontSizePanel, row.width - 50, 550);
    QButtonGroup* g = f.group();
    f.option(g, ControlRef(font_size_panel::Kind, 0), QStringLiteral("絶対値で指定"), true, 50, 980, 1800);
    f.option(g, ControlRef(font_size_panel::Kind, 1), QStringLiteral("相対値で指定"), false, 1900, 980, 1800);
    f.explanation(row.explanation, 50, 1400, row.width - 100, row.height - 1500);
}

void fontColourPanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, font_colour_panel::Panel, QStringLiteral("文字の色"), QStringLiteral("文字の色を部分的に変えよう"),
                                  ExecuteButton::FontColourPanelCloseBox));
    f.textBox(font_colour_panel::ColourBox, QStringLiteral("#000000"), 50, BandTop, 1000);
    f.pushButton(font_colour_panel::ColourButton, QStringLiteral("色"), 1100, BandTop, 450);
    f.executeAndClose(ExecuteButton::InsertFontColour, ExecuteButton::CloseFontColourPanel, bandRight(font_colour_panel::Panel), BandTop);
}

void fontShapePanel(PanelKit& kit)
{
    constexpr ControlId panel = font_shape_panel::Panel;
    const PanelRow& row = panelRow(panel);
    PanelForm f(kit,
                newConstructPanel(kit, panel, QStringLiteral("フォントの形状"), QStringLiteral("フォントの形状を変えよう"),
                                  ExecuteButton::FontShapePanelCloseBox));
    const char* const shapes[] = {"ボールド(太字)", "イタリック（斜体）", "抹消線", "タイプライター（等幅)", "下線をつける", "添字にする"};
    for (int i = 0; i < 6; ++i)
        f.check(font_shape_panel::StyleChecks[i], QString::fromUtf8(shapes[i]), false, i < 3 ? 50 : 2400, 550 + (i % 3) * 300, 2300);
    QGroupBox* scriptGroup = kit.addPanel(font_shape_panel::ScriptGroup, QString(), f.container());
    twips::SetGeometry(scriptGroup, 2400, 1450, 2200, 450);
    PanelForm t(kit, scriptGroup);
    QButtonGroup* g = t.group();
    t.option(g, font_shape_panel::SuperscriptOption, QStringLiteral("上付"), false, 100, 90, 900);
    t.option(g, font_shape_panel::SubscriptOption, QStringLiteral("下付"), true, 1100, 90, 900);
    f.pushButton(ExecuteButton::InsertFontShape, QStringLiteral("実行"), 50, 1550, 750);
    f.pushButton(ExecuteButton::CloseFontShapePanel, QStringLiteral("閉じる"), 880, 1550, 750);
    f.explanation(row.explanation, 50, 2050, row.width - 100, row.height - 2150);
}

// Panels that no procedure opens; only their buttons are reached, through the dispatcher.
void unopenedPanels(PanelKit& kit)
{
    QGroupBox* lineLength = kit.addPanel(line_length_panel::Panel, QStringLiteral("文字数"));
    twips::SetGeometry(lineLength, 3500, 3000, 5000, 3000);
    PanelForm f(kit, lineLength);
    QLabel* title = f.titleBar(line_length_panel::Title, QStringLiteral("一行の文字数の設定"), 5000,
                               ExecuteButton::LineLengthPanelCloseBox);
    f.executeAndClose(ExecuteButton::UnusedLineLengthButton, ExecuteButton::CloseLineLengthPanel, 4950, BandTop);
    QPlainTextEdit* explanation = kit.addExplanation(lineLength, line_length_panel::Explanation);
    layOutPanel(lineLength, title, kit.controls.get<QWidget>(executeButton(ExecuteButton::LineLengthPanelCloseBox)),
                explanation);

    QGroupBox* dropCap = kit.addPanel(drop_cap_panel::Panel, QStringLiteral("段落としをしよう"));
    twips::SetGeometry(dropCap, 3500, 3000, 5000, 1200);
    PanelForm d(kit, dropCap);
    d.titleBar(drop_cap_panel::Title, QStringLiteral("段落としをしよう"), 5000, ExecuteButton::UnusedIndentingPanelCloseBox);
    d.executeAndClose(ExecuteButton::UnusedIndentingPanelExecute, ExecuteButton::UnusedIndentingPanelClose, 4950,
                      BandTop);
}

} // namespace

void buildEasyPanels(PanelKit& kit)
{
    lineBreakPanel(kit);
    buttonsOnlyPanel(kit, space_panel::Panel, QStringLiteral("スペース"), QStringLiteral("スペースをいれよう"),
                     ExecuteButton::InsertSpace, ExecuteButton::CloseSpacePanel, ExecuteButton::SpacePanelCloseBox);
    titlePanel(kit);
    headingPanel(kit);
    bodyColoursPanel(kit);
    marginsPanel(kit);
    buttonsOnlyPanel(kit, comment_panel::Panel, QStringLiteral("コメント"), QStringLiteral("コメントをいれよう"),
                     ExecuteButton::InsertComment, ExecuteButton::CloseCommentPanel,
                     ExecuteButton::CommentPanelCloseBox);
    alignmentPanel(kit, paragraph_panel::Panel, QStringLiteral("段落"), QStringLiteral("段落を設定しよう"),
                   ExecuteButton::ParagraphPanelCloseBox, paragraph_panel::Alignment, ExecuteButton::InsertAlignedParagraph,
                   ExecuteButton::CloseParagraphPanel);
    alignmentPanel(kit, position_panel::Panel, QStringLiteral("位置"), QStringLiteral("まとめ位置を設定しよう"),
                   ExecuteButton::PositionPanelCloseBox, position_panel::Alignment, ExecuteButton::InsertAlignedDivision,
                   ExecuteButton::ClosePositionPanel);
    buttonsOnlyPanel(kit, preformatted_panel::Panel, QStringLiteral("ソース"), QStringLiteral("ソースの並びをそのまま表示しよう"),
                     ExecuteButton::InsertPreformatted, ExecuteButton::ClosePreformattedPanel,
                     ExecuteButton::PreformattedPanelCloseBox);
    fontPanel(kit);
    fontSizePanel(kit);
    fontColourPanel(kit);
    buttonsOnlyPanel(kit, emphasis_panel::Panel, QStringLiteral("文字の強調（普通）"), QStringLiteral("文字を強調しよう（普通の強調）"),
                     ExecuteButton::InsertEmphasis, ExecuteButton::CloseEmphasisPanel,
                     ExecuteButton::EmphasisPanelCloseBox);
    buttonsOnlyPanel(kit, strong_panel::Panel, QStringLiteral("文字の強調（強い）"), QStringLiteral("文字を強調しよう（強いの強調）"),
                     ExecuteButton::InsertStrong, ExecuteButton::CloseStrongPanel, ExecuteButton::StrongPanelCloseBox);
    fontShapePanel(kit);
    unopenedPanels(kit);
}
