#include "editor/EditResult.h"

#include <algorithm>

Selection clampSelection(const QString& text, const Selection& selection)
{
    const int size = static_cast<int>(text.size());
    Selection s;
    s.start = std::clamp(selection.start, 0, size);
    s.length = std::clamp(selection.length, 0, size - s.start);
    return s;
}

EditResult applyWrap(const QString& text, const Wrap& wrap)
{
    const Selection sel = clampSelection(text, wrap.selection);
    const int before = static_cast<int>(wrap.before.size());
    const int after = static_cast<int>(wrap.after.size());
    EditResult r;
    r.text.reserve(text.size() + before + after);
    r.text += QStringView(text).left(sel.start);
    r.text += wrap.before;
    r.text += QStringView(text).mid(sel.start, sel.length);
    r.text += wrap.after;
    r.text += QStringView(text).mid(sel.start + sel.length);
    r.selection = {sel.start + before, 0};
    if (before > 0)
        r.marks.append({sel.start, before});
    if (after > 0)
        r.marks.append({sel.start + before + sel.length, after});
    return r;
}

EditResult replaceSelection(const QString& text, const Selection& selection, const QString& replacement)
{
    const Selection sel = clampSelection(text, selection);
    EditResult r;
    r.text.reserve(text.size() - sel.length + replacement.size());
    r.text += QStringView(text).left(sel.start);
    r.text += replacement;
    r.text += QStringView(text).mid(sel.start + sel.length);
    r.selection = {sel.start + static_cast<int>(replacement.size()), 0};
    return r;
}

Selection withoutTrailingLineBreaks(const QString& text, const Selection& selection)
{
    Selection s = clampSelection(text, selection);
    while (s.length > 0) {
        const QChar c = text[s.start + s.length - 1];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            break;
        --s.length;
    }
    return s;
}

QString replaceAllOccurrences(const QString& text, QStringView find, QStringView replacement, int* count)
{
    int n = 0;
    if (find.isEmpty()) {
        if (count)
            *count = 0;
        return text;
    }
    qsizetype p = text.indexOf(find);
    if (p < 0) {
        if (count)
            *count = 0;
        return text;
    }
    QString out;
    out.reserve(text.size() + (replacement.size() > find.size() ? text.size() / 8 : 0));
    qsizetype from = 0;
    while (p >= 0) {
        out += QStringView(text).mid(from, p - from);
        out += replacement;
        ++n;
        from = p + find.size();
        p = text.indexOf(find, from);
    }
    out += QStringView(text).mid(from);
    if (count)
        *count = n;
    return out;
}
