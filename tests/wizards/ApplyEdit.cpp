#include "ApplyEdit.h"

using gen::Primitive;
using gen::Range;

AppliedText applyEdit(const gen::EditorState& editor, const gen::GeneratedEdit& edit)
{
    AppliedText a{editor.text, editor.selStart, editor.selLength, {}};
    if (edit.selectFirst) {
        a.selStart = edit.selectFirst->start;
        a.selLength = edit.selectFirst->length;
    }
    const int ss = a.selStart;
    const QString sel = a.text.mid(ss, a.selLength);
    const QString rest = a.text.mid(ss + a.selLength);
    const int before = static_cast<int>(edit.before.size());
    switch (edit.primitive) {
    case Primitive::None:
        break;
    case Primitive::WrapMarked:
        a.text = a.text.left(ss) + edit.before + sel + edit.after + rest;
        if (before > 0)
            a.painted.append(Range{ss, before});
        if (!edit.after.isEmpty())
            a.painted.append(Range{ss + before + static_cast<int>(sel.size()), static_cast<int>(edit.after.size())});
        a.selStart = ss + before;
        a.selLength = 0;
        break;
    case Primitive::WrapPlain:
        a.text = a.text.left(ss) + edit.before + sel + edit.after + rest;
        a.selStart = ss + before + static_cast<int>(sel.size() + edit.after.size());
        a.selLength = 0;
        break;
    case Primitive::ReplaceSelection:
        a.text = a.text.left(ss) + edit.before + rest;
        a.selStart = ss + before;
        a.selLength = 0;
        break;
    case Primitive::SetText:
        a.text = edit.before;
        a.selStart = 0;
        a.selLength = 0;
        break;
    }
    a.painted += edit.paint;
    if (edit.selectAfter) {
        a.selStart = edit.selectAfter->start;
        a.selLength = edit.selectAfter->length;
    }
    return a;
}

QStringList paintedPieces(const AppliedText& a)
{
    QStringList pieces;
    for (const Range& r : a.painted)
        pieces << a.text.mid(r.start, r.length);
    return pieces;
}

gen::EditorState editorWith(const QString& text, int selStart, int selLength)
{
    return gen::EditorState{text, selStart, selLength};
}

gen::EditorState editorSelecting(const QString& text, const QString& selected)
{
    const int at = static_cast<int>(text.indexOf(selected));
    return gen::EditorState{text, at < 0 ? 0 : at, at < 0 ? 0 : static_cast<int>(selected.size())};
}
