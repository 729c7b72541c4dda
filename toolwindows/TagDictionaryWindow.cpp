#include "toolwindows/TagDictionaryWindow.h"
#include "wizards/WizardProcedures.h"

#include "editor/Insertion.h"
#include "editor/UndoRing.h"
#include "platform/Dialogs.h"
#include "platform/Procedures.h"
#include "platform/RichEdit.h"
#include "platform/SharedConstants.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "toolwindows/MouseRelay.h"
#include "toolwindows/PickerColours.h"
#include "toolwindows/ToolWindowTexts.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <cmath>
#include <stdexcept>

namespace {

QFont gothicFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// The box holds paragraphs; the rest of the program counts a line break as CR LF.
QString toBox(const QString& text)
{
    QString s = text;
    s.replace(CrLf, QStringLiteral("\n"));
    return s;
}

QString fromBox(QString text)
{
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QStringLiteral("\n"), CrLf);
    return text;
}

int absTwips(double value)
{
    return static_cast<int>(vb::RoundHalfEven(std::fabs(value)));
}

} // namespace

TagDictionaryWindow::TagDictionaryWindow(Workspace& workspace, UndoRing& undoRing, Insertion& insertion, ControlRegistry& mainControls, Procedures& procs,
               QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint)
    , ws(workspace)
    , undo(undoRing)
    , insert(insertion)
    , mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("タグの貼り付けと意味"));
    Frame1 = new QGroupBox(this);
    controls.add(QStringLiteral("Frame1"), Frame1);

    const QFont font = gothicFont();
    for (int i = 0; i <= TagCount; ++i) {
        auto* l = new QLabel(Frame1);
        l->setTextFormat(Qt::PlainText);
        l->setFont(font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setCursor(Qt::PointingHandCursor);
        setBackColour(l, QColor(0, 0, 128));
        setForeColour(l, QColor(255, 255, 255));
        twips::SetGeometry(l, 100, 200, 1800, 300);
        MouseRelay* relay = MouseRelay::watch(l);
        relay->click = [this, i] { Lbltag_Click(i); };
        relay->doubleClick = [this, i] { Lbltag_DblClick(i); };
        Lbltag.append(l);
        controls.add(QStringLiteral("Lbltag"), i, l);
    }

    Text1 = new QPlainTextEdit(Frame1);
    Text1->setFont(font);
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    controls.add(QStringLiteral("Text1"), Text1);
    MouseRelay* relay = MouseRelay::watch(Text1);
    relay->clickAfterDoubleClick = true;
    relay->click = [this] { Text1_Click(); };
    relay->mouseDown = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };

    Medit = new QMenu(QStringLiteral("編集(&E)"), this);
    QAction* mcopy = Medit->addAction(QStringLiteral("コピー"));
    QAction* mpaste = Medit->addAction(QStringLiteral("貼り付け(&P)"));
    connect(mcopy, &QAction::triggered, this, [this] { mcopy_Click(); });
    connect(mpaste, &QAction::triggered, this, [this] { mpaste_Click(); });
    controls.add(QStringLiteral("Medit"), Medit);
    controls.add(QStringLiteral("mcopy"), mcopy);
    controls.add(QStringLiteral("mpaste"), mpaste);

    connect(&ws.tabStrip(), &TabStrip::Click, this, [this] { followTab(); });
    mainControls.add(QStringLiteral("TagDictionaryWindow"), this);
    procs.define(procedure::ShowTagDictionary, std::function<void()>([this] { showDictionary(); }));
}

TagDictionaryWindow::~TagDictionaryWindow() = default;

QLabel* TagDictionaryWindow::label(int index) const
{
    if (index < 0 || index >= Lbltag.size())
        throw std::out_of_range("Lbltag(" + std::to_string(index) + ") does not exist");
    return Lbltag.at(index);
}

// ---- loading, showing, unloading ----

void TagDictionaryWindow::ensureLoaded()
{
    if (!loaded_)
        Form_Load();
}

void TagDictionaryWindow::Form_Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    Text1->setPlainText(toBox(toolwindow_texts::tagDictionaryGreeting()));
    for (QLabel* l : Lbltag)
        l->clear();
    twips::SetWindowGeometry(this, 5000, 2000, 10000, 8000);
    raise();
    LayoutTags();
    LoadTags();
    if (mainWindow_)
        mainWindow_->activateWindow();
}

void TagDictionaryWindow::showDictionary()
{
    const bool loading = !loaded_;
    ensureLoaded();
    show();
    raise();
    TagDicOpen.set(true);
    // The editor keeps the focus: the user goes on typing while the dictionary is open.
    if (loading && mainWindow_)
        mainWindow_->activateWindow();
}

void TagDictionaryWindow::Form_Unload()
{
    TagDicOpen.set(false);
    loaded_ = false;
}

void TagDictionaryWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void TagDictionaryWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (loaded_)
        LayoutTags();
}

void TagDictionaryWindow::followTab()
{
    if (!TagDicOpen.value())
        return;
    if (ws.previewTabSelected())
        hide();
    else
        show();
}

// ---- layout and reading the dictionary ----

