#include "wizards/PanelButtons.h"

#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "wizards/Dispatcher.h"
#include "workspace/Workspace.h"

#include <QLineEdit>

namespace {

// The construct panels' "閉じる" and "×" buttons: button, panel.
const int CloseButtons[][2] = {
    {1, 0},   {2, 0},   {5, 1},   {6, 1},   {4, 2},   {9, 2},   {10, 3},  {12, 3},  {13, 4},  {15, 4},
    {16, 5},  {18, 5},  {19, 6},  {20, 6},  {22, 7},  {24, 7},  {26, 8},  {27, 8},  {28, 9},  {30, 9},
    {31, 10}, {33, 10}, {34, 11}, {35, 11}, {38, 12}, {39, 12}, {41, 13}, {42, 13}, {43, 14}, {44, 14},
    {47, 15}, {48, 15}, {50, 16}, {51, 16}, {54, 17}, {55, 18}, {56, 18}, {58, 19}, {59, 19}, {62, 20},
    {63, 20}, {64, 21}, {65, 21}, {67, 22}, {69, 22}, {71, 23}, {72, 23}, {73, 24}, {75, 24}, {76, 25},
    {78, 25}, {94, 29}, {96, 29}, {98, 30}, {99, 30}, {104, 32}, {106, 32}, {108, 34}, {111, 34},
};

} // namespace

PanelButtons::PanelButtons(Workspace& workspace, ControlRegistry& controlRegistry, Dispatcher& d)
    : ws(workspace)
    , controls(controlRegistry)
    , dispatcher(d)
{
    for (const auto& [button, panel] : CloseButtons)
        dispatcher.setClose(button, QStringLiteral("Frame"), panel);
    dispatcher.setBranch(3, [this] { return ChooseLinkTarget(); });
    dispatcher.setAction(53, [this] {
        StoreLineLength();
        controls.get<QWidget>(QStringLiteral("Frame"), 17)->hide();
    });
}

bool PanelButtons::ChooseLinkTarget()
{
    if (ws.currentEditor()->SelLength() == 0) {
        controls.get<QWidget>(QStringLiteral("Frmc"))->hide();
        ws.dlg.MsgBox(QStringLiteral("クリックをする文字や画像を選択してください。"));
        return false;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("リンク先の設定");
    request.filter = QStringLiteral("すべてのファイル (*.*)|*.*|");
    const auto chosen = ws.dlg.ShowOpen(request);
    if (!chosen || chosen->isEmpty())
        return false;
    auto* target = controls.get<QLineEdit>(QStringLiteral("Txtlink"));
    target->setText(*chosen);
    if (!target->text().isEmpty())
        dispatcher.Cmdcmd_Click(0);
    return true;
}

void PanelButtons::StoreLineLength()
{
    ws.state.settings.set(setting::Indent, controls.get<QLineEdit>(QStringLiteral("Text"), 45)->text());
}
