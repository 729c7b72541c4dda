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
#include "platform/TextRules.h"
#include "platform/Twips.h"
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
    return static_cast<int>(textrules::roundHalfToEven(std::fabs(value)));
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
    grid_ = new QGroupBox(this);
    controls.add(tag_dictionary::Grid, grid_);

    const QFont font = gothicFont();
    for (int i = 0; i <= LastTagIndex; ++i) {
        auto* l = new QLabel(grid_);
        l->setTextFormat(Qt::PlainText);
        l->setFont(font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setCursor(Qt::PointingHandCursor);
        setBackColour(l, QColor(0, 0, 128));
        setForeColour(l, QColor(255, 255, 255));
        twips::SetGeometry(l, 100, 200, 1800, 300);
        MouseRelay* relay = MouseRelay::watch(l);
        relay->click = [this, i] { showExplanation(i); };
        relay->doubleClick = [this, i] { wrapSelectionInTags(i); };
        tagLabels_.append(l);
        controls.add(tag_dictionary::TagLabel, i, l);
    }

    explanationBox_ = new QPlainTextEdit(grid_);
    explanationBox_->setFont(font);
    explanationBox_->setReadOnly(true);
    explanationBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    explanationBox_->setContextMenuPolicy(Qt::NoContextMenu);
    controls.add(tag_dictionary::ExplanationBox, explanationBox_);
    MouseRelay* relay = MouseRelay::watch(explanationBox_);
    relay->clickAfterDoubleClick = true;
    relay->click = [this] { chooseColourForCode(); };
    relay->mouseDown = [this](int button, int shift, int x, int y) { popUpEditMenu(button, shift, x, y); };

    editMenu_ = new QMenu(QStringLiteral("編集(&E)"), this);
    QAction* copyItem = editMenu_->addAction(QStringLiteral("コピー"));
    QAction* pasteItem = editMenu_->addAction(QStringLiteral("貼り付け(&P)"));
    connect(copyItem, &QAction::triggered, this, [this] { copySelectedExplanation(); });
    connect(pasteItem, &QAction::triggered, this, [this] { pasteSelectedExplanation(); });
    controls.add(tag_dictionary::EditMenu, editMenu_);
    controls.add(tag_dictionary::CopyItem, copyItem);
    controls.add(tag_dictionary::PasteItem, pasteItem);

    connect(&ws.tabStrip(), &TabStrip::Click, this, [this] { followTab(); });
    mainControls.add(tag_dictionary::Window, this);
    procs.define(procedure::ShowTagDictionary, std::function<void()>([this] { showDictionary(); }));
}

TagDictionaryWindow::~TagDictionaryWindow() = default;

QLabel* TagDictionaryWindow::label(int index) const
{
    if (index < 0 || index >= tagLabels_.size())
        throw std::out_of_range("tag label " + std::to_string(index) + " does not exist");
    return tagLabels_.at(index);
}

// ---- loading, showing, unloading ----

void TagDictionaryWindow::ensureLoaded()
{
    if (!loaded_)
        load();
}

void TagDictionaryWindow::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    explanationBox_->setPlainText(toBox(toolwindow_texts::tagDictionaryGreeting()));
    for (QLabel* l : tagLabels_)
        l->clear();
    twips::SetWindowGeometry(this, 5000, 2000, 10000, 8000);
    raise();
    layoutTags();
    readTags();
    if (mainWindow_)
        mainWindow_->activateWindow();
}

void TagDictionaryWindow::showDictionary()
{
    const bool loading = !loaded_;
    ensureLoaded();
    show();
    raise();
    isOpen.set(true);
    // The editor keeps the focus: the user goes on typing while the dictionary is open.
    if (loading && mainWindow_)
        mainWindow_->activateWindow();
}

void TagDictionaryWindow::unload()
{
    isOpen.set(false);
    loaded_ = false;
}

void TagDictionaryWindow::closeEvent(QCloseEvent* event)
{
    unload();
    event->accept();
}

void TagDictionaryWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (loaded_)
        layoutTags();
}

void TagDictionaryWindow::followTab()
{
    if (!isOpen.value())
        return;
    if (ws.previewTabSelected())
        hide();
    else
        show();
}

// ---- layout and reading the dictionary ----

