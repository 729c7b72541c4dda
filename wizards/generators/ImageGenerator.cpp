#include "wizards/generators/ImageGenerator.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"
#include "wizards/generators/RelativePath.h"
#include "wizards/AdvancedPanelInputs.h"

namespace gen {

namespace {

// "name=" + the quoted value + " ": the millimetre box wins over the percent box when filled.
// False when the millimetre box holds a number too large to write.
bool appendSize(QString& tag, const char* name, const QString& mm, const QString& percent, const QString& percentSign)
{
    if (!textrules::trimBlanks(mm).isEmpty()) {
        const auto pixels = toPixels(mm, MmPerPixel);
        if (!pixels)
            return false;
        tag += QLatin1String(name) + quoted(QString::number(*pixels)) + QStringLiteral(" ");
    } else if (!textrules::trimBlanks(percent).isEmpty()) {
        tag += QLatin1String(name) + quoted(textrules::trimBlanks(percent) + percentSign) + QStringLiteral(" ");
    }
    return true;
}

void appendWhenNotZero(QString& tag, const char* name, const QString& box)
{
    if (textrules::leadingNumber(box) != 0)
        tag += QLatin1String(name) + quoted(box) + QStringLiteral(" ");
}

} // namespace

QString styleTextWithImage(const QString& styleText, const QString& relativePath)
{
    QString style = styleText;
    style.replace(QStringLiteral("url;"), QStringLiteral("url(") + relativePath + QStringLiteral(");"));
    return style;
}

GeneratedEdit makeImage(const ImageInput& in)
{
    if (textrules::trimBlanks(in.chosenFile).isEmpty())
        return messageOnly(QStringLiteral("画像が選択されていません。") + FaceSweat);

    const QString path = MakeRelativePath(in.chosenFile, in.documentFolder);
    QString tag = QStringLiteral("<IMG src =") + quoted(path) + QStringLiteral(" ");
    if (!appendSize(tag, "height=", in.heightMm, in.heightPercent, QStringLiteral("%"))
        || !appendSize(tag, "width=", in.widthMm, in.widthPercent, QStringLiteral("% ")))
        return messageOnly(tooLargeMessage());
    appendWhenNotZero(tag, "border =", in.border);
    static const char* const aligns[] = {"top", "middle", "bottom", "left", "right"};
    if (in.align >= 0 && in.align < 5)
        tag += QStringLiteral("align=") + quoted(QLatin1String(aligns[in.align])) + QStringLiteral(" ");
    appendWhenNotZero(tag, "vspace=", in.vspace);
    appendWhenNotZero(tag, "hspace=", in.hspace);
    tag += QStringLiteral("alt=") + quoted(in.alt) + QStringLiteral(" ") + QStringLiteral(">");

    GeneratedEdit e = insertSelected(in.editor.selStart, tag, {ControlRef(image_panel::Panel)});
    e.fields = {{ControlRef(image_panel::RelativePathBox), path}};
    return e;
}

} // namespace gen
