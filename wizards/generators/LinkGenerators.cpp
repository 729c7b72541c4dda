#include "wizards/generators/LinkGenerators.h"

#include "platform/TextRules.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"
#include "wizards/generators/RelativePath.h"

namespace gen {

GeneratedEdit makeLink(const LinkInput& in)
{
    QString open = QStringLiteral(" <A href=") + quoted(MakeRelativePath(in.target, in.documentFolder));
    if (in.newWindow)
        open += QStringLiteral(" target=") + quoted(QStringLiteral("_blank"));
    open += QStringLiteral(" >");
    GeneratedEdit e = selects(open, QStringLiteral(" </A> "), {ControlRef(link_panel::Panel)});
    e.snapshot = true;
    return e;
}

GeneratedEdit makeMailLink(const LinkInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("クリックをする文字又は画像を選択してください。^_^;"), {miniPanel()});
    const QString address = textrules::trimBlanks(in.target);
    if (address.isEmpty())
        return messageOnly(QStringLiteral("メールアドレスを入れて下さい。 ^_^;"), {miniPanel()});
    GeneratedEdit e = selects(QStringLiteral(" <A href=") + quoted(QStringLiteral("mailto:") + address) + QStringLiteral(">"),
                              QStringLiteral(" </A> "), {miniPanel()});
    e.snapshot = true;
    return e;
}

GeneratedEdit makeLinkButton(const LinkInput& in, bool linkMode)
{
    GeneratedEdit e = linkMode ? makeLink(in) : makeMailLink(in);
    if (!e.hide.contains(ControlRef(link_panel::Panel)))
        e.hide.append(ControlRef(link_panel::Panel));
    return e;
}

} // namespace gen
