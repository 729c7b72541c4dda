#pragma once

#include "editor/EditResult.h"

#include <QColor>
#include <QList>
#include <QString>

class Insertion;
class RichEdit;

// Between the editing commands' text logic (functions of strings) and the editor control.

Selection selectionOf(const RichEdit* editor);
void select(RichEdit* editor, const Selection& selection);

// Puts a command's result into the editor. Only the stretch of text that differs from `before`
// (the editor's text as the command read it) is replaced, so the rest keeps its colours and the
// view stays where it is; then the result's selection is set and its marks are painted red.
void applyEdit(RichEdit* editor, const QString& before, const EditResult& result);

void paintRanges(RichEdit* editor, const QList<MarkRange>& ranges, const QColor& colour);

// Selects the wrap's range and wraps it through the marking insertion: both pieces red, the
// caret right after the first.
void insertWrap(Insertion& insert, RichEdit* editor, const Wrap& wrap);
