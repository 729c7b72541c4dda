#include "wizards/generators/MailFormGenerator.h"

#include "platform/SharedConstants.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

#include <QStringList>

namespace gen {

QString mailFormText(const QString& address)
{
    const QStringList lines = {
        QStringLiteral("<P>"),
        QStringLiteral("<!--下の文を変えます (これはコメントで表示されません) -->"),
        QStringLiteral("御意見をお聞かせください"),
        QStringLiteral("<form action=") + quoted(QStringLiteral("mailto:") + address) + QStringLiteral(" method=")
            + quoted(QStringLiteral("post")) + QStringLiteral(" enctype=") + quoted(QStringLiteral("text/plain")) + QStringLiteral(">"),
        QStringLiteral("</P>"),
        QStringLiteral("<P>"),
        QStringLiteral("<TEXTAREA NAME =") + quoted(QStringLiteral("意見")) + QStringLiteral(" rows=") + quoted(QStringLiteral("6"))
            + QStringLiteral(" cols=") + quoted(QStringLiteral("50")) + QStringLiteral(" ></TEXTAREA>") + QStringLiteral("</P>"),
        QStringLiteral("<P>"),
        QStringLiteral("お名前 :") + QStringLiteral("<INPUT type =") + quoted(QStringLiteral("text")) + QStringLiteral(" name=")
            + quoted(QStringLiteral("name")) + QStringLiteral(">"),
        QStringLiteral("</P>"),
        QStringLiteral("<P>"),
        QStringLiteral("<INPUT type=") + quoted(QStringLiteral("submit")) + QStringLiteral(" value=") + quoted(QStringLiteral("送信"))
            + QStringLiteral(">") + QStringLiteral("<INPUT type=") + quoted(QStringLiteral("reset")) + QStringLiteral(" value=")
            + quoted(QStringLiteral("取消")) + QStringLiteral(">") + QStringLiteral("</P>"),
    };
    return lines.join(CrLf) + CrLf;
}

GeneratedEdit makeMailForm(const MailFormInput& in)
{
    const QString block = mailFormText(in.address);
    const int p = in.editor.selStart;
    GeneratedEdit e = insertSelected(p, block, {ControlRef(mail_form_panel::Panel)});
    e.paint = {Range{p, static_cast<int>(block.size())}};
    e.selectAfter = Range{p, 0};
    return e;
}

} // namespace gen
