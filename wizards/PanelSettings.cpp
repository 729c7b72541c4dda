#include "wizards/PanelSettings.h"

#include "platform/ControlRegistry.h"
#include "platform/LineEnds.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/FramesWizardControls.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace panel {

QString text(const ControlRegistry& controls, ControlRef box)
{
    if (auto* line = qobject_cast<QLineEdit*>(controls.find(box)))
        return line->text();
    return toCrLf(controls.get<QPlainTextEdit>(box)->toPlainText());
}

bool checked(const ControlRegistry& controls, ControlRef button)
{
    return controls.get<QAbstractButton>(button)->isChecked();
}

int selected(const ControlRegistry& controls, ControlArrayId options, std::initializer_list<int> places, int none)
{
    for (int i : places) {
        if (checked(controls, ControlRef(options, i)))
            return i;
    }
    return none;
}

gen::RuleInput ruleSettings(const ControlRegistry& c)
{
    gen::RuleInput in;
    in.thickness = text(c, rule_panel::ThicknessBox);
    in.lengthMm = text(c, rule_panel::LengthMmBox);
    in.lengthPercent = text(c, rule_panel::LengthPercentBox);
    in.align = selected(c, rule_panel::Alignment, {0, 1, 2}, 1);
    in.shaded = checked(c, rule_panel::ShadedCheck);
    in.colour = text(c, rule_panel::ColourBox);
    return in;
}

gen::ListInput listSettings(const ControlRegistry& c)
{
    gen::ListInput in;
    in.kind = selected(c, list_panel::Kind, {0, 1, 2}, 1);
    in.bullet = selected(c, list_panel::Mark, {0, 1, 2}, 1);
    return in;
}

gen::TableInput tableSettings(const ControlRegistry& c)
{
    gen::TableInput in;
    in.headers = selected(c, table_panel::Headings, {0, 1, 2, 3}, 0);
    in.cellAlign = selected(c, table_panel::CellAlignment, {0, 1, 2});
    in.cellValign = selected(c, table_panel::CellVerticalAlignment, {0, 1, 2});
    in.tableAlign = selected(c, table_panel::Position, {0, 1, 2});
    in.border = text(c, table_panel::BorderWidthBox);
    in.borderColour = text(c, table_panel::BorderColourBox);
    in.lightColour = text(c, table_panel::LightColourBox);
    in.darkColour = text(c, table_panel::DarkColourBox);
    in.frame = selected(c, table_panel::Frame, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    in.rules = selected(c, table_panel::Rules, {0, 1, 2, 3});
    in.horizontalSpacing = text(c, table_panel::HorizontalSpacingBox);
    in.verticalSpacing = text(c, table_panel::VerticalSpacingBox);
    in.background = text(c, table_panel::CellBackgroundBox);
    in.height = text(c, table_panel::HeightBox);
    in.width = text(c, table_panel::WidthBox);
    in.title = text(c, table_panel::TitleBox);
    in.captionPosition = selected(c, table_panel::CaptionPosition, {1, 0}, 1);
    return in;
}

gen::ImageInput imageSettings(const ControlRegistry& c)
{
    gen::ImageInput in;
    in.heightPercent = text(c, image_panel::HeightPercentBox);
    in.widthPercent = text(c, image_panel::WidthPercentBox);
    in.heightMm = text(c, image_panel::HeightMmBox);
    in.widthMm = text(c, image_panel::WidthMmBox);
    in.border = text(c, image_panel::BorderBox);
    in.align = selected(c, image_panel::Alignment, {0, 1, 2, 3, 4});
    in.vspace = text(c, image_panel::VerticalSpaceBox);
    in.hspace = text(c, image_panel::HorizontalSpaceBox);
    in.alt = text(c, image_panel::AltTextBox);
    return in;
}

gen::FramesetInput framesetSettings(const ControlRegistry& c)
{
    using namespace frames_wizard;
    const auto box = [&c](ControlId id) { return text(c, id); };
    const auto on = [&c](ControlRef button) { return checked(c, button); };
    gen::FramesetInput in;
    in.pageName = box(FramesetFileBox);
    in.firstPage = box(FirstFileBox);
    in.firstName = box(FirstNameBox);
    in.secondPage = box(SecondFileBox);
    in.secondName = box(SecondNameBox);
    in.columns = on(ControlRef(Split, 0));
    in.firstSize = text(c, FirstSizeBox);
    in.firstScrolling = on(ControlRef(FirstScrolling, 0)) ? 0 : on(ControlRef(FirstScrolling, 1)) ? 1 : 2;
    in.secondScrolling = on(ControlRef(SecondScrolling, 0)) ? 0 : on(ControlRef(SecondScrolling, 1)) ? 1 : 2;
    in.setTarget = on(SetTargetCheck);
    in.target = box(TargetBox);
    in.borders = on(BordersCheck);
    in.borderColour = box(BorderColourBox);
    in.borderWidth = box(BorderWidthBox);
    return in;
}

namespace {

void writeBox(ControlRegistry& controls, ControlRef box, const QString& text)
{
    QObject* control = controls.find(box);
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(text);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(control))
        multi->setPlainText(text);
}

// Its click runs as if the user chose it.
void selectOption(ControlRegistry& controls, ControlRef option)
{
    if (auto* button = qobject_cast<QRadioButton*>(controls.find(option)))
        button->setChecked(true);
}

} // namespace

void writeFields(ControlRegistry& controls, const QList<gen::FieldWrite>& fields)
{
    for (const gen::FieldWrite& field : fields)
        writeBox(controls, field.control, field.text);
}

void selectOptions(ControlRegistry& controls, const QList<gen::ControlRef>& options)
{
    for (const gen::ControlRef& option : options)
        selectOption(controls, option);
}

gen::FieldWrite insertedImageFile(const QString& file)
{
    return {ControlRef(image_panel::ChosenFileBox), file};
}

gen::ControlRef insertedImageAlignment()
{
    return ControlRef(image_panel::Alignment, 1);
}

gen::FieldWrite insertedBackgroundImageFile(const QString& file)
{
    return {ControlRef(background_image_panel::FileBox), file};
}

gen::ControlRef insertedBackgroundImageRepeat()
{
    return ControlRef(background_image_panel::Repeat, 0);
}

void showAutomaticRun(ControlRegistry& controls, const AutomaticRun& run)
{
    writeBox(controls, ControlRef(title_panel::TitleBox), run.title);
    writeBox(controls, ControlRef(body_colours_panel::TextColourBox), run.textColour);
    writeBox(controls, ControlRef(body_colours_panel::BackgroundBox), run.background);
    if (run.frames) {
        writeBox(controls, ControlRef(frames_wizard::SecondFileBox), run.bodyPage);
        writeBox(controls, ControlRef(frames_wizard::FirstFileBox), run.navigationPage);
        writeBox(controls, ControlRef(frames_wizard::FramesetFileBox), run.framesetPage);
    }
    if (run.sideBySide)
        selectOption(controls, ControlRef(frames_wizard::Split, *run.sideBySide ? 0 : 1));
}

} // namespace panel
