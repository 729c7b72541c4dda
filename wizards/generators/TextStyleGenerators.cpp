#include "wizards/generators/TextStyleGenerators.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

namespace gen {

GeneratedEdit makeHeading(const HeadingInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("見出しの文字を選択してください。") + FaceSweat);
    const QString level = textrules::trimBlanks(in.level);
    return wrapSelection(in.editor, QStringLiteral(" <H") + level + QStringLiteral(">"),
                         QStringLiteral(" </H") + level + QStringLiteral(">"), {ControlRef(heading_panel::Panel)}, true);
}

GeneratedEdit makeComment(const CommentInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("コメントにする文字を選択して下さい。") + FaceSweat, {}, {miniPanel()});
    return wrapSelection(in.editor, QStringLiteral(" <!-- "), QStringLiteral(" --> "), {ControlRef(comment_panel::Panel)}, true);
}

GeneratedEdit makeFontSize(const FontSizeInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("大きさを変える文字を選択してください。") + FaceSweat, {miniPanel()});
    return wrapSelection(in.editor, QStringLiteral(" <FONT size=") + quoted(in.size) + QStringLiteral(">"),
                         QStringLiteral(" </FONT> "), {ControlRef(font_size_panel::Panel)});
}

GeneratedEdit makeFontColour(const FontColourInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("色を変えたい文字列を選択してください。") + FaceSweat, {miniPanel()});
    return wrapSelection(in.editor, QStringLiteral(" <FONT color=") + quoted(in.colour) + QStringLiteral(">"),
                         QStringLiteral(" </FONT> "), {ControlRef(font_colour_panel::Panel)});
}

GeneratedEdit makeEm(const EmphasisInput& in)
{
    GeneratedEdit e;
    if (in.editor.selLength > 0)
        e = wrapSelection(in.editor, QStringLiteral(" <EM> "), QStringLiteral(" </EM> "), {ControlRef(emphasis_panel::Panel)});
    e.snapshot = true;
    return e;
}

GeneratedEdit makeStrong(const EmphasisInput& in)
{
    GeneratedEdit e;
    if (in.editor.selLength > 0)
        e = wrapSelection(in.editor, QStringLiteral(" <STRONG> "), QStringLiteral(" </STRONG> "), {ControlRef(strong_panel::Panel)});
    else
        e.hide = {miniPanel()};
    e.snapshot = true;
    return e;
}

GeneratedEdit makeBlink(const EmphasisInput& in)
{
    GeneratedEdit e;
    e.snapshot = true;
    e.hide = {miniPanel()};
    e.primitive = Primitive::ReplaceSelection;
    e.before = QStringLiteral(" <BLINK>") + in.editor.selText() + QStringLiteral("</BLINK> ");
    return e;
}

QString fontSizeText(int value, bool relative)
{
    const QString text = QString::number(value);
    return relative && !text.startsWith(QLatin1Char('-')) ? QStringLiteral("+") + text : text;
}

SpinnerRange fontSizeRange(int option17Index)
{
    return option17Index == 1 ? SpinnerRange{-6, 6} : SpinnerRange{1, 7};
}

} // namespace gen
