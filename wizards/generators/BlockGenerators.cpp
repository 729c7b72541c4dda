#include "wizards/generators/BlockGenerators.h"

#include "platform/SharedConstants.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

namespace gen {

namespace {

QString alignMessage()
{
    return QStringLiteral("位置を指定する文字や画像を選択してください。") + FaceSweat;
}

QString startTag(const QString& name, const QString& attribute, bool left, bool centre)
{
    if (left)
        return QStringLiteral("<") + name + QStringLiteral(">") + CrLf;
    return QStringLiteral("<%1 %2= %3>").arg(name, attribute, centre ? QStringLiteral("center") : QStringLiteral("right")) + CrLf;
}

} // namespace

GeneratedEdit makeBr(const BreakInput& in)
{
    if (in.editor.selStart == 0)
        return {};
    GeneratedEdit e;
    e.primitive = Primitive::WrapPlain;
    e.before = QStringLiteral("<BR>");
    e.selectAfter = Range{in.editor.selStart + 4, 0};
    e.hide = {ControlRef(indent_panel::Panel)};
    return e;
}

GeneratedEdit makePAlign(const AlignInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(alignMessage(), {miniPanel()});
    return wrapSelection(in.editor, startTag(QStringLiteral("P"), QStringLiteral("ALIGN"), in.option2 == 0, in.option2 == 1),
                         QStringLiteral("</P>") + CrLf, {miniPanel(), ControlRef(paragraph_panel::Panel)});
}

GeneratedEdit makeDivAlign(const AlignInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(alignMessage());
    return wrapSelection(in.editor, startTag(QStringLiteral("DIV"), QStringLiteral("align"), in.option2 == 5, in.option2 == 4),
                         QStringLiteral("</DIV>") + CrLf, {ControlRef(position_panel::Panel)});
}

} // namespace gen
