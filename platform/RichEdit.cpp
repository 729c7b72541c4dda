#include "platform/RichEdit.h"

#include "platform/Twips.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace {

long bgr(const QColor& c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

int utf8Width(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1; // a continuation byte; not reached at a character boundary
}

} // namespace

RichEdit::RichEdit(QWidget* parent)
    : QsciScintilla(parent)
{
    setUtf8(true);
    setEolMode(QsciScintilla::EolWindows);
    setEolVisibility(false);
    setWrapMode(QsciScintilla::WrapNone);
    for (int m = 0; m < 5; ++m)
        setMarginWidth(m, 0);
    setTabWidth(4);
    setIndentationsUseTabs(true);
    setAutoIndent(false);
    setBraceMatching(QsciScintilla::NoBraceMatch);
    setCaretLineVisible(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setAcceptDrops(true);
    send(SCI_SETLEXER, SCLEX_CONTAINER);
    send(SCI_SETMODEVENTMASK, SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT);
    send(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
    send(SCI_SETPASTECONVERTENDINGS, 1);
    send(SCI_INDICSETSTYLE, PaintIndicator, INDIC_TEXTFORE);
    send(SCI_INDICSETFLAGS, PaintIndicator, SC_INDICFLAG_VALUEBEFORE);
    send(SCI_INDICSETUNDER, PaintIndicator, 0);

    back_ = QColor(255, 255, 255);
    for (auto& c : styleColours_)
        c = QColor(0, 0, 0);
    font_ = QFont(QStringLiteral("IPAGothic"), 12);
    SetEditorFont(font_);
    SetStyleColours(styleColours_[0], styleColours_[1], styleColours_[2], styleColours_[3], back_);

    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &RichEdit::onModified);
    removeKeyBindings();
}

RichEdit::~RichEdit() = default;

long RichEdit::send(unsigned int msg, unsigned long wParam, long lParam) const
{
    return SendScintilla(msg, wParam, lParam);
}

long RichEdit::sendPtr(unsigned int msg, unsigned long wParam, const char* lParam) const
{
    return SendScintilla(msg, wParam, lParam);
}

void RichEdit::removeKeyBindings()
{
    // The menus own these keys; the editor's own bindings would bypass the undo ring.
    const QsciCommand::Command commands[] = {
        QsciCommand::Undo, QsciCommand::Redo, QsciCommand::SelectionCut, QsciCommand::SelectionCopy,
        QsciCommand::Paste, QsciCommand::LineTranspose, QsciCommand::Tab, QsciCommand::Backtab,
        QsciCommand::LineCut, QsciCommand::LineCopy, QsciCommand::LineDelete, QsciCommand::LineDuplicate,
        QsciCommand::SelectionDuplicate, QsciCommand::SelectionLowerCase, QsciCommand::SelectionUpperCase,
    };
    QsciCommandSet* set = standardCommands();
    for (auto c : commands) {
        if (QsciCommand* cmd = set->find(c)) {
            cmd->setKey(0);
            cmd->setAlternateKey(0);
        }
    }
}

// ---- positions -------------------------------------------------------------------------------

int RichEdit::toByte(int pos) const
{
    if (pos <= 0)
        return 0;
    const long bytes = send(SCI_GETLENGTH);
    const long line = send(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(pos), SC_LINECHARACTERINDEX_UTF16);
    long units = send(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), SC_LINECHARACTERINDEX_UTF16);
    long b = send(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    long lineEnd = send(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
    if (lineEnd < 0 || lineEnd > bytes)
        lineEnd = bytes;
    if (b < lineEnd && units < pos) {
        const auto* p = reinterpret_cast<const unsigned char*>(
            SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(b), lineEnd - b));
        const long start = b;
        while (units < pos && b < lineEnd) {
            const int w = utf8Width(p[b - start]);
            units += (w == 4) ? 2 : 1;
            b += w;
        }
    }
    if (b > bytes)
        b = bytes;
    // Never between CR and LF.
    if (b > 0 && b < bytes && send(SCI_GETCHARAT, static_cast<unsigned long>(b - 1)) == '\r'
        && send(SCI_GETCHARAT, static_cast<unsigned long>(b)) == '\n')
        ++b;
    return static_cast<int>(b);
}

int RichEdit::fromByte(int byte) const
{
    if (byte <= 0)
        return 0;
    const long line = send(SCI_LINEFROMPOSITION, static_cast<unsigned long>(byte));
    const long lineStart = send(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long base = send(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), SC_LINECHARACTERINDEX_UTF16);
    return static_cast<int>(base + send(SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), byte));
}

