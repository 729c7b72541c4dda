#include "autocreate/TitleHeading.h"

#include "autocreate/AutoTextScan.h"
#include "platform/SharedConstants.h"

namespace autocreate {

namespace {

bool isBlankChar(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char(' ') ||
           c == QChar(0x3000);
}

qsizetype firstNonBlank(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBlankChar(text[i]))
            return i;
    }
    return -1;
}

// The line starting at `from` with its line feed, or an empty view when no line feed ends it.
QStringView lineWithLineFeed(QStringView text, qsizetype from)
{
    const qsizetype lf = text.indexOf(QLatin1Char('\n'), from);
    return lf < 0 ? QStringView() : text.sliced(from, lf + 1 - from);
}

} // namespace

QString getAutoTitle(const QString& text)
{
    const qsizetype start = firstNonBlank(text);
    if (start < 0)
        return {};
    const QStringView first = lineWithLineFeed(text, start);
    if (first.isEmpty())
        return {};
    const QStringView second = lineWithLineFeed(text, start + first.size());
    if (second.isEmpty() || !isEmptyLine(second))
        return {};

    QString title;
    bool inTag = false;
    for (const QChar c : first) {
        if (c == QLatin1Char('<'))
            inTag = true;
        else if (c == QLatin1Char('>'))
            inTag = false;
        else if (!inTag && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            title += c;
    }
    return title;
}

QString autoHeading(const QString& text, const RuleTagGenerator& ruleTag)
{
    const qsizetype start = firstNonBlank(text);
    if (start < 0)
        return text;
    const qsizetype end = lineEndAt(text, start);
    const QString ruleAbove = ruleTag();
    const QString ruleBelow = ruleTag();
    QString out;
    out.reserve(text.size() + ruleAbove.size() + ruleBelow.size() + 64);
    out += QStringView(text).first(start);
    out += CrLf + ruleAbove + CrLf + QStringLiteral("<CENTER><FONT size =\"+2\">");
    out += QStringView(text).sliced(start, end - start);
    out += QStringLiteral("</FONT></CENTER>") + CrLf + ruleBelow + CrLf;
    out += QStringView(text).sliced(end);
    return out;
}

} // namespace autocreate
