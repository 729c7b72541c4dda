#include "wizards/generators/MarqueeGenerator.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

namespace gen {

namespace {

// "name=" + the quoted size: pixels from the millimetre box, else the percent box + "%".
// False when the millimetre box holds a number too large to write.
bool sizeAttribute(QString& out, const char* name, const QString& mm, const QString& percent)
{
    if (!textrules::trimBlanks(mm).isEmpty()) {
        const auto pixels = toPixels(mm, MmPerPixelMarquee);
        if (!pixels)
            return false;
        out = QLatin1String(name) + quoted(textrules::numberWithSignSpace(*pixels));
    } else if (!textrules::trimBlanks(percent).isEmpty()) {
        out = QLatin1String(name) + quoted(percent + QStringLiteral("%"));
    }
    return true;
}

void appendWhenNotZero(QString& out, const char* name, const QString& box)
{
    if (textrules::leadingNumber(box) != 0)
        out += QLatin1String(name) + quoted(box);
}

} // namespace

GeneratedEdit makeMarquee(const MarqueeInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("スクロールしたい文字列を選択して下さい。") + FaceSweat, {miniPanel()});

    QString width, height;
    if (!sizeAttribute(width, "width=", in.widthMm, in.widthPercent)
        || !sizeAttribute(height, "height=", in.heightMm, in.heightPercent))
        return messageOnly(tooLargeMessage());
    QString attributes = width;
    if (!height.isEmpty())
        attributes += (width.isEmpty() ? QString() : QStringLiteral(" ")) + height;
    appendWhenNotZero(attributes, " hspace=", in.hspace);
    appendWhenNotZero(attributes, " vspace=", in.vspace);
    appendWhenNotZero(attributes, " loop=", in.loop);
    if (textrules::leadingNumber(in.delay) != 85)
        attributes += QStringLiteral(" scrolldelay=") + quoted(textrules::numberWithSignSpace(textrules::leadingNumber(in.delay)));
    appendWhenNotZero(attributes, " scrollamount=", in.amount);
    if (in.behavior == 1 || in.behavior == 2)
        attributes += QStringLiteral(" behavior=") + quoted(in.behavior == 1 ? QStringLiteral("alternate") : QStringLiteral("slide"));
    static const char* const directions[] = {"left", "right", "up", "down"};
    if (in.direction >= 1 && in.direction <= 3)
        attributes += QStringLiteral(" direction=") + quoted(QLatin1String(directions[in.direction]));
    if (in.truespeed)
        attributes += QStringLiteral(" truespeed");
    if (in.background != QLatin1String("#FFFFFF"))
        attributes += QStringLiteral(" bgcolor=") + quoted(in.background);

    return wrapSelection(in.editor, QStringLiteral(" <MARQUEE ") + attributes + QStringLiteral(">"), QStringLiteral(" </MARQUEE> "),
                         {ControlRef(marquee_panel::Panel)});
}

} // namespace gen
