#include "stylesheet/ListSelections.h"

#include <QList>

namespace css {

namespace {

struct Line {
    qsizetype start = 0;   // first character
    qsizetype end = 0;     // the line break after it (or the end of the text)
};

QList<Line> linesOf(const QString& text)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype lf = text.indexOf(u'\n', start);
        if (lf < 0)
            lf = text.size();
        qsizetype end = lf;
        if (end > start && text.at(end - 1) == u'\r')
            --end;
        lines.append({start, end});
        start = lf + 1;
    }
    return lines;
}

} // namespace

std::optional<TextRange> templateBody(const QString& text, const QString& name)
{
    const QList<Line> lines = linesOf(text);
    auto lineText = [&](qsizetype i) { return QStringView(text).mid(lines[i].start, lines[i].end - lines[i].start); };
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lineText(i) != u"[start template]" || lineText(i + 1) != name)
            continue;
        for (qsizetype j = i + 2; j < lines.size(); ++j) {
            if (lineText(j) == u"[end template]") {
                const qsizetype from = lines[i + 1].end;
                return TextRange{static_cast<int>(from), static_cast<int>(lines[j].start - from)};
            }
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace css
