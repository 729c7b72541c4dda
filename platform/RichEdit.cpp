#include "platform/RichEdit.h"

#include "platform/HugePages.h"
#include "platform/Twips.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <memory>

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

constexpr int PaintIndicator = 8;
// The editor's notifications that RichEdit listens to.
constexpr long ModificationEvents = QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT;

// The editor's UTF-8 as text: a U+FEFF at the start is a character like any other here, not a
// byte-order mark to drop.
QString textOf(const char* utf8, qsizetype length)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(utf8, length));
}

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

namespace richedit_detail {

// The QScintilla widget inside a RichEdit: its events go to the RichEdit's signals.
class Scintilla : public QsciScintilla {
public:
    Scintilla(RichEdit* owner)
        : QsciScintilla(owner)
        , owner_(owner)
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier) {
            owner_->replaceSelection(QStringLiteral("\t"));
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Backtab) {
            event->accept();
            return;
        }
        QsciScintilla::keyPressEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QsciScintilla::focusOutEvent(event);
        if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
            Q_EMIT owner_->focusLost();
    }

    void mousePressEvent(QMouseEvent* event) override
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
        Q_EMIT owner_->mousePressed(button, shift, twips::fromPixels(p.x()), twips::fromPixels(p.y()));
    }

    // The main window shows its own popup on the right button.
    void contextMenuEvent(QContextMenuEvent* event) override { event->accept(); }

    void dragEnterEvent(QDragEnterEvent* event) override { acceptFiles(event); }
    void dragMoveEvent(QDragMoveEvent* event) override { acceptFiles(event); }

    void dropEvent(QDropEvent* event) override
    {
        // Only a list of files is taken; dropped text is not inserted.
        const QStringList files = localFiles(event->mimeData());
        if (files.isEmpty()) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        Q_EMIT owner_->filesDropped(files);
    }

private:
    void acceptFiles(QDropEvent* event)
    {
        if (!localFiles(event->mimeData()).isEmpty())
            event->acceptProposedAction();
        else
            event->ignore();
    }

    RichEdit* owner_;
};

} // namespace richedit_detail

using richedit_detail::Scintilla;

RichEdit::RichEdit(QWidget* parent)
    : QWidget(parent)
    , sci_(new Scintilla(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sci_);
    setFocusProxy(sci_);

    sci_->setUtf8(true);
    sci_->setEolMode(QsciScintilla::EolWindows);
    sci_->setEolVisibility(false);
    sci_->setWrapMode(QsciScintilla::WrapNone);
    for (int m = 0; m < 5; ++m)
        sci_->setMarginWidth(m, 0);
    sci_->setTabWidth(4);
    sci_->setIndentationsUseTabs(true);
    sci_->setAutoIndent(false);
    sci_->setBraceMatching(QsciScintilla::NoBraceMatch);
    sci_->setCaretLineVisible(false);
    sci_->setContextMenuPolicy(Qt::DefaultContextMenu);
    sci_->setAcceptDrops(true);
    send(QsciScintillaBase::SCI_SETLEXER, QsciScintillaBase::SCLEX_CONTAINER);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, ModificationEvents);
    send(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
    send(QsciScintillaBase::SCI_SETPASTECONVERTENDINGS, 1);
    send(QsciScintillaBase::SCI_INDICSETSTYLE, PaintIndicator, QsciScintillaBase::INDIC_TEXTFORE);
    send(QsciScintillaBase::SCI_INDICSETFLAGS, PaintIndicator, QsciScintillaBase::SC_INDICFLAG_VALUEBEFORE);
    send(QsciScintillaBase::SCI_INDICSETUNDER, PaintIndicator, 0);

    back_ = QColor(255, 255, 255);
    for (auto& c : styleColours_)
        c = QColor(0, 0, 0);
    font_ = QFont(QStringLiteral("IPAGothic"), 12);
    setEditorFont(font_);
    setStyleColours(styleColours_[0], styleColours_[1], styleColours_[2], styleColours_[3], back_);

    connect(sci_, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                onModified(position, type, length);
            });

    // The menus own these keys; the editor's own bindings would bypass the undo ring.
    const QsciCommand::Command commands[] = {
        QsciCommand::Undo, QsciCommand::Redo, QsciCommand::SelectionCut, QsciCommand::SelectionCopy,
        QsciCommand::Paste, QsciCommand::LineTranspose, QsciCommand::Tab, QsciCommand::Backtab,
        QsciCommand::LineCut, QsciCommand::LineCopy, QsciCommand::LineDelete, QsciCommand::LineDuplicate,
        QsciCommand::SelectionDuplicate, QsciCommand::SelectionLowerCase, QsciCommand::SelectionUpperCase,
    };
    QsciCommandSet* set = sci_->standardCommands();
    for (auto c : commands) {
        if (QsciCommand* cmd = set->find(c)) {
            cmd->setKey(0);
            cmd->setAlternateKey(0);
        }
    }
}

