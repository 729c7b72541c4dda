#include "wizards/generators/HeadGenerators.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

namespace gen {

GeneratedEdit makeMeta(const MetaInput& in)
{
    const int p = findTag(in.editor.text, QStringLiteral("<HEAD>"));
    if (p < 0)
        return messageOnly(insertSkeletonFirst(QStringLiteral("<HEAD> のタグがありません、METAは<HEAD> と</HEAD>の間に入ります。")));
    const auto meta = [](const char* name, const QString& between, const QString& content, const QString& end) {
        return CrLf + QStringLiteral("<META NAME =") + quoted(QLatin1String(name)) + between + quoted(content) + end;
    };
    const QString close = QStringLiteral(">");
    const QString spacedClose = QStringLiteral(" > ");
    const QString block = meta("author", QStringLiteral(" content="), in.author, close)
                          + meta("keywords", QStringLiteral(" content = "), in.keywords, spacedClose)
                          + meta("description", QStringLiteral(" content="), in.description, close)
                          + meta("generator", QStringLiteral(" content="), QStringLiteral("pelmor"), spacedClose);
    return insertSelected(p + 6, block, {ControlRef(document_info_panel::Panel)});
}

QString doctypeDeclaration(int version)
{
    static const char* const dtds[] = {"-//W3C//DTD HTML 4.01//EN", "-//W3C//DTD HTML 4.01 Transitional//EN",
                                       "-//W3C//DTD HTML 4.01 Frameset//EN"};
    if (version < 0 || version > 2)
        return QString();
    return QStringLiteral("<!DOCTYPE HTML PUBLIC ") + quoted(QLatin1String(dtds[version])) + QStringLiteral(">");
}

GeneratedEdit makeDoctype(const DoctypeInput& in)
{
    const QString declaration = doctypeDeclaration(in.version);
    if (declaration.isEmpty())
        return {};
    QString body = textrules::trimBlanks(in.editor.text);
    if (body.size() > 9 && body.startsWith(QLatin1String("<!DOCTYPE"))) {
        const qsizetype close = body.indexOf(QLatin1Char('>'));
        if (close >= 0)
            body = body.mid(close + 1);
    }
    GeneratedEdit e;
    e.hide = {ControlRef(doctype_panel::Panel)};
    e.primitive = Primitive::SetText;
    e.before = declaration + CrLf + body;
    e.paint = {Range{0, static_cast<int>(declaration.size())}};
    e.selectAfter = Range{0, 0};
    return e;
}

} // namespace gen
