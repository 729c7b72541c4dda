#include "wizards/PanelOptions.h"

#include "platform/ControlRegistry.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/FramesetGenerator.h"
#include "wizards/generators/TextStyleGenerators.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/FramesWizardControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

PanelOptions::PanelOptions(ControlRegistry& controlRegistry)
    : controls(controlRegistry)
{
    const auto onSelected = [this](ControlRef option, auto handler) {
        connect(controls.get<QRadioButton>(option), &QRadioButton::toggled, this, [handler](bool on) {
            if (on)
                handler();
        });
    };
    for (int i : {0, 1})
        onSelected(ControlRef(font_size_panel::Kind, i), [this, i] { setFontSizeRange(i); });
    for (int i : {0, 1})
        onSelected(ControlRef(frames_wizard::Split, i), [this, i] { nameFramesForSplit(i); });
    // The frames wizard's yes / no / auto options, array by array with their places.
    const std::pair<ControlArrayId, int> framesOptions[] = {
        {frames_wizard::FirstScrolling, 3}, {frames_wizard::SecondScrolling, 3}, {frames_wizard::FirstFixed, 2},
        {frames_wizard::SecondFixed, 2},    {frames_wizard::AllFixed, 2},
    };
    for (const auto& [options, count] : framesOptions) {
        for (int i = 0; i < count; ++i)
            onSelected(ControlRef(options, i), [this] { Q_EMIT framesOptionChosen(); });
    }
    onSelected(page_jump_panel::SourceOption, [this] { enableChosenJumpName(true); });
    onSelected(page_jump_panel::TargetOption, [this] { enableChosenJumpName(false); });
    connect(controls.get<QScrollBar>(font_size_panel::SizeSpinner), &QScrollBar::valueChanged, this, [this] { showFontSize(); });
    connect(controls.get<QScrollBar>(heading_panel::LevelSpinner), &QScrollBar::valueChanged, this, [this] { showHeadingLevel(); });
    for (ControlId style : font_shape_panel::StyleChecks)
        connect(controls.get<QCheckBox>(style), &QCheckBox::toggled, this, [this] { showScriptChoices(); });
}

void PanelOptions::setFontSizeRange(int kind)
{
    const gen::SpinnerRange range = gen::fontSizeRange(kind);
    controls.get<QScrollBar>(font_size_panel::SizeSpinner)->setRange(range.minimum, range.maximum);
}

void PanelOptions::showFontSize()
{
    const int value = controls.get<QScrollBar>(font_size_panel::SizeSpinner)->value();
    const bool relative = controls.get<QRadioButton>(ControlRef(font_size_panel::Kind, 1))->isChecked();
    controls.get<QLineEdit>(font_size_panel::SizeBox)->setText(gen::fontSizeText(value, relative));
}

void PanelOptions::showHeadingLevel()
{
    const int value = controls.get<QScrollBar>(heading_panel::LevelSpinner)->value();
    controls.get<QLineEdit>(heading_panel::LevelBox)->setText(QString::number(value));
}

void PanelOptions::showScriptChoices()
{
    const bool script = controls.get<QCheckBox>(font_shape_panel::ScriptCheck)->isChecked();
    controls.get<QWidget>(font_shape_panel::ScriptGroup)->setVisible(script);
}

void PanelOptions::nameFramesForSplit(int split)
{
    const gen::FrameNames names = gen::frameNamesForSplit(split);
    controls.get<QLineEdit>(frames_wizard::FirstNameBox)->setText(names.first);
    controls.get<QLineEdit>(frames_wizard::SecondNameBox)->setText(names.second);
    controls.get<QLineEdit>(frames_wizard::TargetBox)->setText(names.target);
}

void PanelOptions::enableChosenJumpName(bool source)
{
    controls.get<QWidget>(page_jump_panel::SourceNameBox)->setEnabled(source);
    controls.get<QWidget>(page_jump_panel::TargetNameBox)->setEnabled(!source);
}
