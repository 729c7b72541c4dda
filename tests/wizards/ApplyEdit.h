#pragma once

#include "support/QtPrinters.h"
#include "wizards/generators/GeneratedEdit.h"

#include <QList>
#include <QString>
#include <ostream>

// The document as a generator's result leaves it, worked out on the text alone: what the
// insertion primitives do to the text, the selection and the red marking.
struct AppliedText {
    QString text;
    int selStart = 0;
    int selLength = 0;
    QList<gen::Range> painted;
};

AppliedText applyEdit(const gen::EditorState& editor, const gen::GeneratedEdit& edit);

// The painted pieces of the text, in order.
QStringList paintedPieces(const AppliedText& a);

gen::EditorState editorWith(const QString& text, int selStart = 0, int selLength = 0);
// The editor with `selected` selected at its first occurrence in text.
gen::EditorState editorSelecting(const QString& text, const QString& selected);

inline void PrintTo(const gen::ControlRef& c, std::ostream* os)
{
    *os << c.key << '(' << c.index << ')';
}

inline void PrintTo(const gen::Range& r, std::ostream* os)
{
    *os << '[' << r.start << ", +" << r.length << ']';
}
