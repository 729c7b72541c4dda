#include "wizards/MiniPanel.h"

#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "wizards/PanelForm.h"
#include "workspace/PanelKit.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"
#include "wizards/MiniPanelControls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

MiniPanel::MiniPanel(Workspace& workspace, PanelKit& kit, ControlRegistry& controlRegistry)
    : ws(workspace)
    , controls(controlRegistry)
{
    build(kit);
}

void MiniPanel::takeAppliedColour(const QString& replacement)
{
    if (!replacement.isEmpty())
        controls.get<QLineEdit>(mini_panel::FirstColourBox)->setText(replacement);
    controls.get<QWidget>(mini_panel::Panel)->raise();
}

void MiniPanel::setBodyFont(const QFont& font)
{
    controls.get<QPlainTextEdit>(mini_panel::BodyBox)->setFont(font);
}

void MiniPanel::build(PanelKit& kit)
{
    auto* panel = new HolderPanel(kit.host());
    controls.add(mini_panel::Panel, panel);
    twips::SetGeometry(panel, 13050, 2790, 1065, 555);
    PanelForm f(kit, panel);
    twips::SetGeometry(kit.addTitle(panel, mini_panel::Title, QString()), 180, 1260, 2175, 285);
    connect(f.pushButton(mini_panel::CloseBox, QStringLiteral("×"), 4725, 675, 330, 285), &QPushButton::clicked, this,
            &MiniPanel::closePanel);
    connect(f.pushButton(mini_panel::RunButton, QStringLiteral("実行"), 540, 855, 645, 330), &QPushButton::clicked, this,
            &MiniPanel::runModeGenerator);
    connect(f.pushButton(mini_panel::FirstColourButton, QStringLiteral("Command13"), 1710, 180, 375, 375), &QPushButton::clicked,
            this, &MiniPanel::chooseFirstColour);
    connect(f.pushButton(mini_panel::SecondColourButton, QStringLiteral("Command14"), 1710, 585, 375, 330), &QPushButton::clicked,
            this, &MiniPanel::chooseSecondColour);
    f.label(mini_panel::FirstCaption, QStringLiteral("LBL1"), 180, 180, 1400);
    f.label(mini_panel::SecondCaption, QStringLiteral("LBL2"), 180, 585, 1400);
    f.textBox(mini_panel::FirstColourBox, QString(), 2160, 180, 1200);
    f.textBox(mini_panel::SecondColourBox, QString(), 2160, 585, 1200);
    twips::SetGeometry(kit.add<QPlainTextEdit>(panel, mini_panel::BodyBox), 180, 1600, 4800, 1500);
    f.textBox(mini_panel::ValueBox, QString(), 3500, 180, 500);
    f.spinner(mini_panel::ValueSpinner, 0, 100, 0, 4050, 180);
    auto* shape = kit.add<QFrame>(panel, mini_panel::Outline);
    shape->setFrameShape(QFrame::Box);
    twips::SetGeometry(shape, 90, 90, 5000, 3100);
}

void MiniPanel::setGenerator(int forMode, std::function<void()> generator)
{
    modes_[forMode] = std::move(generator);
}

void MiniPanel::runModeGenerator()
{
    auto it = modes_.find(mode);
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

void MiniPanel::chooseFirstColour()
{
    if (mode != 4 && mode != 8)
        return;
    const auto colour = ws.dlg.getColour(QColor());
    if (!colour)
        return;
    controls.get<QLineEdit>(mini_panel::FirstColourBox)->setText(hexColour(*colour));
    controls.get<QWidget>(mini_panel::Panel)->show();
}

void MiniPanel::chooseSecondColour()
{
    if (mode != 4)
        return;
    const auto colour = ws.dlg.getColour(QColor());
    if (!colour)
        return;
    controls.get<QLineEdit>(mini_panel::SecondColourBox)->setText(hexColour(*colour));
}

void MiniPanel::closePanel()
{
    controls.get<QWidget>(mini_panel::Panel)->hide();
    Q_EMIT closed();
}
