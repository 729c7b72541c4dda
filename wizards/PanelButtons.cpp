#include "wizards/PanelButtons.h"

#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/Dispatcher.h"
#include "wizards/EasyPanelControls.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/MiniPanelControls.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

// The construct panels' "閉じる" and "×" buttons: button, panel.
struct CloseButton {
    ExecuteButton button;
    ControlId panel;
};
const CloseButton CloseButtons[] = {
    {ExecuteButton::CloseLinkPanel, link_panel::Panel}, {ExecuteButton::LinkPanelCloseBox, link_panel::Panel},
    {ExecuteButton::RulePanelCloseBox, rule_panel::Panel}, {ExecuteButton::CloseRulePanel, rule_panel::Panel},
    {ExecuteButton::ListPanelCloseBox, list_panel::Panel}, {ExecuteButton::CloseListPanel, list_panel::Panel},
    {ExecuteButton::ImagePanelCloseBox, image_panel::Panel}, {ExecuteButton::CloseImagePanel, image_panel::Panel},
    {ExecuteButton::MarqueePanelCloseBox, marquee_panel::Panel}, {ExecuteButton::CloseMarqueePanel, marquee_panel::Panel},
    {ExecuteButton::TablePanelCloseBox, table_panel::Panel}, {ExecuteButton::CloseTablePanel, table_panel::Panel},
    {ExecuteButton::MailFormPanelCloseBox, mail_form_panel::Panel}, {ExecuteButton::CloseMailFormPanel, mail_form_panel::Panel},
    {ExecuteButton::BackgroundSoundPanelCloseBox, background_sound_panel::Panel}, {ExecuteButton::CloseBackgroundSoundPanel, background_sound_panel::Panel},
    {ExecuteButton::CloseMoviePanel, movie_panel::Panel}, {ExecuteButton::MoviePanelCloseBox, movie_panel::Panel},
    {ExecuteButton::BackgroundImagePanelCloseBox, background_image_panel::Panel}, {ExecuteButton::CloseBackgroundImagePanel, background_image_panel::Panel},
    {ExecuteButton::CloseFontPanel, font_panel::Panel}, {ExecuteButton::FontPanelCloseBox, font_panel::Panel},
    {ExecuteButton::DoctypePanelCloseBox, doctype_panel::Panel}, {ExecuteButton::CloseDoctypePanel, doctype_panel::Panel},
    {ExecuteButton::CloseFontSizePanel, font_size_panel::Panel}, {ExecuteButton::FontSizePanelCloseBox, font_size_panel::Panel},
    {ExecuteButton::CloseFontColourPanel, font_colour_panel::Panel}, {ExecuteButton::FontColourPanelCloseBox, font_colour_panel::Panel},
    {ExecuteButton::EmphasisPanelCloseBox, emphasis_panel::Panel}, {ExecuteButton::CloseEmphasisPanel, emphasis_panel::Panel},
    {ExecuteButton::CloseStrongPanel, strong_panel::Panel}, {ExecuteButton::StrongPanelCloseBox, strong_panel::Panel},
    {ExecuteButton::CloseFontShapePanel, font_shape_panel::Panel}, {ExecuteButton::FontShapePanelCloseBox, font_shape_panel::Panel},
    {ExecuteButton::IndentPanelCloseBox, indent_panel::Panel},
    {ExecuteButton::SpacePanelCloseBox, space_panel::Panel}, {ExecuteButton::CloseSpacePanel, space_panel::Panel},
    {ExecuteButton::TitlePanelCloseBox, title_panel::Panel}, {ExecuteButton::CloseTitlePanel, title_panel::Panel},
    {ExecuteButton::CloseHeadingPanel, heading_panel::Panel}, {ExecuteButton::HeadingPanelCloseBox, heading_panel::Panel},
    {ExecuteButton::BodyColoursPanelCloseBox, body_colours_panel::Panel}, {ExecuteButton::CloseBodyColoursPanel, body_colours_panel::Panel},
    {ExecuteButton::CloseMarginsPanel, margins_panel::Panel}, {ExecuteButton::MarginsPanelCloseBox, margins_panel::Panel},
    {ExecuteButton::CloseCommentPanel, comment_panel::Panel}, {ExecuteButton::CommentPanelCloseBox, comment_panel::Panel},
    {ExecuteButton::CloseParagraphPanel, paragraph_panel::Panel}, {ExecuteButton::ParagraphPanelCloseBox, paragraph_panel::Panel},
    {ExecuteButton::PositionPanelCloseBox, position_panel::Panel}, {ExecuteButton::ClosePositionPanel, position_panel::Panel},
    {ExecuteButton::ClosePreformattedPanel, preformatted_panel::Panel}, {ExecuteButton::PreformattedPanelCloseBox, preformatted_panel::Panel},
    {ExecuteButton::ClosePageJumpPanel, page_jump_panel::Panel}, {ExecuteButton::PageJumpPanelCloseBox, page_jump_panel::Panel},
    {ExecuteButton::LineLengthPanelCloseBox, line_length_panel::Panel}, {ExecuteButton::CloseLineLengthPanel, line_length_panel::Panel},
    {ExecuteButton::CloseDocumentInfoPanel, document_info_panel::Panel}, {ExecuteButton::DocumentInfoPanelCloseBox, document_info_panel::Panel},
};

} // namespace

PanelButtons::PanelButtons(Workspace& workspace, ControlRegistry& controlRegistry, Dispatcher& d)
    : ws(workspace)
    , controls(controlRegistry)
    , dispatcher(d)
{
    for (const auto& [button, panel] : CloseButtons)
        dispatcher.setClose(button, panel);
    dispatcher.setBranch(ExecuteButton::ChooseLinkTarget, [this] { return chooseLinkTarget(); });
    dispatcher.setAction(ExecuteButton::StoreIndentAndClose, [this] {
        storeLineLength();
        controls.get<QWidget>(indent_panel::Panel)->hide();
    });
}

bool PanelButtons::chooseLinkTarget()
{
    if (ws.currentEditor()->selectionLength() == 0) {
        controls.get<QWidget>(mini_panel::Panel)->hide();
        ws.dlg.message(QStringLiteral("クリックをする文字や画像を選択してください。"));
        return false;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("リンク先の設定");
    request.filter = QStringLiteral("すべてのファイル (*.*)|*.*|");
    const auto chosen = ws.dlg.getOpenFileName(request);
    if (!chosen || chosen->isEmpty())
        return false;
    auto* target = controls.get<QLineEdit>(link_panel::TargetBox);
    target->setText(*chosen);
    if (!target->text().isEmpty())
        dispatcher.press(ExecuteButton::InsertLink);
    return true;
}

void PanelButtons::loadLineLength()
{
    controls.get<QLineEdit>(indent_panel::LineLengthBox)->setText(ws.state.settings.get(setting::Indent));
}

void PanelButtons::storeLineLength()
{
    ws.state.settings.set(setting::Indent, controls.get<QLineEdit>(indent_panel::LineLengthBox)->text());
}

void takeChosenLineLength(ControlRegistry& controls)
{
    auto* lengths = qobject_cast<QListWidget*>(controls.find(indent_panel::LineLengthChoices));
    auto* box = qobject_cast<QLineEdit*>(controls.find(indent_panel::LineLengthBox));
    if (!lengths || !lengths->currentItem() || !box)
        return;
    box->setText(lengths->currentItem()->text());
    lengths->hide();
}
