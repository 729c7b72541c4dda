#pragma once

#include <QColor>
#include <QObject>
#include <QString>

class UndoRing;
class Workspace;

// The primitives through which commands put text into the current document's editor.
class Insertion : public QObject {
    Q_OBJECT

public:
    Insertion(Workspace& workspace, UndoRing& undoRing)
        : ws(workspace)
        , undo(undoRing)
    {
    }

    // Wraps the selection in str1 and str2, paints both red and leaves the caret after str1.
    void wrapSelectionMarked(const QString& str1, const QString& str2);
    // Wraps the selection in str1 and str2 as plain text.
    void wrapSelection(const QString& str1, const QString& str2);
    // Inserts the trimmed text at the caret (str1 receives the trimmed text); in a stylesheet
    // document a whole rule goes to the end of the document.
    void insertAtCaret(QString& str1);
    // Pastes the clipboard's text into the control that has the focus, after a snapshot.
    void pasteClipboard();
    // Inserts "<BR>" in front of the selection, after a snapshot: the line-break generator of the
    // guided panels does it (lineBreakRequested).
    void insertLineBreakTag();

    // The colour of inserted tags.
    static QColor markColour();

    // True when the current document's file name ends in ".css" (any case).
    bool isStylesheetDocument() const;

Q_SIGNALS:
    void lineBreakRequested();

private:
    Workspace& ws;
    UndoRing& undo;
};
