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
    QString Text() const;
    void SetText(const QString& text);
    // The same for the text in UTF-8, which is how the editor holds it (valid UTF-8 only).
    void SetTextUtf8(const QByteArray& utf8);
    int TextLength() const;
    bool IsEmpty() const;

    int SelStart() const;
    // Places the caret; nothing is selected afterwards.
    void SetSelStart(int pos);
    int SelLength() const;
    // Selects from SelStart forward.
    void SetSelLength(int length);
    void Select(int start, int length);
    QString SelText() const;
    // Replaces the selection; the caret ends after the inserted text.
    void SetSelText(const QString& text);

    // Paints a range in a colour (an indicator; a full recolour clears it).
    void PaintRange(int start, int length, const QColor& colour);
    void ClearPaint();
    QColor PaintAt(int pos) const; // invalid when the position is not painted

    // Colouring: styles the whole text with one scan of the text as the editor holds it.
    void RestyleAll(StyleScan scan);
    int StyleAt(int pos) const;
    void SetStyleColours(const QColor& defaultColour, const QColor& tag, const QColor& text,
                         const QColor& value, const QColor& back);
    QColor StyleColour(int style) const;
    QColor BackColor() const;
    void SetBackColor(const QColor& colour);
    void SetEditorFont(const QFont& font);
    QFont EditorFont() const;

    // The editor's own undo.
    bool CanUndo() const;
    void Undo();
    void EmptyUndoBuffer();

    int FirstVisibleLine() const;
    void SetFirstVisibleLine(int line);
    void LineScroll(int lines);
    // Keeps the selection visible while another control has the focus.
    void HideSelection(bool hide);
    bool HasFocus() const;

    // Prints the whole text, coloured as it is shown.
    void PrintAll(QsciPrinter& printer);

Q_SIGNALS:
    void Changed();
    void LostFocus();
    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; X and Y in twips.
    void MouseDown(int button, int shift, int x, int y);
    void FilesDropped(const QStringList& paths);

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