// ---- text ------------------------------------------------------------------------------------

QString RichEdit::Text() const
{
    const long length = send(SCI_GETLENGTH);
    if (length == 0)
        return QString();
    const char* p = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(p, length);
}

void RichEdit::SetText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    settingText_ = true;
    sendPtr(SCI_SETTEXT, 0, utf8.constData());
    settingText_ = false;
    send(SCI_EMPTYUNDOBUFFER);
}

int RichEdit::TextLength() const
{
    const long bytes = send(SCI_GETLENGTH);
    return fromByte(static_cast<int>(bytes));
}

bool RichEdit::IsEmpty() const
{
    return send(SCI_GETLENGTH) == 0;
}

int RichEdit::SelStart() const
{
    return fromByte(static_cast<int>(send(SCI_GETSELECTIONSTART)));
}

void RichEdit::SetSelStart(int pos)
{
    const long b = toByte(pos);
    send(SCI_SETSEL, static_cast<unsigned long>(b), b);
}

int RichEdit::SelLength() const
{
    const long s = send(SCI_GETSELECTIONSTART);
    const long e = send(SCI_GETSELECTIONEND);
    if (e <= s)
        return 0;
    return fromByte(static_cast<int>(e)) - fromByte(static_cast<int>(s));
}

void RichEdit::SetSelLength(int length)
{
    const long s = send(SCI_GETSELECTIONSTART);
    const int start = fromByte(static_cast<int>(s));
    const long e = toByte(start + std::max(0, length));
    send(SCI_SETSEL, static_cast<unsigned long>(s), e);
}

void RichEdit::Select(int start, int length)
{
    const long s = toByte(start);
    const long e = toByte(start + std::max(0, length));
    send(SCI_SETSEL, static_cast<unsigned long>(s), e);
}

QString RichEdit::SelText() const
{
    const long s = send(SCI_GETSELECTIONSTART);
    const long e = send(SCI_GETSELECTIONEND);
    if (e <= s)
        return QString();
    const char* p = reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(s), e - s));
    return QString::fromUtf8(p, e - s);
}

void RichEdit::SetSelText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sendPtr(SCI_REPLACESEL, 0, utf8.constData());
}

// ---- painting and colouring ------------------------------------------------------------------

void RichEdit::PaintRange(int start, int length, const QColor& colour)
{
    if (length <= 0)
        return;
    const long s = toByte(start);
    const long e = toByte(start + length);
    if (e <= s)
        return;
    send(SCI_SETINDICATORCURRENT, PaintIndicator);
    send(SCI_SETINDICATORVALUE, static_cast<unsigned long>(bgr(colour) | SC_INDICVALUEBIT));
    send(SCI_INDICATORFILLRANGE, static_cast<unsigned long>(s), e - s);
}

void RichEdit::ClearPaint()
{
    send(SCI_SETINDICATORCURRENT, PaintIndicator);
    send(SCI_INDICATORCLEARRANGE, 0, send(SCI_GETLENGTH));
}

