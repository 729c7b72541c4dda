#include "autocreate/ParagraphSteps.h"

#include "autocreate/AutoTextScan.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

namespace autocreate {

namespace {

const QString NoBody = QStringLiteral("<BODY>が有りません。");

// The body of a page cut into whole lines, with the text around it.
struct BodyLines {
    TextRange range;
    QStringList lines;

    explicit BodyLines(const QString& text) : range(bodyRange(text))
    {
        QList<QStringView> pieces =
            splitAfterLineFeeds(QStringView(text).sliced(range.start, range.length));
        const QStringView rest = pieces.takeLast();
        for (const QStringView& piece : std::as_const(pieces))
            lines.append(piece.toString());
        if (!trimBlanks(rest).isEmpty())
            lines.append(rest.toString());
    }

    // The text with the body replaced by its non-empty lines.
    QString joined(const QString& text) const
    {
        QString out = text.left(range.start);
        out.reserve(text.size() + text.size() / 8);
        for (const QString& line : lines) {
            if (!isEmptyLine(line))
                out += line;
        }
        out += QStringView(text).sliced(range.start + range.length);
        return out;
    }
};

// The first three characters of the trimmed line, ASCII letters in capitals.
QString head3(const QString& line)
{
    return textrules::asciiUpper(trimBlanks(line).left(3).toString());
}

} // namespace

StepResult autoParagraphs(const QString& text)
{
    BodyLines body(text);
    if (body.range.length == 0)
        return {text, NoBody};
    QStringList& items = body.lines;
    for (QString& item : items) {
        if (isEmptyLine(item))
            item = CrLf;
    }

    // Leading empty lines go, runs of empty lines shrink to one, a trailing one goes.
    QStringList kept;
    kept.reserve(items.size());
    for (const QString& item : std::as_const(items)) {
        if (item == CrLf && (kept.isEmpty() || kept.last() == CrLf))
            continue;
        kept.append(item);
    }
    if (kept.isEmpty())
        return {text, QStringLiteral("項目がありません")};
    if (kept.last() == CrLf)
        kept.removeLast();
    items = kept;

    qsizetype opening = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString h = head3(items[i]);
        if (h != CrLf && h != u"<HR" && h != u"<CE") {
            opening = i;
            break;
        }
    }
    // A body of rules and centred headings only gets no paragraph at all.
    if (opening >= 0) {
        items[opening].prepend(QStringLiteral("\r\n<P>\r\n"));
        for (qsizetype i = opening + 1; i + 1 < items.size(); ++i) {
            if (items[i] == CrLf && !head3(items[i + 1]).startsWith(u"<HR"))
                items[i] = QStringLiteral("\r\n</P>\r\n<P>\r\n");
        }
        items.append(QStringLiteral("\r\n</P>\r\n"));
    }
    return {body.joined(text), {}};
}

QString headingSizeValue(const QString& typedSize)
{
    const QString value = textrules::trimBlanks(textrules::numberWithSignSpace(textrules::leadingNumber(typedSize) - 3));
    return value.startsWith(QLatin1Char('-')) ? value : QLatin1Char('+') + value;
}

AnchorResult autoHeadingAnchors(const QString& text, const HeadingStyle& style)
{
    BodyLines body(text);
    if (body.range.length == 0)
        return {text, {}, NoBody};
    QStringList& items = body.lines;
    const QString size = headingSizeValue(style.size);
    const QString fontStart = QStringLiteral("<Font color=") + Quote + style.colour + Quote +
                              (size == u"+0" ? QString()
                                             : QStringLiteral(" size=") + Quote + size + Quote) +
                              QStringLiteral("><B>");
    QStringList headings;
    for (qsizetype i = 0; i + 1 < items.size(); ++i) {
        if (!textrules::asciiUpper(items[i].left(3)).startsWith(u"<P>") ||
            trimBlanks(items[i + 1]).startsWith(u"<HR"))
            continue;
        headings.append(items[i + 1]);
        QStringView heading = withoutLineEnd(trimBlanks(items[i + 1]));
        if (heading.endsWith(u"<BR>", Qt::CaseInsensitive))
            heading.chop(4);
        items[i + 1] = fontStart + QStringLiteral("<A name=") + Quote + QStringLiteral("Pelmor") +
                       QString::number(headings.size()) + Quote + QLatin1Char('>') +
                       heading.toString() + QStringLiteral("</A></B></FONT><BR>") + CrLf;
    }
    return {body.joined(text), headings, {}};
}

} // namespace autocreate
