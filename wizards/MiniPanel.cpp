#include "wizards/MiniPanel.h"

#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "wizards/PanelForm.h"
#include "workspace/PanelKit.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

HolderPanel::HolderPanel(QWidget* parent)
    : QGroupBox(parent)
{
    QGroupBox::setVisible(false);
}

void HolderPanel::setVisible(bool visible)
{
    shown_ = visible;
    QGroupBox::setVisible(false);
}

MiniPanel::MiniPanel(Workspace& workspace, PanelKit& kit, ControlRegistry& controlRegistry)
    : ws(workspace)
    , controls(controlRegistry)
{
    build(kit);
}

void MiniPanel::build(PanelKit& kit)
{
    auto* panel = new HolderPanel(kit.host());
    controls.add(QStringLiteral("Frmc"), panel);
    twips::SetGeometry(panel, 13050, 2790, 1065, 555);
    PanelForm f(kit, panel);
    twips::SetGeometry(kit.addTitle(panel, QStringLiteral("Lblc"), ControlRegistry::NoIndex, QString()), 180, 1260, 2175, 285);
    const auto button = [&](const char* name, const QString& caption, int left, int top, int width, int height) {
        QPushButton* b = f.button(QString::fromLatin1(name), ControlRegistry::NoIndex, caption, left, top, width, height);
        return b;
    };
    connect(button("CmdBatu", QStringLiteral("×"), 4725, 675, 330, 285), &QPushButton::clicked, this, [this] { CmdBatu_Click(); });
    connect(button("Cmdc", QStringLiteral("実行"), 540, 855, 645, 330), &QPushButton::clicked, this, [this] { Cmdc_Click(); });
    connect(button("Cmd1", QStringLiteral("Command13"), 1710, 180, 375, 375), &QPushButton::clicked, this, [this] { Cmd1_Click(); });
    connect(button("Cmd2", QStringLiteral("Command14"), 1710, 585, 375, 330), &QPushButton::clicked, this, [this] { Cmd2_Click(); });
    f.label(QStringLiteral("LBL1"), ControlRegistry::NoIndex, QStringLiteral("LBL1"), 180, 180, 1400);
    f.label(QStringLiteral("LBL2"), ControlRegistry::NoIndex, QStringLiteral("LBL2"), 180, 585, 1400);
    f.box(QStringLiteral("Txt1"), ControlRegistry::NoIndex, QString(), 2160, 180, 1200);
    f.box(QStringLiteral("Txt2"), ControlRegistry::NoIndex, QString(), 2160, 585, 1200);
    twips::SetGeometry(kit.add<QPlainTextEdit>(panel, QStringLiteral("Rtxt")), 180, 1600, 4800, 1500);
    f.box(QStringLiteral("Text4"), ControlRegistry::NoIndex, QString(), 3500, 180, 500);
    f.spinner(QStringLiteral("VScroll4"), 0, 0, 100, 0, 4050, 180);
    auto* shape = kit.add<QFrame>(panel, QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);
    twips::SetGeometry(shape, 90, 90, 5000, 3100);
}

void MiniPanel::setMode(int mode, std::function<void()> generator)
{
    modes_[mode] = std::move(generator);
}

void MiniPanel::Cmdc_Click()
{
    auto it = modes_.find(CmdcMode);
    if (it == modes_.end() || !it->second)
        return;
    const std::function<void()> generator = it->second;
    generator();
}

namespace {

QString hexColour(const QColor& c)
{
    return QStringLiteral("#") + rgbHex(c.red() + c.green() * 256L + c.blue() * 65536L);
}

} // namespace

void MiniPanel::Cmd1_Click()
{
    if (CmdcMode != 4 && CmdcMode != 8)
        return;
    const auto colour = ws.dlg.ShowColor(QColor());
    if (!colour)
        return;
    controls.get<QLineEdit>(QStringLiteral("Txt1"))->setText(hexColour(*colour));
    controls.get<QWidget>(QStringLiteral("Frmc"))->show();
}

void MiniPanel::Cmd2_Click()
{
    if (CmdcMode != 4)
        return;
    const auto colour = ws.dlg.ShowColor(QColor());
    if (!colour)
        return;
    controls.get<QLineEdit>(QStringLiteral("Txt2"))->setText(hexColour(*colour));
}

void MiniPanel::CmdBatu_Click()
{
    controls.get<QWidget>(QStringLiteral("Frmc"))->hide();
    Q_EMIT closed();
}