RichEdit::~RichEdit()
{
    // The inner editor goes first, while this is still a RichEdit: a focus loss that its
    // destruction causes must not reach a half-destroyed owner.
    delete sci_;
}

void RichEdit::keyPressEvent(QKeyEvent* event)
{
    forwardKey(event);
}

void RichEdit::keyReleaseEvent(QKeyEvent* event)
{
    forwardKey(event);
}

void RichEdit::forwardKey(QKeyEvent* event)
{
    // A key the text ignores comes back up to this widget; it goes on to the parents from here.
    if (forwardingKey_) {
        event->ignore();
        return;
    }
    forwardingKey_ = true;
    QCoreApplication::sendEvent(sci_, event);
    forwardingKey_ = false;
}

RichEdit* RichEdit::containing(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* ed = qobject_cast<RichEdit*>(w))
            return ed;
    }
    return nullptr;
}

long RichEdit::send(unsigned int msg, unsigned long wParam, long lParam) const
{
    return sci_->SendScintilla(msg, wParam, lParam);
}

long RichEdit::sendPtr(unsigned int msg, unsigned long wParam, const char* lParam) const
{
    return sci_->SendScintilla(msg, wParam, lParam);
}

// ---- positions -------------------------------------------------------------------------------

int RichEdit::toByte(int pos) const
{
    if (pos <= 0)
        return 0;
    const long bytes = send(QsciScintillaBase::SCI_GETLENGTH);
    const long line = send(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(pos), QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
    long units = send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
    long b = send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    long lineEnd = send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
    if (lineEnd < 0 || lineEnd > bytes)
        lineEnd = bytes;
    if (b < lineEnd && units < pos) {
        const auto* p = reinterpret_cast<const unsigned char*>(
            sci_->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(b), lineEnd - b));
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
    if (b > 0 && b < bytes && send(QsciScintillaBase::SCI_GETCHARAT, static_cast<unsigned long>(b - 1)) == '\r'
        && send(QsciScintillaBase::SCI_GETCHARAT, static_cast<unsigned long>(b)) == '\n')
        ++b;
    return static_cast<int>(b);
}

int RichEdit::fromByte(int byte) const
{
    if (byte <= 0)
        return 0;
    const long line = send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(byte));
    const long lineStart = send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long base = send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
    return static_cast<int>(base + send(QsciScintillaBase::SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), byte));
}

// ---- text ------------------------------------------------------------------------------------

QString RichEdit::text() const
{
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    if (length == 0)
        return QString();
    const char* p = reinterpret_cast<const char*>(sci_->SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return textOf(p, length);
}

void RichEdit::replaceRange(long from, long to, const QByteArray& utf8)
{
    // Through the target, which takes a length: a NUL in the text is kept.
    send(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(from), to);
    sendPtr(QsciScintillaBase::SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), utf8.constData());
}

void RichEdit::setText(const QString& text)
{
    setTextUtf8(text.toUtf8());
}

