#pragma once

#include "editor/EditResult.h"

#include <QList>
#include <QString>
#include <optional>

// The text logic of the search panel and the replace panel.

// One step of the search panel's one-at-a-time search. `searchPos` is the 1-based position where
// the search starts (0 counts as 1); letter case is ignored. Found: the occurrence to select and
// the search position after it. Not found: no selection, and the search position goes back to 1
// so that the next step starts at the top. An empty word finds nothing and keeps the position.
struct SearchStep {
    std::optional<Selection> found;
    int searchPos = 1;
};
SearchStep searchStep(const QString& text, const QString& word, int searchPos);

// The search panel's highlight of all occurrences: the whole text is painted blue, each
// occurrence (case-sensitive, not overlapping) red, and the last occurrence is left selected, or
// the whole text when there is none. A word that is empty or only blanks paints nothing red.
struct Highlight {
    QList<MarkRange> occurrences;
    Selection selection;
};
Highlight highlightAll(const QString& text, const QString& word);

// The replace panel's find next: from one character after the selection's start (from the start
// of the text when the caret stands at 0 with nothing selected), case-sensitive. nullopt when the
// find text is empty or does not occur again.
std::optional<Selection> findNext(const QString& text, const Selection& selection, const QString& find);

// The replace panel's replace one: the selection (whatever it holds) becomes `replacement`, and the
// next occurrence of `find` after the replacement is selected; without one the caret stays
// behind the replacement. nullopt (nothing changes) when nothing is selected or `find` is empty.
std::optional<EditResult> replaceOne(const QString& text, const Selection& selection, const QString& find,
                                     const QString& replacement);

// The replace panel's replace all: every occurrence of `find`, case-sensitive, from the start;
// the replacement is not searched again. nullopt when `find` is empty or does not occur. The
// caret keeps its position as far as the new text reaches.
struct ReplaceAllResult {
    QString text;
    int count = 0;
    Selection selection;
};
std::optional<ReplaceAllResult> replaceAll(const QString& text, const Selection& selection, const QString& find,
                                           const QString& replacement);
