#include "autocreate/AnchorLinks.h"

#include "platform/SharedConstants.h"

namespace autocreate {

std::optional<QString> makeAnchorLinks(const QString& text)
{
    const QString anchor = QStringLiteral("<A name=");
    const QString end = QStringLiteral("</A>");
    const qsizetype first = text.indexOf(anchor);
    if (first < 2)
        return std::nullopt;
    const qsizetype insertAt = text.lastIndexOf(CrLf, first - 2);
    if (insertAt < 0)
        return std::nullopt;

    QString links;
    for (qsizetype at = first; at >= 0; at = text.indexOf(anchor, at)) {
        const qsizetype close = text.indexOf(end, at);
        if (close < 0)
            return std::nullopt;
        QString item = text.sliced(at, close - at);
        item.replace(QStringLiteral("A name=") + Quote, QStringLiteral("A href=") + Quote + QLatin1Char('#'));
        links += item + end + QStringLiteral("<BR>") + CrLf;
        at = close;
    }
    QString out;
    out.reserve(text.size() + links.size());
    out += QStringView(text).first(insertAt);
    out += links;
    out += QStringView(text).sliced(insertAt);
    return out;
}

} // namespace autocreate