void RichEdit::setTextUtf8(const QByteArray& text)
{
    const bool hadText = send(QsciScintillaBase::SCI_GETLENGTH) > 0;
    // Replacing everything is no edit to undo, and nobody needs the editor's notifications of
    // it: with them QScintilla would copy the whole text once more and convert it to UTF-16
    // for accessibility. textChanged is sent once at the end instead.
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
    replaceRange(0, send(QsciScintillaBase::SCI_GETLENGTH), text);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, ModificationEvents);
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1);
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    send(QsciScintillaBase::SCI_GOTOPOS, 0);
    if (hadText || !text.isEmpty())
        Q_EMIT textChanged();
}

int RichEdit::textLength() const
{
    const long bytes = send(QsciScintillaBase::SCI_GETLENGTH);
    return fromByte(static_cast<int>(bytes));
}

bool RichEdit::isEmpty() const
{
    return send(QsciScintillaBase::SCI_GETLENGTH) == 0;
}

int RichEdit::selectionStart() const
{
    return fromByte(static_cast<int>(send(QsciScintillaBase::SCI_GETSELECTIONSTART)));
}

void RichEdit::setSelectionStart(int pos)
{
    const long b = toByte(pos);
    send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(b), b);
}

int RichEdit::selectionLength() const
{
    const long s = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long e = send(QsciScintillaBase::SCI_GETSELECTIONEND);
    if (e <= s)
        return 0;
    return fromByte(static_cast<int>(e)) - fromByte(static_cast<int>(s));
}

void RichEdit::setSelectionLength(int length)
{
    const long s = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const int start = fromByte(static_cast<int>(s));
    const long e = toByte(start + std::max(0, length));
    send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(s), e);
}

void RichEdit::select(int start, int length)
{
    const long s = toByte(start);
    const long e = toByte(start + std::max(0, length));
    send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(s), e);
}

QString RichEdit::selectedText() const
{
    const long s = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long e = send(QsciScintillaBase::SCI_GETSELECTIONEND);
    if (e <= s)
        return QString();
    const char* p = reinterpret_cast<const char*>(
        sci_->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(s), e - s));
    return textOf(p, e - s);
}

void RichEdit::replaceSelection(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const long s = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    replaceRange(s, send(QsciScintillaBase::SCI_GETSELECTIONEND), utf8);
    const long caret = s + utf8.size();
    send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(caret), caret);
    send(QsciScintillaBase::SCI_SCROLLCARET);
}

// ---- painting and colouring ------------------------------------------------------------------

void RichEdit::paintRange(int start, int length, const QColor& colour)
{
    if (length <= 0)
        return;
    const long s = toByte(start);
    const long e = toByte(start + length);
    if (e <= s)
        return;
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, PaintIndicator);
    send(QsciScintillaBase::SCI_SETINDICATORVALUE, static_cast<unsigned long>(bgr(colour) | QsciScintillaBase::SC_INDICVALUEBIT));
    send(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(s), e - s);
}

void RichEdit::clearPaint()
{
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, PaintIndicator);
    send(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0, send(QsciScintillaBase::SCI_GETLENGTH));
}

QColor RichEdit::paintAt(int pos) const
{
    const long b = toByte(pos);
    if (!(send(QsciScintillaBase::SCI_INDICATORALLONFOR, static_cast<unsigned long>(b)) & (1 << PaintIndicator)))
        return QColor();
    const long v = send(QsciScintillaBase::SCI_INDICATORVALUEAT, PaintIndicator, b) & QsciScintillaBase::SC_INDICVALUEMASK;
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

void RichEdit::restyleAll(StyleScan scan)
{
    const qsizetype length = send(QsciScintillaBase::SCI_GETLENGTH);
    // The text as the editor holds it, without a copy; valid until the next change.
    const char* text = reinterpret_cast<const char*>(sci_->SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    auto styles = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(length) + 1);
    adviseHugePages(styles.get(), length + 1);
    scan(text, length, styles.get());
    send(QsciScintillaBase::SCI_STARTSTYLING, 0, 0);
    sendPtr(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(length), styles.get());
}

int RichEdit::styleAt(int pos) const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(toByte(pos))));
}

