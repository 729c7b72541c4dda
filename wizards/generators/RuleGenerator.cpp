#include "wizards/generators/RuleGenerator.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

namespace gen {

std::optional<QString> MakeHrTag(const RuleInput& in)
{
    const auto size = toPixels(in.thickness, MmPerPixel);
    if (!size)
        return std::nullopt;
    QString width;
    if (!textrules::trimBlanks(in.lengthMm).isEmpty()) {
        const auto pixels = toPixels(in.lengthMm, MmPerPixel);
        if (!pixels)
            return std::nullopt;
        width = textrules::numberWithSignSpace(*pixels);
    } else if (!textrules::trimBlanks(in.lengthPercent).isEmpty()) {
        width = in.lengthPercent + QStringLiteral("%");
    }
    const QString align = in.align == 0 ? QStringLiteral("left") : in.align == 1 ? QStringLiteral("center") : QStringLiteral("right");

    QString tag = QStringLiteral("<HR size=") + quoted(textrules::numberWithSignSpace(*size));
    if (textrules::leadingNumber(in.lengthMm) != 0 || textrules::leadingNumber(in.lengthPercent) != 0)
        tag += QStringLiteral(" width=") + quoted(width);
    tag += QStringLiteral(" align=") + quoted(align);
    tag += in.shaded ? QStringLiteral(" color=") : QStringLiteral(" noshade color=");
    return tag + quoted(in.colour) + QStringLiteral(">") + CrLf;
}

GeneratedEdit makeRule(const RuleInput& in)
{
    const auto tag = MakeHrTag(in);
    if (!tag)
        return messageOnly(tooLargeMessage());
    GeneratedEdit e = selects(*tag, QString(), {ControlRef(rule_panel::Panel)});
    e.snapshot = true;
    return e;
}

} // namespace gen