QColor RichEdit::PaintAt(int pos) const
{
    const long b = toByte(pos);
    if (!(send(SCI_INDICATORALLONFOR, static_cast<unsigned long>(b)) & (1 << PaintIndicator)))
        return QColor();
    const long v = send(SCI_INDICATORVALUEAT, PaintIndicator, b) & SC_INDICVALUEMASK;
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

const char* RichEdit::Utf8Data(qsizetype* length)
{
    *length = send(SCI_GETLENGTH);
    return reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
}

void RichEdit::SetStyling(const char* styles, qsizetype length)
{
    send(SCI_STARTSTYLING, 0, 0);
    sendPtr(SCI_SETSTYLINGEX, static_cast<unsigned long>(length), styles);
}

int RichEdit::StyleAt(int pos) const
{
    return static_cast<int>(send(SCI_GETSTYLEAT, static_cast<unsigned long>(toByte(pos))));
}

void RichEdit::SetStyleColours(const QColor& defaultColour, const QColor& tag, const QColor& text,
                               const QColor& value, const QColor& back)
{
    styleColours_[0] = defaultColour;
    styleColours_[1] = tag;
    styleColours_[2] = text;
    styleColours_[3] = value;
    send(SCI_STYLESETFORE, STYLE_DEFAULT, bgr(defaultColour));
    for (int s = 0; s < 4; ++s)
        send(SCI_STYLESETFORE, static_cast<unsigned long>(s), bgr(styleColours_[s]));
    SetBackColor(back);
}

QColor RichEdit::StyleColour(int style) const
{
    if (style < 0 || style > 3)
        return QColor();
    return styleColours_[style];
}

QColor RichEdit::BackColor() const
{
    return back_;
}

void RichEdit::SetBackColor(const QColor& colour)
{
    back_ = colour;
    send(SCI_STYLESETBACK, STYLE_DEFAULT, bgr(colour));
    for (int s = 0; s < 4; ++s)
        send(SCI_STYLESETBACK, static_cast<unsigned long>(s), bgr(colour));
    // Keep the caret visible on a dark ground.
    const bool dark = colour.lightness() < 128;
    send(SCI_SETCARETFORE, static_cast<unsigned long>(dark ? 0xFFFFFF : 0x000000));
}

void RichEdit::SetEditorFont(const QFont& font)
{
    font_ = font;
    const QByteArray family = font.family().toUtf8();
    const int sizeHundredths = static_cast<int>((font.pointSizeF() > 0 ? font.pointSizeF() : 12) * 100);
    auto applyTo = [&](unsigned long style) {
        sendPtr(SCI_STYLESETFONT, style, family.constData());
        send(SCI_STYLESETSIZEFRACTIONAL, style, sizeHundredths);
        send(SCI_STYLESETBOLD, style, font.bold() ? 1 : 0);
        send(SCI_STYLESETITALIC, style, font.italic() ? 1 : 0);
        send(SCI_STYLESETUNDERLINE, style, font.underline() ? 1 : 0);
    };
    applyTo(STYLE_DEFAULT);
    for (unsigned long s = 0; s < 4; ++s)
        applyTo(s);
}

QFont RichEdit::EditorFont() const
{
    return font_;
}

// ---- undo and view ---------------------------------------------------------------------------

bool RichEdit::CanUndo()
{
    return send(SCI_CANUNDO) != 0;
}

void RichEdit::Undo()
{
    send(SCI_UNDO);
}

void RichEdit::EmptyUndoBuffer()
{
    send(SCI_EMPTYUNDOBUFFER);
}

int RichEdit::FirstVisibleLine() const
{
    return static_cast<int>(send(SCI_GETFIRSTVISIBLELINE));
}

void RichEdit::LineScroll(int lines)
{
    send(SCI_LINESCROLL, 0, lines);
}

void RichEdit::HideSelection(bool hide)
{
    send(SCI_HIDESELECTION, hide ? 1 : 0);
}

// ---- events ----------------------------------------------------------------------------------

void RichEdit::onModified(int position, int modificationType, const char*, int length, int, int, int, int, int, int)
{
    if (!(modificationType & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)))
        return;
    if ((modificationType & SC_MOD_INSERTTEXT) && !settingText_ && length > 0) {
        // Typed or inserted text takes the colour of the text in front of it, as it would in a
        // rich-text box, until the next full recolour.
        long style = 0;
        if (position > 0)
            style = send(SCI_GETSTYLEAT, static_cast<unsigned long>(position - 1));
        else if (position + length < send(SCI_GETLENGTH))
            style = send(SCI_GETSTYLEAT, static_cast<unsigned long>(position + length));
        if (style != 0) {
            send(SCI_STARTSTYLING, static_cast<unsigned long>(position), 0);
            send(SCI_SETSTYLING, static_cast<unsigned long>(length), style);
        }
    }
    Q_EMIT Changed();
}

void RichEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier) {
        SetSelText(QStringLiteral("\t"));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backtab) {
        event->accept();
        return;
    }
    QsciScintilla::keyPressEvent(event);
}

void RichEdit::focusOutEvent(QFocusEvent* event)
{
    QsciScintilla::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        Q_EMIT LostFocus();
}

void RichEdit::mousePressEvent(QMouseEvent* event)
{
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: break;
    }
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    const QPoint p = event->position().toPoint();
    if (button != 2)
        QsciScintilla::mousePressEvent(event);
    else
        event->accept();
    Q_EMIT MouseDown(button, shift, twips::fromPixels(p.x()), twips::fromPixels(p.y()));
}

void RichEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The main window shows its own popup on the right button.
    event->accept();
}

namespace {

QStringList localFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

void RichEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void RichEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void RichEdit::dropEvent(QDropEvent* event)
{
    // Only a list of files is taken; dropped text is not inserted.
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT FilesDropped(files);
}