void RichEdit::setStyleColours(const QColor& defaultColour, const QColor& tag, const QColor& text,
                               const QColor& value, const QColor& back)
{
    styleColours_[0] = defaultColour;
    styleColours_[1] = tag;
    styleColours_[2] = text;
    styleColours_[3] = value;
    send(QsciScintillaBase::SCI_STYLESETFORE, QsciScintillaBase::STYLE_DEFAULT, bgr(defaultColour));
    for (int s = 0; s < 4; ++s)
        send(QsciScintillaBase::SCI_STYLESETFORE, static_cast<unsigned long>(s), bgr(styleColours_[s]));
    setBackgroundColour(back);
}

QColor RichEdit::styleColour(int style) const
{
    if (style < 0 || style > 3)
        return QColor();
    return styleColours_[style];
}

QColor RichEdit::backgroundColour() const
{
    return back_;
}

void RichEdit::setBackgroundColour(const QColor& colour)
{
    back_ = colour;
    send(QsciScintillaBase::SCI_STYLESETBACK, QsciScintillaBase::STYLE_DEFAULT, bgr(colour));
    for (int s = 0; s < 4; ++s)
        send(QsciScintillaBase::SCI_STYLESETBACK, static_cast<unsigned long>(s), bgr(colour));
    // Keep the caret visible on a dark ground.
    const bool dark = colour.lightness() < 128;
    send(QsciScintillaBase::SCI_SETCARETFORE, static_cast<unsigned long>(dark ? 0xFFFFFF : 0x000000));
}

void RichEdit::setEditorFont(const QFont& font)
{
    font_ = font;
    const QByteArray family = font.family().toUtf8();
    const int sizeHundredths = static_cast<int>((font.pointSizeF() > 0 ? font.pointSizeF() : 12) * 100);
    auto applyTo = [&](unsigned long style) {
        sendPtr(QsciScintillaBase::SCI_STYLESETFONT, style, family.constData());
        send(QsciScintillaBase::SCI_STYLESETSIZEFRACTIONAL, style, sizeHundredths);
        send(QsciScintillaBase::SCI_STYLESETBOLD, style, font.bold() ? 1 : 0);
        send(QsciScintillaBase::SCI_STYLESETITALIC, style, font.italic() ? 1 : 0);
        send(QsciScintillaBase::SCI_STYLESETUNDERLINE, style, font.underline() ? 1 : 0);
    };
    applyTo(QsciScintillaBase::STYLE_DEFAULT);
    for (unsigned long s = 0; s < 4; ++s)
        applyTo(s);
}

QFont RichEdit::editorFont() const
{
    return font_;
}

// ---- undo and view ---------------------------------------------------------------------------

bool RichEdit::canUndo() const
{
    return send(QsciScintillaBase::SCI_CANUNDO) != 0;
}

void RichEdit::undo()
{
    send(QsciScintillaBase::SCI_UNDO);
}

void RichEdit::clearUndoHistory()
{
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
}

int RichEdit::firstVisibleLine() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE));
}

void RichEdit::setFirstVisibleLine(int line)
{
    sci_->setFirstVisibleLine(line);
}

void RichEdit::scrollLines(int lines)
{
    send(QsciScintillaBase::SCI_LINESCROLL, 0, lines);
}

void RichEdit::setSelectionHidden(bool hide)
{
    send(QsciScintillaBase::SCI_HIDESELECTION, hide ? 1 : 0);
}

bool RichEdit::editorHasFocus() const
{
    return sci_->hasFocus();
}

void RichEdit::printAll(QsciPrinter& printer)
{
    printer.printRange(sci_);
}

void RichEdit::onModified(int position, int modificationType, int length)
{
    if (!(modificationType & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT)))
        return;
    if ((modificationType & QsciScintillaBase::SC_MOD_INSERTTEXT) && length > 0) {
        // Typed or inserted text takes the colour of the text in front of it, as it would in a
        // rich-text box, until the next full recolour.
        long style = 0;
        if (position > 0)
            style = send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(position - 1));
        else if (position + length < send(QsciScintillaBase::SCI_GETLENGTH))
            style = send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(position + length));
        if (style != 0) {
            send(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(position), 0);
            send(QsciScintillaBase::SCI_SETSTYLING, static_cast<unsigned long>(length), style);
        }
    }
    Q_EMIT textChanged();
}
