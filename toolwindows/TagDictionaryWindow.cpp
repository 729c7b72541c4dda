#include "toolwindows/TagDictionaryWindow.h"

#include "editor/Insertion.h"
#include "editor/UndoRing.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/SharedConstants.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/TextRules.h"
#include "platform/Twips.h"
#include "toolwindows/BlankWrapLabel.h"
#include "toolwindows/MouseRelay.h"
#include "toolwindows/PickerColours.h"
#include "toolwindows/ScreenPlacement.h"
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
#include <algorithm>
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

// The grid in the window and the labels in the grid (twips).
constexpr int Columns = 5;
constexpr int GridLeft = 100;
constexpr int GridTop = 50;
constexpr int WindowWidthBesideGrid = 300;
constexpr int WindowHeightBesideGrid = 900;
constexpr int LabelsLeft = 100;  // and as far from the grid's right edge
constexpr int FirstRowTop = 200;
constexpr int ColumnGap = 40;
constexpr int RowGap = 20;
// A row of one line is as high as the labels have always been.
constexpr int OneLineRowHeight = 300;
// The room the explanation box keeps below the rows: some lines of an explanation.
constexpr int BoxTopGap = 50;
constexpr int BoxBottomGap = 100;
constexpr int SmallestBoxHeight = 1500;
// The window as it opens, before it grows for its captions.
constexpr int FirstLeft = 5000;
constexpr int FirstTop = 2000;
constexpr int FirstWidth = 10000;
constexpr int FirstHeight = 8000;

int windowWidthForLabels(int labelWidth)
{
    return Columns * labelWidth + (Columns - 1) * ColumnGap + 2 * LabelsLeft + WindowWidthBesideGrid;
}

int windowHeightForRows(int rowsBottom)
{
    return rowsBottom + BoxTopGap + SmallestBoxHeight + BoxBottomGap + WindowHeightBesideGrid;
}

// The narrowest label width, in pixels, that shows every word of every caption whole.
int widestWord(const QList<BlankWrapLabel*>& labels)
{
    int widest = 1;
    for (const BlankWrapLabel* l : labels)
        widest = std::max(widest, l->widestWordWidth());
    return widest;
}

