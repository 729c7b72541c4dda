#include "wizards/PanelButtons.h"

#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "wizards/Dispatcher.h"
#include "wizards/EasyPanelControls.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/MiniPanelControls.h"

#include <QLineEdit>

namespace {

// The construct panels' "閉じる" and "×" buttons: button, panel.
struct CloseButton {
    ExecuteButton button;
    int panel;
};
const CloseButton CloseButtons[] = {
    {ExecuteButton::CloseLinkPanel, 0}, {ExecuteButton::LinkPanelCloseBox, 0},
    {ExecuteButton::RulePanelCloseBox, 1}, {ExecuteButton::CloseRulePanel, 1},
    {ExecuteButton::ListPanelCloseBox, 2}, {ExecuteButton::CloseListPanel, 2},
    {ExecuteButton::ImagePanelCloseBox, 3}, {ExecuteButton::CloseImagePanel, 3},
    {ExecuteButton::MarqueePanelCloseBox, 4}, {ExecuteButton::CloseMarqueePanel, 4},
    {ExecuteButton::TablePanelCloseBox, 5}, {ExecuteButton::CloseTablePanel, 5},
    {ExecuteButton::MailFormPanelCloseBox, 6}, {ExecuteButton::CloseMailFormPanel, 6},
    {ExecuteButton::BackgroundSoundPanelCloseBox, 7}, {ExecuteButton::CloseBackgroundSoundPanel, 7},
    {ExecuteButton::CloseMoviePanel, 8}, {ExecuteButton::MoviePanelCloseBox, 8},
    {ExecuteButton::BackgroundImagePanelCloseBox, 9}, {ExecuteButton::CloseBackgroundImagePanel, 9},
    {ExecuteButton::CloseFontPanel, 10}, {ExecuteButton::FontPanelCloseBox, 10},
    {ExecuteButton::DoctypePanelCloseBox, 11}, {ExecuteButton::CloseDoctypePanel, 11},
    {ExecuteButton::CloseFontSizePanel, 12}, {ExecuteButton::FontSizePanelCloseBox, 12},
    {ExecuteButton::CloseFontColourPanel, 13}, {ExecuteButton::FontColourPanelCloseBox, 13},
    {ExecuteButton::EmphasisPanelCloseBox, 14}, {ExecuteButton::CloseEmphasisPanel, 14},
    {ExecuteButton::CloseStrongPanel, 15}, {ExecuteButton::StrongPanelCloseBox, 15},
    {ExecuteButton::CloseFontShapePanel, 16}, {ExecuteButton::FontShapePanelCloseBox, 16},
    {ExecuteButton::IndentPanelCloseBox, 17},
    {ExecuteButton::SpacePanelCloseBox, 18}, {ExecuteButton::CloseSpacePanel, 18},
    {ExecuteButton::TitlePanelCloseBox, 19}, {ExecuteButton::CloseTitlePanel, 19},
    {ExecuteButton::CloseHeadingPanel, 20}, {ExecuteButton::HeadingPanelCloseBox, 20},
    {ExecuteButton::BodyColoursPanelCloseBox, 21}, {ExecuteButton::CloseBodyColoursPanel, 21},
    {ExecuteButton::CloseMarginsPanel, 22}, {ExecuteButton::MarginsPanelCloseBox, 22},
    {ExecuteButton::CloseCommentPanel, 23}, {ExecuteButton::CommentPanelCloseBox, 23},
    {ExecuteButton::CloseParagraphPanel, 24}, {ExecuteButton::ParagraphPanelCloseBox, 24},
    {ExecuteButton::PositionPanelCloseBox, 25}, {ExecuteButton::ClosePositionPanel, 25},
    {ExecuteButton::ClosePreformattedPanel, 29}, {ExecuteButton::PreformattedPanelCloseBox, 29},
    {ExecuteButton::ClosePageJumpPanel, 30}, {ExecuteButton::PageJumpPanelCloseBox, 30},
    {ExecuteButton::LineLengthPanelCloseBox, 32}, {ExecuteButton::CloseLineLengthPanel, 32},
    {ExecuteButton::CloseDocumentInfoPanel, 34}, {ExecuteButton::DocumentInfoPanelCloseBox, 34},
};

} // namespace

PanelButtons::PanelButtons(Workspace& workspace, ControlRegistry& controlRegistry, Dispatcher& d)
    : ws(workspace)
    , controls(controlRegistry)
    , dispatcher(d)
{
    for (const auto& [button, panel] : CloseButtons)
        dispatcher.setClose(button, QStringLiteral("Frame"), panel);
    dispatcher.setBranch(ExecuteButton::ChooseLinkTarget, [this] { return ChooseLinkTarget(); });
    dispatcher.setAction(ExecuteButton::StoreIndentAndClose, [this] {
        StoreLineLength();
        controls.get<QWidget>(QStringLiteral("Frame"), 17)->hide();
    });
}

bool PanelButtons::ChooseLinkTarget()
{
    if (ws.currentEditor()->SelLength() == 0) {
        controls.get<QWidget>(mini_panel::Panel)->hide();
        ws.dlg.MsgBox(QStringLiteral("クリックをする文字や画像を選択してください。"));
        return false;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("リンク先の設定");
    request.filter = QStringLiteral("すべてのファイル (*.*)|*.*|");
    const auto chosen = ws.dlg.ShowOpen(request);
    if (!chosen || chosen->isEmpty())
        return false;
    auto* target = controls.get<QLineEdit>(link_panel::TargetBox);
    target->setText(*chosen);
    if (!target->text().isEmpty())
        dispatcher.press(ExecuteButton::InsertLink);
    return true;
}

void PanelButtons::StoreLineLength()
{
    ws.state.settings.set(setting::Indent, controls.get<QLineEdit>(indent_panel::LineLengthBox)->text());
}
