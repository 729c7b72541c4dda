#include "wizards/generators/RelativePath.h"

#include "platform/TextRules.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace gen {

namespace {

bool hasScheme(const QString& s)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]*:"));
    return scheme.match(s).hasMatch();
}

QStringList folders(const QString& cleanAbsolute)
{
    return cleanAbsolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

QString MakeRelativePath(const QString& path, const QString& documentFolder)
{
    const QString p = textrules::trimBlanks(path);
    QString local;
    if (p.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        local = QUrl(p).toLocalFile();
    else if (p.startsWith(QLatin1String("//")) || hasScheme(p) || !p.startsWith(QLatin1Char('/')))
        return p;
    else
        local = p;
    if (!local.startsWith(QLatin1Char('/')) || local.startsWith(QLatin1String("//")))
        return p;
    if (!documentFolder.startsWith(QLatin1Char('/')))
        return p;

    const QStringList target = folders(QDir::cleanPath(local));
    const QStringList base = folders(QDir::cleanPath(documentFolder));
    qsizetype common = 0;
    while (common < target.size() - 1 && common < base.size() && target[common] == base[common])
        ++common;
    QString result;
    for (qsizetype i = common; i < base.size(); ++i)
        result += QLatin1String("../");
    result += target.mid(common).join(QLatin1Char('/'));
    return result.isEmpty() ? QStringLiteral(".") : result;
}

} // namespace gen
