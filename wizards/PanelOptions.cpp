#include "wizards/PanelOptions.h"

#include "platform/ControlRegistry.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/FramesetGenerator.h"
#include "wizards/generators/TextStyleGenerators.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

PanelOptions::PanelOptions(ControlRegistry& controlRegistry)
    : controls(controlRegistry)
{
    const auto onSelected = [this](const QString& name, int index, auto handler) {
        connect(controls.get<QRadioButton>(name, index), &QRadioButton::toggled, this, [index, handler](bool on) {
            if (on)
                handler(index);
        });
    };
    for (int i : {0, 1})
        onSelected(QStringLiteral("Option17"), i, [this](int k) { setFontSizeRange(k); });
    for (int i : {0, 1})
        onSelected(QStringLiteral("Option5"), i, [this](int k) { nameFramesForSplit(k); });
    for (int i = 0; i <= 11; ++i)
        onSelected(QStringLiteral("Option18"), i, [this](int k) { hideAutomaticHeadingSettings(k); });
    for (int i : {4, 5})
        onSelected(QStringLiteral("OptKensaku"), i, [this](int k) { enableChosenJumpName(k); });
    connect(controls.get<QScrollBar>(QStringLiteral("VScroll1")), &QScrollBar::valueChanged, this, [this] { showFontSize(); });
    connect(controls.get<QScrollBar>(heading_panel::LevelSpinner), &QScrollBar::valueChanged, this, [this] { showHeadingLevel(); });
    for (int i = 0; i < 6; ++i)
        connect(controls.get<QCheckBox>(QStringLiteral("Check4"), i), &QCheckBox::toggled, this, [this] { showScriptChoices(); });
}

void PanelOptions::setFontSizeRange(int kind)
{
    const gen::SpinnerRange range = gen::fontSizeRange(kind);
    controls.get<QScrollBar>(QStringLiteral("VScroll1"))->setRange(range.minimum, range.maximum);
}

void PanelOptions::showFontSize()
{
    const int value = controls.get<QScrollBar>(QStringLiteral("VScroll1"))->value();
    const bool relative = controls.get<QRadioButton>(QStringLiteral("Option17"), 1)->isChecked();
    controls.get<QLineEdit>(QStringLiteral("TxtFsize"))->setText(gen::fontSizeText(value, relative));
}

void PanelOptions::showHeadingLevel()
{
    const int value = controls.get<QScrollBar>(heading_panel::LevelSpinner)->value();
    controls.get<QLineEdit>(QStringLiteral("Text6"), 8)->setText(QString::number(value));
}

void PanelOptions::showScriptChoices()
{
    const bool script = controls.get<QCheckBox>(QStringLiteral("Check4"), 5)->isChecked();
    controls.get<QWidget>(QStringLiteral("Frmtuki"))->setVisible(script);
}

void PanelOptions::nameFramesForSplit(int split)
{
    const gen::FrameNames names = gen::frameNamesForSplit(split);
    controls.get<QLineEdit>(QStringLiteral("Text1"), 1)->setText(names.first);
    controls.get<QLineEdit>(QStringLiteral("Text1"), 3)->setText(names.second);
    controls.get<QLineEdit>(QStringLiteral("Text1"), 11)->setText(names.target);
}

void PanelOptions::hideAutomaticHeadingSettings(int option)
{
    if (option == 13)
        return;
    // The settings panel of automatic creation is its own subsystem's; it may not be built.
    if (auto* headings = qobject_cast<QWidget*>(controls.find(auto_settings::NavigationGroup)))
        headings->hide();
}

void PanelOptions::enableChosenJumpName(int option)
{
    if (option != 4 && option != 5)
        return;
    controls.get<QWidget>(QStringLiteral("Text6"), 15)->setEnabled(option == 4);
    controls.get<QWidget>(QStringLiteral("Text6"), 16)->setEnabled(option == 5);
}
