#pragma once

#include <QList>
#include <QString>

// What the editing commands' text logic works on and hands back. Positions are the editor's:
// UTF-16 code units from 0, a line break being the two characters CR LF.

struct Selection {
    int start = 0;
    int length = 0;
    friend bool operator==(const Selection&, const Selection&) = default;
};

// A range of the text painted in the marking colour (or, for the grammar check, in red over a
// text painted blue).
struct MarkRange {
    int start = 0;
    int length = 0;
    friend bool operator==(const MarkRange&, const MarkRange&) = default;
};

// A command's effect: the whole new text, the selection afterwards and the painted ranges.
struct EditResult {
    QString text;
    Selection selection;
    QList<MarkRange> marks;
};

// A wrap of the selection in two pieces, the way the marking insertion does it: `selection` is
// the range to select first (already adjusted by the command), `before` and `after` the pieces.
struct Wrap {
    Selection selection;
    QString before;
    QString after;
};

// The text after the wrap: both pieces marked, the caret right after `before`, nothing selected.
EditResult applyWrap(const QString& text, const Wrap& wrap);

// The selection replaced by `replacement`, the caret after it, nothing marked.
EditResult replaceSelection(const QString& text, const Selection& selection, const QString& replacement);

// The selection shortened so that line breaks at its end (CR LF pairs and lone CR or LF) stay
// outside it; a wrap then never lands between CR and LF, and the closing piece stays on the line.
Selection withoutTrailingLineBreaks(const QString& text, const Selection& selection);

// Every occurrence of `find` replaced by `replacement`, scanning from the start, case-sensitive;
// the replacement is not searched again. One pass, one new string. An empty `find` changes nothing.
QString replaceAllOccurrences(const QString& text, QStringView find, QStringView replacement,
                              int* count = nullptr);

// The selection clamped to the text.
Selection clampSelection(const QString& text, const Selection& selection);
