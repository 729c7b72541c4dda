#include "preview/LinkScan.h"

#include "platform/TextRules.h"
#include "preview/Favourites.h"

namespace {

const QString Marker = QStringLiteral("A HREF");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The value of "=value" written without double quotes, from the text that followed the marker;
// empty when no value has started yet.
QString unquotedValue(const QString& pending)
{
    const int eq = pending.indexOf(u'=');
    if (eq < 0)
        return QString();
    int i = eq + 1;
    while (i < pending.size() && isBlank(pending[i]))
        ++i;
    if (i >= pending.size())
        return QString();
    if (pending[i] == u'\'') {
        const int close = pending.indexOf(u'\'', i + 1);
        return close < 0 ? pending.mid(i + 1) : pending.mid(i + 1, close - i - 1);
    }
    int end = i;
    while (end < pending.size() && !isBlank(pending[end]))
        ++end;
    return pending.mid(i, end - i);
}

} // namespace

QStringList collectLinks(const QString& source)
{
    const QString upper = textrules::asciiUpper(source);
    QStringList links;
    bool afterHref = false;
    bool inQuote = false;
    QString pending;   // what follows the marker before its value is known
    QString collected; // a quoted target
    const int n = static_cast<int>(source.size());
    for (int i = 0; i < n; ++i) {
        // Inside a quoted target the marker is part of the target.
        if (!inQuote && QStringView(upper).mid(i, Marker.size()) == Marker) {
            afterHref = true;
            pending.clear();
            i += static_cast<int>(Marker.size()) - 1;
            continue;
        }
        const QChar c = source[i];
        if (afterHref) {
            if (c == u'"' || c == u'>') {
                const QString value = unquotedValue(pending);
                afterHref = false;
                if (!value.isEmpty())
                    links << value;
                else if (c == u'"')
                    inQuote = true;
            } else {
                pending += c;
            }
        } else if (c == u'"' && inQuote) {
            inQuote = false;
            if (!collected.isEmpty())
                links << collected;
            collected.clear();
        } else if (inQuote) {
            collected += c;
        }
    }
    return links;
}

QUrl resolveLink(const QString& pageAddress, const QString& link, const QString& programFolder)
{
    const QUrl base = pageAddress.trimmed().isEmpty() ? QUrl() : addressUrl(pageAddress, programFolder);
    if (!base.isValid() || base.isEmpty() || base.scheme() == QStringLiteral("about"))
        return addressUrl(link, programFolder);
    return base.resolved(QUrl(link.trimmed(), QUrl::TolerantMode));
}
