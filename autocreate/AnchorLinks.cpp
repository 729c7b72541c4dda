#include "autocreate/AnchorLinks.h"

#include "platform/SharedConstants.h"

namespace autocreate {

std::optional<AnchorLinkList> anchorLinkList(const QString& text)
{
    const QString anchor = QStringLiteral("<A name=");
    const QString end = QStringLiteral("</A>");
    const qsizetype first = text.indexOf(anchor);
    if (first < 2)
        return std::nullopt;
    AnchorLinkList list;
    list.at = text.lastIndexOf(CrLf, first - 2);
    if (list.at < 0)
        return std::nullopt;

    for (qsizetype at = first; at >= 0; at = text.indexOf(anchor, at)) {
        const qsizetype close = text.indexOf(end, at);
        if (close < 0)
            return std::nullopt;
        QString item = text.sliced(at, close - at);
        item.replace(QStringLiteral("A name=") + Quote, QStringLiteral("A href=") + Quote + QLatin1Char('#'));
        list.links += item + end + QStringLiteral("<BR>") + CrLf;
        at = close;
    }
    return list;
}

std::optional<QString> makeAnchorLinks(const QString& text)
{
    const std::optional<AnchorLinkList> list = anchorLinkList(text);
    if (!list)
        return std::nullopt;
    QString out;
    out.reserve(text.size() + list->links.size());
    out += QStringView(text).first(list->at);
    out += list->links;
    out += QStringView(text).sliced(list->at);
    return out;
}

} // namespace autocreate
