#include "wizards/generators/RuleGenerator.h"

#include "platform/SharedConstants.h"
#include "platform/VbString.h"
#include "wizards/generators/GeneratorSupport.h"

namespace gen {

std::optional<QString> MakeHrTag(const RuleInput& in)
{
    const auto size = toPixels(in.thickness, MmPerPixel);
    if (!size)
        return std::nullopt;
    QString width;
    if (!vb::Trim(in.lengthMm).isEmpty()) {
        const auto pixels = toPixels(in.lengthMm, MmPerPixel);
        if (!pixels)
            return std::nullopt;
        width = vb::Str(*pixels);
    } else if (!vb::Trim(in.lengthPercent).isEmpty()) {
        width = in.lengthPercent + QStringLiteral("%");
    }
    const QString align = in.align == 0 ? QStringLiteral("left") : in.align == 1 ? QStringLiteral("center") : QStringLiteral("right");

    QString tag = QStringLiteral("<HR size=") + quoted(vb::Str(*size));
    if (vb::Val(in.lengthMm) != 0 || vb::Val(in.lengthPercent) != 0)
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
    GeneratedEdit e = selects(*tag, QString(), {frame(1)});
    e.snapshot = true;
    return e;
}

} // namespace gen
