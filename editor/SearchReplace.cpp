#include "editor/SearchReplace.h"

#include "platform/TextRules.h"

#include <algorithm>

namespace {

// One character for one, so that positions in the folded text are positions in the text.
QString foldCase(const QString& s)
{
    QString out(s.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < s.size(); ++i)
        d[i] = s[i].toUpper();
    return out;
}

} // namespace

SearchStep searchStep(const QString& text, const QString& word, int searchPos)
{
    SearchStep step;
    const int from = std::max(searchPos, 1);
    if (word.isEmpty()) {
        step.searchPos = from;
        return step;
    }
    // A start beyond the end finds nothing, which sends the next step back to the top.
    const qsizetype p = from - 1 <= text.size() ? foldCase(text).indexOf(foldCase(word), from - 1) : -1;
    if (p < 0) {
        step.searchPos = 1;
        return step;
    }
    step.found = Selection{static_cast<int>(p), static_cast<int>(word.size())};
    step.searchPos = static_cast<int>(p) + 2;
    return step;
}

Highlight highlightAll(const QString& text, const QString& word)
{
    Highlight h;
    h.selection = {0, static_cast<int>(text.size())};
    if (textrules::trimBlanks(word).isEmpty())
        return h;
    for (qsizetype p = text.indexOf(word); p >= 0; p = text.indexOf(word, p + word.size()))
        h.occurrences.append({static_cast<int>(p), static_cast<int>(word.size())});
    if (!h.occurrences.isEmpty())
        h.selection = {h.occurrences.last().start, h.occurrences.last().length};
    return h;
}

std::optional<Selection> findNext(const QString& text, const Selection& selection, const QString& find)
{
    if (find.isEmpty())
        return std::nullopt;
    // A selection at 0 is the occurrence found last time: the search moves on past its start.
    const Selection sel = clampSelection(text, selection);
    const qsizetype from = (sel.start != 0 || sel.length > 0) ? sel.start + 1 : 0;
    const qsizetype p = from <= text.size() ? text.indexOf(find, from) : -1;
    if (p < 0)
        return std::nullopt;
    return Selection{static_cast<int>(p), static_cast<int>(find.size())};
}

std::optional<EditResult> replaceOne(const QString& text, const Selection& selection, const QString& find,
                                     const QString& replacement)
{
    if (selection.length <= 0 || find.isEmpty())
        return std::nullopt;
    EditResult r = replaceSelection(text, selection, replacement);
    const qsizetype p = r.text.indexOf(find, r.selection.start);
    if (p >= 0)
        r.selection = {static_cast<int>(p), static_cast<int>(find.size())};
    return r;
}

std::optional<ReplaceAllResult> replaceAll(const QString& text, const Selection& selection, const QString& find,
                                           const QString& replacement)
{
    ReplaceAllResult r;
    r.text = replaceAllOccurrences(text, find, replacement, &r.count);
    if (r.count == 0)
        return std::nullopt;
    r.selection = {std::clamp(selection.start, 0, static_cast<int>(r.text.size())), 0};
    return r;
}