void TagDictionaryWindow::layoutTags()
{
    twips::SetGeometry(grid_, 100, 50, absTwips(twips::WindowWidth(this) - 300.0), absTwips(twips::WindowHeight(this) - 900.0));
    // Five columns 40 apart, as far from the frame's right edge as the first is from its left,
    // so that the last column stays inside the frame.
    const int w = absTwips((twips::Width(grid_) - 2 * 100 - 4 * 40.0) / 5);
    twips::SetWidth(tagLabels_.first(), w);
    const int h = twips::Height(tagLabels_.first());
    for (int i = 0; i <= LastTagIndex; ++i) {
        const int r = i / 5;
        const int c = i % 5;
        twips::SetGeometry(tagLabels_.at(i), c * (w + 40) + 100, r * (h + 20) + 200, w, h);
        tagLabels_.at(i)->show();
    }
    const QLabel* last = tagLabels_.at(LastTagIndex);
    const int below = twips::Top(last) + twips::Height(last);
    twips::SetGeometry(explanationBox_, twips::Left(tagLabels_.first()), below + 50, absTwips(twips::Width(grid_) - 200.0),
                       absTwips(twips::Height(grid_) - below - 100.0));
}

void TagDictionaryWindow::readTags()
{
    for (QLabel* l : tagLabels_)
        l->clear();
    explanations.fill(QString());
    const TextReadResult read = readProgramFile(ws.state.resourcePath(QStringLiteral("tag.txt")));
    if (!read.ok) {
        ws.dlg.MsgBox(TagFileUnreadable);
        return;
    }
    const QList<TagEntry> entries = parseTagDictionary(read.text);
    for (int i = 0; i < entries.size() && i <= LastTagIndex; ++i) {
        tagLabels_.at(i)->setText(entries.at(i).caption);
        explanations[size_t(i)] = entries.at(i).explanation;
    }
}

// ---- the labels ----

void TagDictionaryWindow::showExplanation(int index)
{
    if (index < 0 || index >= int(explanations.size()))
        throw std::out_of_range("no tag explanation " + std::to_string(index));
    ensureLoaded();
    explanationBox_->setPlainText(toBox(explanations[size_t(index)]));
    QTextCursor cursor(explanationBox_->document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 255));
    cursor.mergeCharFormat(blue);
    cursor.setPosition(0);
    explanationBox_->setTextCursor(cursor);
    if (mainWindow_)
        mainWindow_->activateWindow();
}

void TagDictionaryWindow::wrapSelectionInTags(int index)
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

QString TagDictionaryWindow::explanationText() const
{
    return fromBox(explanationBox_->toPlainText());
}

QString TagDictionaryWindow::selectedExplanationText() const
{
    return fromBox(explanationBox_->textCursor().selectedText());
}

void TagDictionaryWindow::copySelectedExplanation()
{
    const QString selected = selectedExplanationText();
    if (selected.isEmpty())
        return;
    QApplication::clipboard()->setText(selected);
}

void TagDictionaryWindow::pasteSelectedExplanation()
{
    // The selection goes straight into the editor; the clipboard keeps what it holds, and with
    // nothing selected here the editor is left alone.
    const QString selected = selectedExplanationText();
    if (selected.isEmpty())
        return;
    RichEdit* ed = ws.currentEditor();
    ed->setFocus();
    ed->SetSelText(selected);
}

void TagDictionaryWindow::chooseColourForCode()
{
    if (selectedExplanationText() != ColourCodeWord)
        return;
    const std::optional<QColor> chosen = ws.dlg.ShowColor(QColor(0, 0, 0));
    if (!chosen)
        return;
    const QString code = QLatin1Char('#') + rgbHex(picker::colourNumber(*chosen));
    const qsizetype star = explanationBox_->toPlainText().indexOf(u'*');
    if (star < 0)
        return;
    // Only the star changes; the rest of the text keeps its colour.
    QTextCursor cursor(explanationBox_->document());
    cursor.setPosition(int(star));
    cursor.setPosition(int(star) + 1, QTextCursor::KeepAnchor);
    cursor.insertText(code);
}

void TagDictionaryWindow::popUpEditMenu(int button, int, int x, int y)
{
    if (button == 2)
        editMenu_->popup(explanationBox_->viewport()->mapToGlobal(QPoint(twips::toPixels(x), twips::toPixels(y))));
}
