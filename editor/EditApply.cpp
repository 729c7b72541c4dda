#include "editor/EditApply.h"

#include "editor/Insertion.h"
#include "platform/RichEdit.h"

#include <algorithm>

namespace {

// A cut at `pos` of `text` would part CR from LF or a surrogate pair.
bool splitsPair(const QString& text, qsizetype pos)
{
    if (pos <= 0 || pos >= text.size())
        return false;
    const QChar a = text[pos - 1];
    const QChar b = text[pos];
    return (a == QLatin1Char('\r') && b == QLatin1Char('\n')) || (a.isHighSurrogate() && b.isLowSurrogate());
}

} // namespace

Selection selectionOf(const RichEdit* editor)
{
    return {editor->selectionStart(), editor->selectionLength()};
}

void select(RichEdit* editor, const Selection& selection)
{
    editor->select(selection.start, selection.length);
}

void applyEdit(RichEdit* editor, const QString& before, const EditResult& result)
{
    const QString& after = result.text;
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    // The editor places no position inside a line break or a character: widen the stretch instead.
    while (splitsPair(before, head) || splitsPair(after, head))
        --head;
    while (splitsPair(before, before.size() - tail) || splitsPair(after, after.size() - tail))
        --tail;
    if (head < before.size() - tail || head < after.size() - tail) {
        editor->select(static_cast<int>(head), static_cast<int>(before.size() - tail - head));
        editor->replaceSelection(after.mid(head, after.size() - tail - head));
    }
    paintRanges(editor, result.marks, Insertion::markColour());
    select(editor, result.selection);
}

void paintRanges(RichEdit* editor, const QList<MarkRange>& ranges, const QColor& colour)
{
    for (const MarkRange& r : ranges)
        editor->paintRange(r.start, r.length, colour);
}

void insertWrap(Insertion& insert, RichEdit* editor, const Wrap& wrap)
{
    select(editor, wrap.selection);
    insert.wrapSelectionMarked(wrap.before, wrap.after);
}
