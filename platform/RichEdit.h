#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

class QsciPrinter;
class QKeyEvent;

namespace richedit_detail {
class Scintilla;
}

// The editor of one document, over QScintilla.
//
// Positions are counted as the rest of the program counts them: characters of the text as a
// string (UTF-16 code units), a line break being the two characters CR LF. The editor's own
// positions are UTF-8 bytes; the conversion happens only inside this class, and a position never
// lands between CR and LF or inside a character: such a position moves forward to the next
// boundary. The QScintilla widget itself is not reachable from outside.
class RichEdit : public QWidget {
    Q_OBJECT

public:
    // Style numbers of the colouring: 0 text before the first tag, 1 tags, 2 text, 3 quoted values.
    enum Style { StyleDefault = 0, StyleTag = 1, StyleText = 2, StyleValue = 3 };

    // Works out the style (0 to 3) of every byte of the UTF-8 text in one pass.
    using StyleScan = void (*)(const char* text, qsizetype length, char* styles);

    explicit RichEdit(QWidget* parent = nullptr);
    ~RichEdit() override;

    // The editor that holds a widget (the widget itself or one of its parents), or nullptr.
    static RichEdit* containing(QWidget* widget);

    // Whole text. Setting it replaces everything and empties the editor's own undo buffer. Every
    // character is kept, a NUL among them.
    QString text() const;
    void setText(const QString& text);
    // The same for the text in UTF-8, which is how the editor holds it (valid UTF-8 only).
    void setTextUtf8(const QByteArray& utf8);
    int textLength() const;
    bool isEmpty() const;

    int selectionStart() const;
    // Places the caret; nothing is selected afterwards.
    void setSelectionStart(int pos);
    int selectionLength() const;
    // Selects from selectionStart() forward.
    void setSelectionLength(int length);
    void select(int start, int length);
    QString selectedText() const;
    // Replaces the selection; the caret ends after the inserted text.
    void replaceSelection(const QString& text);

    // Paints a range in a colour (an indicator; a full recolour clears it).
    void paintRange(int start, int length, const QColor& colour);
    void clearPaint();
    QColor paintAt(int pos) const; // invalid when the position is not painted

    // Colouring: styles the whole text with one scan of the text as the editor holds it.
    void restyleAll(StyleScan scan);
    int styleAt(int pos) const;
    void setStyleColours(const QColor& defaultColour, const QColor& tag, const QColor& text,
                         const QColor& value, const QColor& back);
    QColor styleColour(int style) const;
    QColor backgroundColour() const;
    void setBackgroundColour(const QColor& colour);
    void setEditorFont(const QFont& font);
    QFont editorFont() const;

    // The editor's own undo.
    bool canUndo() const;
    void undo();
    void clearUndoHistory();

    int firstVisibleLine() const;
    void setFirstVisibleLine(int line);
    void scrollLines(int lines);
    // Keeps the selection visible while another control has the focus.
    void setSelectionHidden(bool hide);
    bool editorHasFocus() const;

    // Prints the whole text, coloured as it is shown.
    void printAll(QsciPrinter& printer);

Q_SIGNALS:
    void textChanged();
    void focusLost();
    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; X and Y in twips.
    void mousePressed(int button, int shift, int x, int y);
    void filesDropped(const QStringList& paths);

protected:
    // Keys sent to the editor go to the text inside it.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    friend class richedit_detail::Scintilla;
    int toByte(int pos) const;
    int fromByte(int byte) const;
    long send(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
    long sendPtr(unsigned int msg, unsigned long wParam, const char* lParam) const;
    void onModified(int position, int modificationType, int length);
    void replaceRange(long from, long to, const QByteArray& utf8);
    void forwardKey(QKeyEvent* event);

    richedit_detail::Scintilla* sci_;
    QColor styleColours_[4];
    QColor back_;
    QFont font_;
    bool forwardingKey_ = false;
};
