#include "autocreate/PanelFields.h"

#include "platform/ControlRegistry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <initializer_list>

namespace autocreate {

namespace {

constexpr int NoIndex = ControlRegistry::NoIndex;

QString textOf(const ControlRegistry& controls, const QString& name, int index, const QString& initial)
{
    QObject* control = controls.find(name, index);
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        return box->toPlainText();
    return initial;
}

bool isChecked(const ControlRegistry& controls, const QString& name, int index, bool initial)
{
    QObject* control = controls.find(name, index);
    if (auto* option = qobject_cast<QRadioButton*>(control))
        return option->isChecked();
    if (auto* check = qobject_cast<QCheckBox*>(control))
        return check->isChecked();
    return initial;
}

// The position in `indexes` of the option that is selected; `initial` when none of them is
// registered or selected.
int choiceOf(const ControlRegistry& controls, const QString& name, std::initializer_list<int> indexes, int initial)
{
    int position = 0;
    for (int index : indexes) {
        if (isChecked(controls, name, index, false))
            return position;
        ++position;
    }
    return initial;
}

int choiceOf(const ControlRegistry& controls, const QString& name, int count, int initial)
{
    for (int i = 0; i < count; ++i) {
        if (isChecked(controls, name, i, false))
            return i;
    }
    return initial;
}

} // namespace

PanelInputs readPanelInputs(const ControlRegistry& c)
{
    PanelInputs p;
    const auto text = [&c](const char* name, int index, const QString& initial) {
        return textOf(c, QLatin1String(name), index, initial);
    };

    p.rule.thickness = text("Txtfutosa", NoIndex, p.rule.thickness);
    p.rule.lengthMm = text("Txtnagasa1", NoIndex, p.rule.lengthMm);
    p.rule.lengthPercent = text("Txtnagasa2", NoIndex, p.rule.lengthPercent);
    p.rule.align = choiceOf(c, QStringLiteral("Option3"), 3, p.rule.align);
    p.rule.shaded = isChecked(c, QStringLiteral("Check1"), NoIndex, p.rule.shaded);
    p.rule.colour = text("Txtkeisenc", NoIndex, p.rule.colour);

    p.list.kind = choiceOf(c, QStringLiteral("Option8"), 3, p.list.kind);
    p.list.bullet = choiceOf(c, QStringLiteral("Option13"), 3, p.list.bullet);

    gen::TableInput& t = p.table;
    t.headers = choiceOf(c, QStringLiteral("Option10"), 4, t.headers);
    t.cellAlign = choiceOf(c, QStringLiteral("Option7"), 3, t.cellAlign);
    t.cellValign = choiceOf(c, QStringLiteral("Option9"), 3, t.cellValign);
    t.tableAlign = choiceOf(c, QStringLiteral("Optionichi2"), 3, t.tableAlign);
    t.border = text("txtwaku2", 1, t.border);
    t.borderColour = text("Text5", 0, t.borderColour);
    t.lightColour = text("Text5", 1, t.lightColour);
    t.darkColour = text("Text5", 2, t.darkColour);
    t.frame = choiceOf(c, QStringLiteral("Option11"), 9, t.frame);
    t.rules = choiceOf(c, QStringLiteral("Option12"), 4, t.rules);
    t.horizontalSpacing = text("Txtyokok", NoIndex, t.horizontalSpacing);
    t.verticalSpacing = text("Txttatek", NoIndex, t.verticalSpacing);
    t.background = text("Txttc", NoIndex, t.background);
    t.height = text("Txttheight", NoIndex, t.height);
    t.width = text("Txttwidth", NoIndex, t.width);
    t.title = text("Txttit", NoIndex, t.title);
    t.captionPosition = choiceOf(c, QStringLiteral("Option16"), 2, t.captionPosition);

    gen::ImageInput& i = p.image;
    i.heightPercent = text("Txttatep", NoIndex, i.heightPercent);
    i.widthPercent = text("Txtyokop", NoIndex, i.widthPercent);
    i.heightMm = text("Txttatepic", NoIndex, i.heightMm);
    i.widthMm = text("Txtyokopic", NoIndex, i.widthMm);
    i.border = text("txtwaku", NoIndex, i.border);
    i.vspace = text("Txtud", NoIndex, i.vspace);
    i.hspace = text("Txtlr", NoIndex, i.hspace);
    i.alt = text("txtgazou", NoIndex, i.alt);

    gen::FramesetInput& f = p.frames;
    f.firstName = text("Text1", 1, f.firstName);
    f.secondName = text("Text1", 3, f.secondName);
    f.columns = choiceOf(c, QStringLiteral("Option5"), 2, 0) == 0;
    f.firstSize = text("Text7", 0, f.firstSize);
    f.firstScrolling = choiceOf(c, QStringLiteral("Option18"), {0, 1}, 2);
    f.secondScrolling = choiceOf(c, QStringLiteral("Option18"), {5, 4}, 2);
    f.setTarget = isChecked(c, QStringLiteral("Check5"), 0, f.setTarget);
    f.target = text("Text1", 11, f.target);
    f.borders = isChecked(c, QStringLiteral("Check5"), 1, f.borders);
    f.borderColour = text("Text1", 8, f.borderColour);
    f.borderWidth = text("Text1", 12, f.borderWidth);
    return p;
}

void writeBox(ControlRegistry& controls, const gen::ControlRef& box, const QString& text)
{
    QObject* control = controls.find(box.name, box.index);
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(text);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(control))
        multi->setPlainText(text);
}

void selectOption(ControlRegistry& controls, const QString& name, int index)
{
    if (auto* option = qobject_cast<QRadioButton*>(controls.find(name, index)))
        option->setChecked(true);
}

} // namespace autocreate