// The narrowest label width, in pixels, in which no caption takes more than `lines` lines (and
// every word is whole).
int narrowestLabelWidth(const QList<BlankWrapLabel*>& labels, qsizetype lines)
{
    int low = widestWord(labels);
    int high = low;
    for (const BlankWrapLabel* l : labels)
        high = std::max(high, l->oneLineWidth());
    const auto fits = [&labels, lines](int width) {
        return std::all_of(labels.cbegin(), labels.cend(), [width, lines](const BlankWrapLabel* l) { return l->lineCount(width) <= lines; });
    };
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (fits(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// A label's back colour, the palette's window colour that it fills its background with; its
// text keeps its colour.
void markLabel(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

} // namespace

TagDictionaryWindow::TagDictionaryWindow(Workspace& workspace, UndoRing& undoRing, Insertion& insertion, ControlRegistry& mainControls,
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
        auto* l = new BlankWrapLabel(grid_);
        l->setTextFormat(Qt::PlainText);
        l->setMargin(2);
        l->setFont(font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setCursor(Qt::PointingHandCursor);
        setBackColour(l, plainLabelColour());
        setForeColour(l, QColor(255, 255, 255));
        twips::SetGeometry(l, LabelsLeft, FirstRowTop, 1800, OneLineRowHeight);
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

    connect(&ws.tabStrip(), &TabStrip::tabClicked, this, [this] { followTab(); });
    mainControls.add(tag_dictionary::Window, this);
}

TagDictionaryWindow::~TagDictionaryWindow() = default;

QColor TagDictionaryWindow::plainLabelColour()
{
    return QColor(0, 0, 128);
}

QColor TagDictionaryWindow::foundLabelColour()
{
    return QColor(255, 128, 0);
}

void TagDictionaryWindow::openForSelection(const QString& selectedText)
{
    if (selectedText.isEmpty())
        showDictionary();
    else
        lookUpTag(selectedText);
    isOpen.set(true);
}

void TagDictionaryWindow::lookUpTag(const QString& name)
{
    // The window is loaded, and stays hidden, while its labels are searched.
    ensureLoaded();
    QStringList captions;
    for (QLabel* l : tagLabels_) {
        markLabel(l, plainLabelColour());
        captions << l->text();
    }
    const int found = findTagCaption(name, captions);
    if (found < 0) {
        ws.dlg.message(toolwindow_texts::TagNotInDictionary);
        return;
    }
    showDictionary();
    showExplanation(found);
    markLabel(label(found), foundLabelColour());
}

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
        loadDictionary();
}

void TagDictionaryWindow::loadDictionary()
{
    if (loaded_)
        return;
    loaded_ = true;
    explanationBox_->setPlainText(toBox(toolwindow_texts::tagDictionaryGreeting()));
    for (QLabel* l : tagLabels_)
        l->clear();
    twips::SetWindowGeometry(this, FirstLeft, FirstTop, FirstWidth, FirstHeight);
    raise();
    layoutTags();
    readTags();
    fitWindowToCaptions();
    layoutTags();
    if (mainWindow_)
        mainWindow_->activateWindow();
}

void TagDictionaryWindow::showDictionary()
{
    const bool loading = !loaded_;
    ensureLoaded();
    show();
    // Shown, the window knows its frame, which may take it past the screen's edge.
    keepOnScreen();
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

int TagDictionaryWindow::labelWidthInGrid(int gridWidth)
{
    // Five columns ColumnGap apart, as far from the frame's right edge as the first is from its
    // left, so that the last column stays inside the frame.
    return absTwips((gridWidth - 2 * LabelsLeft - (Columns - 1) * ColumnGap) / double(Columns));
}

int TagDictionaryWindow::rowHeight(int row, int labelWidth) const
{
    const int pixels = twips::toPixels(labelWidth);
    int height = OneLineRowHeight;
    for (int i = row * Columns; i < (row + 1) * Columns && i <= LastTagIndex; ++i)
        height = std::max(height, twips::fromPixels(tagLabels_.at(i)->heightForWidth(pixels)));
    return height;
}

int TagDictionaryWindow::rowsBottom(int labelWidth) const
{
    int top = FirstRowTop;
    for (int row = 0; row * Columns <= LastTagIndex; ++row)
        top += rowHeight(row, labelWidth) + RowGap;
    return top - RowGap;
}

void TagDictionaryWindow::layoutTags()
{
    twips::SetGeometry(grid_, GridLeft, GridTop, absTwips(twips::WindowWidth(this) - double(WindowWidthBesideGrid)),
                       absTwips(twips::WindowHeight(this) - double(WindowHeightBesideGrid)));
    const int w = labelWidthInGrid(twips::Width(grid_));
    int top = FirstRowTop;
    for (int row = 0; row * Columns <= LastTagIndex; ++row) {
        const int h = rowHeight(row, w);
        for (int c = 0; c < Columns && row * Columns + c <= LastTagIndex; ++c) {
            BlankWrapLabel* l = tagLabels_.at(row * Columns + c);
            twips::SetGeometry(l, c * (w + ColumnGap) + LabelsLeft, top, w, h);
            l->show();
        }
        top += h + RowGap;
    }
    const int below = top - RowGap;
    twips::SetGeometry(explanationBox_, LabelsLeft, below + BoxTopGap, absTwips(twips::Width(grid_) - 2.0 * LabelsLeft),
                       std::max(0, twips::Height(grid_) - below - BoxBottomGap));
}

void TagDictionaryWindow::keepOnScreen()
{
    int width = twips::WindowWidth(this);
    int height = twips::WindowHeight(this);
    const QSize room = screen_placement::availableRoom(this);
    if (!room.isEmpty()) {
        width = std::min(width, room.width());
        height = std::min(height, room.height());
    }
    const QPoint place = screen_placement::keptOnScreen(this, twips::WindowLeft(this), twips::WindowTop(this), width, height);
    if (place != QPoint(twips::WindowLeft(this), twips::WindowTop(this)) || width != twips::WindowWidth(this) ||
        height != twips::WindowHeight(this))
        twips::SetWindowGeometry(this, place.x(), place.y(), width, height);
}

void TagDictionaryWindow::fitWindowToCaptions()
{
    // One pixel to spare, so that a width rounded to twips and back never loses a pixel.
    const auto labelTwips = [](int pixels) { return twips::fromPixels(pixels + 1); };
    const QSize room = screen_placement::availableRoom(this);
    const auto withinRoom = [&room](int value, int roomValue) { return room.isEmpty() ? value : std::min(value, roomValue); };

    const int widestWords = labelTwips(widestWord(tagLabels_));
    const int smallestWidth = withinRoom(windowWidthForLabels(widestWords), room.width());
    const int smallestHeight = withinRoom(windowHeightForRows(rowsBottom(widestWords)), room.height());
    setMinimumSize(twips::toPixels(smallestWidth), twips::toPixels(smallestHeight));

    const int twoLines = labelTwips(narrowestLabelWidth(tagLabels_, 2));
    const int width = withinRoom(std::max(FirstWidth, windowWidthForLabels(twoLines)), room.width());
    const int labelWidth = labelWidthInGrid(width - WindowWidthBesideGrid);
    const int height = withinRoom(std::max(FirstHeight, windowHeightForRows(rowsBottom(labelWidth))), room.height());
    const QPoint place = screen_placement::keptOnScreen(this, twips::WindowLeft(this), twips::WindowTop(this), width, height);
    twips::SetWindowGeometry(this, place.x(), place.y(), width, height);
}

void TagDictionaryWindow::readTags()
{
    for (QLabel* l : tagLabels_)
        l->clear();
    explanations.fill(QString());
    const TextReadResult read = readProgramFile(ws.state.resourcePath(QStringLiteral("tag.txt")));
    if (!read.ok) {
        ws.dlg.message(TagFileUnreadable);
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
    if (ws.tabStrip().currentIndex() % 2 != 1)
        return;
    const std::optional<TagPieces> pieces = splitTagCaption(caption);
    if (!pieces)
        return;
    RichEdit* ed = ws.currentEditor();
    const int start = ed->selectionStart();
    int length = ed->selectionLength();
    // The selection's last line break stays outside the end tag.
    const QString selected = ed->selectedText();
    if (selected.endsWith(CrLf))
        length -= 2;
    else if (selected.endsWith(u'\n'))
        length -= 1;
    undo.takeMarkedSnapshot();
    ed->select(start, length);
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
    ed->replaceSelection(selected);
}

void TagDictionaryWindow::chooseColourForCode()
{
    if (selectedExplanationText() != ColourCodeWord)
        return;
    const std::optional<QColor> chosen = ws.dlg.getColour(QColor(0, 0, 0));
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
