#include "wizards/PanelSettings.h"

#include "platform/ControlRegistry.h"
#include "platform/LineEnds.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace panel {

QString text(const ControlRegistry& controls, const QString& name, int index)
{
    if (auto* line = qobject_cast<QLineEdit*>(controls.find(name, index)))
        return line->text();
    return toCrLf(controls.get<QPlainTextEdit>(name, index)->toPlainText());
}

bool checked(const ControlRegistry& controls, const QString& name, int index)
{
    return controls.get<QAbstractButton>(name, index)->isChecked();
}

int selected(const ControlRegistry& controls, const QString& name, std::initializer_list<int> indexes, int none)
{
    for (int i : indexes) {
        if (checked(controls, name, i))
            return i;
    }
    return none;
}

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
    in.thickness = text(c, QStringLiteral("Txtfutosa"));
    in.lengthMm = text(c, QStringLiteral("Txtnagasa1"));
    in.lengthPercent = text(c, QStringLiteral("Txtnagasa2"));
    in.align = selected(c, QStringLiteral("Option3"), {0, 1, 2}, 1);
    in.shaded = checked(c, QStringLiteral("Check1"));
    in.colour = text(c, QStringLiteral("Txtkeisenc"));
    return in;
}

gen::ListInput listSettings(const ControlRegistry& c)
{
    gen::ListInput in;
    in.kind = selected(c, QStringLiteral("Option8"), {0, 1, 2}, 1);
    in.bullet = selected(c, QStringLiteral("Option13"), {0, 1, 2}, 1);
    return in;
}

gen::TableInput tableSettings(const ControlRegistry& c)
{
    gen::TableInput in;
    in.headers = selected(c, QStringLiteral("Option10"), {0, 1, 2, 3}, 0);
    in.cellAlign = selected(c, QStringLiteral("Option7"), {0, 1, 2});
    in.cellValign = selected(c, QStringLiteral("Option9"), {0, 1, 2});
    in.tableAlign = selected(c, QStringLiteral("Optionichi2"), {0, 1, 2});
    in.border = text(c, QStringLiteral("txtwaku2"), 1);
    in.borderColour = text(c, QStringLiteral("Text5"), 0);
    in.lightColour = text(c, QStringLiteral("Text5"), 1);
    in.darkColour = text(c, QStringLiteral("Text5"), 2);
    in.frame = selected(c, QStringLiteral("Option11"), {0, 1, 2, 3, 4, 5, 6, 7, 8});
    in.rules = selected(c, QStringLiteral("Option12"), {0, 1, 2, 3});
    in.horizontalSpacing = text(c, QStringLiteral("Txtyokok"));
    in.verticalSpacing = text(c, QStringLiteral("Txttatek"));
    in.background = text(c, QStringLiteral("Txttc"));
    in.height = text(c, QStringLiteral("Txttheight"));
    in.width = text(c, QStringLiteral("Txttwidth"));
    in.title = text(c, QStringLiteral("Txttit"));
    in.captionPosition = selected(c, QStringLiteral("Option16"), {1, 0}, 1);
    return in;
}

gen::ImageInput imageSettings(const ControlRegistry& c)
{
    gen::ImageInput in;
    in.heightPercent = text(c, QStringLiteral("Txttatep"));
    in.widthPercent = text(c, QStringLiteral("Txtyokop"));
    in.heightMm = text(c, QStringLiteral("Txttatepic"));
    in.widthMm = text(c, QStringLiteral("Txtyokopic"));
    in.border = text(c, QStringLiteral("txtwaku"));
    in.align = selected(c, QStringLiteral("Option6"), {0, 1, 2, 3, 4});
    in.vspace = text(c, QStringLiteral("Txtud"));
    in.hspace = text(c, QStringLiteral("Txtlr"));
    in.alt = text(c, QStringLiteral("txtgazou"));
    return in;
}

gen::FramesetInput framesetSettings(const ControlRegistry& c)
{
    const auto box = [&c](int i) { return text(c, QStringLiteral("Text1"), i); };
    const auto on = [&c](const char* name, int i) { return checked(c, QLatin1String(name), i); };
    gen::FramesetInput in;
    in.pageName = box(9);
    in.firstPage = box(0);
    in.firstName = box(1);
    in.secondPage = box(2);
    in.secondName = box(3);
    in.columns = on("Option5", 0);
    in.firstSize = text(c, QStringLiteral("Text7"), 0);
    in.firstScrolling = on("Option18", 0) ? 0 : on("Option18", 1) ? 1 : 2;
    in.secondScrolling = on("Option18", 5) ? 0 : on("Option18", 4) ? 1 : 2;
    in.setTarget = on("Check5", 0);
    in.target = box(11);
    in.borders = on("Check5", 1);
    in.borderColour = box(8);
    in.borderWidth = box(12);
    return in;
}

} // namespace panel
