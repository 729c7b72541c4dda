#include "editor/Insertion.h"

#include "editor/UndoRing.h"
#include "platform/RichEdit.h"
#include "platform/TextFile.h"
#include "platform/TextRules.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

QColor Insertion::markColour()
{
    return QColor(255, 0, 0);
}

bool Insertion::isStylesheetDocument() const
{
    return textrules::asciiLower(ws.current().fileName.right(4)) == QStringLiteral(".css");
}

void Insertion::wrapSelectionMarked(const QString& str1, const QString& str2)
{
    RichEdit* ed = ws.currentEditor();
    const QString sel = ed->selectedText();
    const int ss = ed->selectionStart();
    ed->replaceSelection(str1 + sel + str2);
    ed->paintRange(ss, static_cast<int>(str1.size()), markColour());
    ed->paintRange(ss + static_cast<int>(str1.size() + sel.size()), static_cast<int>(str2.size()), markColour());
    ed->setFocus();
    ed->setSelectionStart(ss + static_cast<int>(str1.size()));
}

void Insertion::wrapSelection(const QString& str1, const QString& str2)
{
    RichEdit* ed = ws.currentEditor();
    const QString sel = ed->selectedText();
    ed->replaceSelection(str1 + sel + str2);
}

void Insertion::insertAtCaret(QString& str1)
{
    undo.takeSnapshot();
    RichEdit* ed = ws.currentEditor();
    str1 = textrules::trimBlanks(str1);
    const bool stylesheet = isStylesheetDocument();
    if (stylesheet && str1.contains(QLatin1Char('{'))) {
        // A whole rule: after a line break at the very end of the document.
        ed->setSelectionStart(ed->textLength());
        ed->replaceSelection(CrLf);
        ed->setFocus();
        ed->setSelectionStart(ed->textLength());
        ed->replaceSelection(str1);
        return;
    }
    if (stylesheet) {
        // One property line.
        if (str1.startsWith(CrLf))
            str1 = str1.mid(2);
        if (!str1.endsWith(CrLf))
            str1 += CrLf;
    }
    const int ss = ed->selectionStart();
    ed->setSelectionStart(ss);
    ed->setFocus();
    ed->replaceSelection(str1);
    ed->setSelectionStart(ss);
}

void Insertion::pasteClipboard()
{
    undo.takeSnapshot();
    const QString text = QApplication::clipboard()->text();
    QWidget* focus = QApplication::focusWidget();
    // A read-only box (a panel's explanation) takes nothing.
    if (auto* ed = RichEdit::containing(focus)) {
        ed->replaceSelection(toCrLf(text));
    } else if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        if (!line->isReadOnly())
            line->insert(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        if (!plain->isReadOnly())
            plain->insertPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(focus)) {
        if (!rich->isReadOnly())
            rich->insertPlainText(text);
    }
}

void Insertion::insertLineBreakTag()
{
    undo.takeSnapshot();
    Q_EMIT lineBreakRequested();
}
