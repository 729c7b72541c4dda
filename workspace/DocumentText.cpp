#include "workspace/DocumentText.h"

#include "platform/RichEdit.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "workspace/Document.h"
#include "workspace/PathHelpers.h"

#include <algorithm>
#include <vector>

namespace {

const QString MarkerHead = QStringLiteral("<!--Reg");

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

void expandInto(QString& out, const QString& text, const RegionTable& regions, std::vector<int>& open)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype p = text.indexOf(MarkerHead, from);
        if (p < 0)
            break;
        const int k = markerAt(text, p);
        const bool stored = k > 0 && !regions[static_cast<size_t>(k)].isEmpty();
        const bool cycle = std::find(open.begin(), open.end(), k) != open.end();
        if (!stored || cycle) {
            out += QStringView(text).mid(from, p + MarkerHead.size() - from);
            from = p + MarkerHead.size();
            continue;
        }
        out += QStringView(text).mid(from, p - from);
        open.push_back(k);
        expandInto(out, regions[static_cast<size_t>(k)], regions, open);
        open.pop_back();
        from = p + RegionMarkerLength;
    }
    out += QStringView(text).mid(from);
}

} // namespace

QString regionMarker(int k)
{
    return MarkerHead + threeDigits(k) + QStringLiteral("-->");
}

int markerAt(const QString& text, qsizetype pos)
{
    if (pos < 0 || pos + RegionMarkerLength > text.size())
        return 0;
    if (QStringView(text).mid(pos, MarkerHead.size()) != MarkerHead)
        return 0;
    const qsizetype d = pos + MarkerHead.size();
    if (!isDigit(text[d]) || !isDigit(text[d + 1]) || !isDigit(text[d + 2]))
        return 0;
    if (QStringView(text).mid(d + 3, 3) != QLatin1String("-->"))
        return 0;
    const int k = (text[d].unicode() - '0') * 100 + (text[d + 1].unicode() - '0') * 10 + (text[d + 2].unicode() - '0');
    return (k >= 1 && k <= MaxRegions) ? k : 0;
}

QString expandRegions(const QString& text, const RegionTable& regions)
{
    if (!text.contains(MarkerHead))
        return text;
    QString out;
    out.reserve(text.size());
    std::vector<int> open;
    expandInto(out, text, regions, open);
    return out;
}

bool hasHeadTag(const QString& upper)
{
    const QString tag = QStringLiteral("<HEAD");
    qsizetype p = upper.indexOf(tag);
    while (p >= 0) {
        const qsizetype after = p + tag.size();
        if (after >= upper.size())
            return false;
        const QChar c = upper[after];
        if (c == QLatin1Char('>') || c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n'))
            return true;
        p = upper.indexOf(tag, after);
    }
    return false;
}

HeadFootCut findHeadFootCut(const QString& text)
{
    HeadFootCut cut;
    const QString u = textrules::asciiUpper(text);
    const qsizetype s = u.indexOf(QStringLiteral("<BODY"));
    const qsizetype f = u.indexOf(QStringLiteral("</BODY"));
    if (s < 0 || f < 0)
        return cut;
    qsizetype e = u.indexOf(QLatin1Char('>'), s);
    if (e < 0)
        return cut;
    e += 1; // the header includes the ">"
    if (QStringView(text).mid(e, 2) == CrLf)
        e += 2;
    if (f < e)
        return cut; // the end tag stands before the start tag is closed: nothing sensible to cut
    cut.ok = true;
    cut.headerLength = e;
    cut.footerStart = f;
    return cut;
}

QString removeDoubleCr(const QString& text)
{
    if (!text.contains(QStringLiteral("\r\r")))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\r'))
            continue;
        out += text[i];
    }
    return out;
}

QString filePathOf(const Document& d)
{
    return d.folder + QLatin1Char('/') + d.fileName;
}

QString fullText(const Document& d)
{
    return d.header + d.sourceEditor->text() + d.footer;
}

QString expandedText(const Document& d)
{
    return expandRegions(fullText(d), d.regions);
}
