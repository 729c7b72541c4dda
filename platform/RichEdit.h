#pragma once

#include <Qsci/qsciscintilla.h>
#include <QColor>
#include <QFont>
#include <QStringList>

class QKeyEvent;

// The editor of one document, over QScintilla.
//
// Positions are counted as the rest of the program counts them: characters of the text as a
// string (UTF-16 code units), a line break being the two characters CR LF. Conversion to the
// editor's UTF-8 byte positions happens only in this class, and a position never lands between CR
// and LF or inside a character: such a position moves forward to the next boundary.
class RichEdit : public QsciScintilla {
    Q_OBJECT

public:
    // Style numbers of the colouring: 0 text before the first tag, 1 tags, 2 text, 3 quoted values.
    enum Style { StyleDefault = 0, StyleTag = 1, StyleText = 2, StyleValue = 3 };
    static constexpr int PaintIndicator = 8;

    explicit RichEdit(QWidget* parent = nullptr);
    ~RichEdit() override;

    // Whole text. Setting it replaces everything and empties the editor's own undo buffer.
    QString Text() const;
    void SetText(const QString& text);
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

    // Colouring: the UTF-8 text as the editor holds it, without a copy (valid until the next
    // change), and one styling call over the whole text.
    const char* Utf8Data(qsizetype* length);
    void SetStyling(const char* styles, qsizetype length);
    int StyleAt(int pos) const;
    void SetStyleColours(const QColor& defaultColour, const QColor& tag, const QColor& text,
                         const QColor& value, const QColor& back);
    QColor StyleColour(int style) const;
    QColor BackColor() const;
    void SetBackColor(const QColor& colour);
    void SetEditorFont(const QFont& font);
    QFont EditorFont() const;

    // The editor's own undo.
    bool CanUndo();
    void Undo();
    void EmptyUndoBuffer();

    int FirstVisibleLine() const;
    void LineScroll(int lines);
    // Keeps the selection visible while another control has the focus.
    void HideSelection(bool hide);

    int toByte(int pos) const;
    int fromByte(int byte) const;

Q_SIGNALS:
    void Changed();
    void LostFocus();
    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; X and Y in twips.
    void MouseDown(int button, int shift, int x, int y);
    void FilesDropped(const QStringList& paths);
    // Seen before the editor handles the key; setting *handled swallows it.
    void KeyDown(QKeyEvent* event, bool* handled);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void onModified(int position, int modificationType, const char* text, int length, int linesAdded,
                    int line, int foldNow, int foldPrev, int token, int annotationLines);
    void removeKeyBindings();
    long send(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
    long sendPtr(unsigned int msg, unsigned long wParam, const char* lParam) const;

    QColor styleColours_[4];
    QColor back_;
    QFont font_;
    bool settingText_ = false;
};