void TagDictionaryWindow::LayoutTags()
{
    twips::SetGeometry(Frame1, 100, 50, absTwips(twips::WindowWidth(this) - 300.0), absTwips(twips::WindowHeight(this) - 900.0));
    // Five columns 40 apart, as far from the frame's right edge as the first is from its left,
    // so that the last column stays inside the frame.
    const int w = absTwips((twips::Width(Frame1) - 2 * 100 - 4 * 40.0) / 5);
    twips::SetWidth(Lbltag.first(), w);
    const int h = twips::Height(Lbltag.first());
    for (int i = 0; i <= TagCount; ++i) {
        const int r = i / 5;
        const int c = i % 5;
        twips::SetGeometry(Lbltag.at(i), c * (w + 40) + 100, r * (h + 20) + 200, w, h);
        Lbltag.at(i)->show();
    }
    const QLabel* last = Lbltag.at(TagCount);
    const int below = twips::Top(last) + twips::Height(last);
    twips::SetGeometry(Text1, twips::Left(Lbltag.first()), below + 50, absTwips(twips::Width(Frame1) - 200.0),
                       absTwips(twips::Height(Frame1) - below - 100.0));
}

void TagDictionaryWindow::LoadTags()
{
    for (QLabel* l : Lbltag)
        l->clear();
    TagText.fill(QString());
    const TextReadResult read = readProgramFile(ws.state.resourcePath(QStringLiteral("tag.txt")));
    if (!read.ok) {
        ws.dlg.MsgBox(TagFileUnreadable);
        return;
    }
    const QList<TagEntry> entries = parseTagDictionary(read.text);
    for (int i = 0; i < entries.size() && i <= TagCount; ++i) {
        Lbltag.at(i)->setText(entries.at(i).caption);
        TagText[size_t(i)] = entries.at(i).explanation;
    }
}

// ---- the labels ----

void TagDictionaryWindow::Lbltag_Click(int index)
{
    if (index < 0 || index >= int(TagText.size()))
        throw std::out_of_range("no tag explanation " + std::to_string(index));
    ensureLoaded();
    Text1->setPlainText(toBox(TagText[size_t(index)]));
    QTextCursor cursor(Text1->document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 255));
    cursor.mergeCharFormat(blue);
    cursor.setPosition(0);
    Text1->setTextCursor(cursor);
    if (mainWindow_)
        mainWindow_->activateWindow();
}

void TagDictionaryWindow::Lbltag_DblClick(int index)
{
    const QString caption = label(index)->text();
    ensureLoaded();
    if (ws.tabStrip().SelectedIndex() % 2 != 1)
        return;
    const std::optional<TagPieces> pieces = splitTagCaption(caption);
    if (!pieces)
        return;
    RichEdit* ed = ws.currentEditor();
    const int start = ed->SelStart();
    int length = ed->SelLength();
    // The selection's last line break stays outside the end tag.
    const QString selected = ed->SelText();
    if (selected.endsWith(CrLf))
        length -= 2;
    else if (selected.endsWith(u'\n'))
        length -= 1;
    undo.takeMarkedSnapshot();
    ed->Select(start, length);
    insert.wrapSelectionMarked(pieces->start, pieces->end);
    ed->setFocus();
}

// ---- the explanation box ----

QString TagDictionaryWindow::Text1Text() const
{
    return fromBox(Text1->toPlainText());
}

QString TagDictionaryWindow::Text1SelText() const
{
    return fromBox(Text1->textCursor().selectedText());
}

void TagDictionaryWindow::CopySelText()
{
    const QString selected = Text1SelText();
    if (selected.isEmpty())
        return;
    QApplication::clipboard()->setText(selected);
}

void TagDictionaryWindow::mcopy_Click()
{
    CopySelText();
}

void TagDictionaryWindow::mpaste_Click()
{
    // The selection goes straight into the editor; the clipboard keeps what it holds, and with
    // nothing selected here the editor is left alone.
    const QString selected = Text1SelText();
    if (selected.isEmpty())
        return;
    RichEdit* ed = ws.currentEditor();
    ed->setFocus();
    ed->SetSelText(selected);
}

void TagDictionaryWindow::Text1_Click()
{
    if (Text1SelText() != ColourCodeWord)
        return;
    const std::optional<QColor> chosen = ws.dlg.ShowColor(QColor(0, 0, 0));
    if (!chosen)
        return;
    const QString code = QLatin1Char('#') + rgbHex(picker::colourNumber(*chosen));
    const qsizetype star = Text1->toPlainText().indexOf(u'*');
    if (star < 0)
        return;
    // Only the star changes; the rest of the text keeps its colour.
    QTextCursor cursor(Text1->document());
    cursor.setPosition(int(star));
    cursor.setPosition(int(star) + 1, QTextCursor::KeepAnchor);
    cursor.insertText(code);
}

void TagDictionaryWindow::Text1_MouseDown(int button, int, int x, int y)
{
    if (button == 2)
        Medit->popup(Text1->viewport()->mapToGlobal(QPoint(twips::toPixels(x), twips::toPixels(y))));
}
