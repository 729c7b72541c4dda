#include "wizards/generators/PageAttributeGenerators.h"

#include "platform/TextRules.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

namespace gen {

GeneratedEdit makeTitle(const TitleInput& in)
{
    const int p = findTag(in.editor.text, QStringLiteral("<TITLE>"));
    if (p < 0)
        return messageOnly(insertSkeletonFirst(QStringLiteral("<TITLE> のタグがありません、タイトルは<TITLE> と</TITLE>の間に入ります。")));
    return insertSelected(p + 7, in.title, {ControlRef(title_panel::Panel)});
}

GeneratedEdit makeBodyColours(const BodyColoursInput& in)
{
    const int p = findTag(in.editor.text, QStringLiteral("<BODY"));
    if (p < 0)
        return messageOnly(noBodyMessage(), {ControlRef(body_colours_panel::Panel), miniPanel()});
    const QString attributes = QStringLiteral(" text=") + quoted(textrules::trimBlanks(in.textColour)) + QStringLiteral(" ")
                               + QStringLiteral(" bgcolor=") + quoted(textrules::trimBlanks(in.backgroundColour)) + QStringLiteral(" ");
    return insertSelected(p + 5, attributes, {ControlRef(body_colours_panel::Panel)});
}

GeneratedEdit makeBodyMargins(const BodyMarginsInput& in)
{
    const auto top = toPixels(in.top, MmPerPixel);
    const auto left = toPixels(in.left, MmPerPixel);
    if (!top || !left)
        return messageOnly(tooLargeMessage());
    // Right-aligned in four characters; a longer number is written whole.
    const auto padded = [](long long n) { return QString::number(n).rightJustified(4, QLatin1Char(' ')); };
    const QString attributes = QStringLiteral(" leftmargin=") + quoted(padded(*left)) + QStringLiteral(" ")
                               + QStringLiteral(" topmargin=") + quoted(padded(*top)) + QStringLiteral(" ");
    const int p = findTag(in.editor.text, QStringLiteral("<BODY"));
    if (p < 0)
        return messageOnly(QStringLiteral("<BODY>が有りませんスケルトンを挿入して下さい。"));
    return insertSelected(p + 5, attributes, {ControlRef(margins_panel::Panel)});
}

} // namespace gen
