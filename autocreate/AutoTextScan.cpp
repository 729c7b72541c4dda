#include "autocreate/AutoTextScan.h"

namespace autocreate {

QList<QStringView> splitAfterLineFeeds(QStringView text)
{
    QList<QStringView> pieces;
    qsizetype start = 0;
    for (;;) {
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
        if (lf < 0)
            break;
        pieces.append(text.sliced(start, lf + 1 - start));
        start = lf + 1;
    }
    pieces.append(text.sliced(start));
    return pieces;
}

QStringView withoutLineEnd(QStringView line)
{
    if (line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.sliced(b, e - b);
}

bool isEmptyLine(QStringView line)
{
    const QStringView t = trimBlanks(line);
    return t == u"\r\n" || t == u"\n";
}

TextRange bodyRange(const QString& text)
{
    const TextRange whole{0, text.size()};
    const qsizetype tag = text.indexOf(u"<BODY", 0, Qt::CaseInsensitive);
    if (tag < 0)
        return whole;
    const qsizetype gt = text.indexOf(QLatin1Char('>'), tag);
    if (gt < 0)
        return whole;
    const qsizetype end = text.indexOf(u"</BODY>", gt + 1, Qt::CaseInsensitive);
    if (end < 0)
        return whole;
    return {gt + 1, end - gt - 1};
}

qsizetype findUnescaped(const QString& upperText, const QString& upperWord, qsizetype from)
{
    for (;;) {
        const qsizetype at = upperText.indexOf(upperWord, from);
        if (at <= 0 || upperText[at - 1] != QLatin1Char('\\'))
            return at;
        from = at + 1;
    }
}

qsizetype lineEndAt(QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            return i;
    }
    return text.size();
}

} // namespace autocreate
