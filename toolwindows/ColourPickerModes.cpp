// The three modes of the colour picker: what each frame shows and what its swatches do.

#include "toolwindows/ColourPickerWindow.h"

#include "platform/Dialogs.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "toolwindows/ColourPalette.h"
#include "toolwindows/MouseRelay.h"
#include "toolwindows/TextRoom.h"
#include "toolwindows/ToolWindowTexts.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QDrag>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace {

// The text of a data file of resource/, or nothing when it cannot be read.
std::optional<QString> readResource(const Workspace& ws, const QString& name)
{
    const TextReadResult read = readProgramFile(ws.state.resourcePath(name));
    if (!read.ok)
        return std::nullopt;
    return read.text;
}

} // namespace

// ---- colour names ----

void ColourPickerWindow::buildNamesFrame()
{
    Frame1 = new QGroupBox(QStringLiteral("名前表示"), client_);
    Frame1->hide();
    controls.add(QStringLiteral("Frame1"), Frame1);
    addSwatch(Frame1, Text1, QStringLiteral("Text1"), nameSwatch());
}

namespace {

// The names of ten characters or fewer in 9 points, longer ones in `longPoints`.
int namePointSize(const QString& name, int longPoints)
{
    return name.size() > 10 ? longPoints : 9;
}

// The names mode's column in twips: 900, or what the widest name needs in its size; the first
// swatch grows by 4 twips once it is filled, and every swatch is that large.
int nameColumnWidth(const QLineEdit* swatch, const QList<ColourNameRecord>& records, int longPoints)
{
    int widest = 0;
    for (const ColourNameRecord& record : records) {
        QFont font = swatch->font();
        font.setPointSize(namePointSize(record.name, longPoints));
        widest = std::max(widest, lineEditWidthFor(swatch, record.name, font));
    }
    return std::max(900, twips::fromPixels(widest) + 15 - 4);
}

// The names frame: eleven columns less a half less 500, or what holds the ten columns of
// swatches; fourteen rows, or what holds the rows as they step by the grown first swatch.
QSize nameFrameSize(int column, int rowHeight, int count)
{
    const int step = column + 4;
    const int rows = std::max(1, (count + 9) / 10);
    // In pixels as the swatches are placed, with a pixel to spare.
    const int right = twips::toPixels(9 * step) + twips::toPixels(step) + 2;
    const int bottom = twips::toPixels((rows - 1) * rowHeight) + twips::toPixels(rowHeight) + 1;
    return QSize(std::max({11 * column - column / 2 - 500, 10 * step + 50, twips::fromPixels(right)}),
                 std::max(14 * 350, twips::fromPixels(bottom)));
}

// The names mode's window with that frame fits the screen's width.
bool namesFitScreen(const QWidget* window, int frameWidth)
{
    const QScreen* s = window->screen();
    if (!s)
        return true;
    const int frame = window->frameGeometry().width() - window->width();
    return twips::toPixels(frameWidth + 200) + frame <= s->availableGeometry().width();
}

} // namespace

void ColourPickerWindow::LoadColorNames()
{
    ensureLoaded();
    QLineEdit* first = Text1.first();
    // The frame, the bottom bar under it and the window around them.
    const auto layOut = [this](const QSize& frame) {
        twips::SetGeometry(Frame1, 0, 0, frame.width(), frame.height());
        Frame1->show();
        twips::SetGeometry(Frame4, twips::Left(Frame1), twips::Top(Frame1) + twips::Height(Frame1), twips::Width(Frame1), 825);
        setWindowSize(twips::Width(Frame1) + 200, twips::Height(Frame4) + twips::Height(Frame1) + 800);
    };
    const int shownColumn = nameColumnWidth(first, List1, longNamePoints_);
    twips::SetGeometry(first, 0, 0, shownColumn, 350);
    layOut(nameFrameSize(shownColumn, List1.isEmpty() ? 350 : 353, int(List1.size())));
    if (Text1.size() != 1)
        return;

    const std::optional<QString> text = readResource(ws, QStringLiteral("color.txt"));
    if (!text) {
        ws.dlg.MsgBox(ColourNamesUnreadable);
        return;
    }
    const ColourNamesReadResult read = parseColourNames(*text);
    first->setText(read.heading);
    List1 = read.records;
    // The names longer than ten characters in 8 points, or smaller, down to 6, while the window
    // that holds them whole would be wider than the screen.
    const int count = int(List1.size());
    longNamePoints_ = 8;
    while (longNamePoints_ > 6
           && !namesFitScreen(this, nameFrameSize(nameColumnWidth(first, List1, longNamePoints_), 353, count).width()))
        --longNamePoints_;
    const int column = nameColumnWidth(first, List1, longNamePoints_);
    // The first swatch grows first, so the rows step by its new size; every swatch is as large
    // as that step, so that none covers its neighbour.
    if (!List1.isEmpty())
        twips::SetGeometry(first, 0, 0, column + 4, 353);
    const int w = twips::Width(first);
    const int h = twips::Height(first);
    for (int i = 0; i < List1.size(); ++i) {
        QLineEdit* swatch = i == 0 ? first : addSwatch(Frame1, Text1, QStringLiteral("Text1"), nameSwatch());
        const ColourNameRecord& record = List1.at(i);
        swatch->setText(record.name);
        setBackColour(swatch, picker::codeColour(record.hex));
        if (i > 0)
            twips::SetGeometry(swatch, w * (i % 10) + twips::Left(first), h * (i / 10) + twips::Top(first), w, h);
        setPointSize(swatch, namePointSize(record.name, longNamePoints_));
        swatch->setCursorPosition(0);
    }
    layOut(nameFrameSize(column, h, count));
    if (!read.ok)
        ws.dlg.MsgBox(ColourNamesUnreadable);
}

void ColourPickerWindow::Text1_Click(int index)
{
    ensureLoaded();
    if (index < 0 || index >= List1.size() || index >= Text1.size())
        return;
    const ColourNameRecord& record = List1.at(index);
    Text4->setText(record.name);
    setBackColour(Text4, backColour(Text1.at(index)));
    Text3->setText(colourValueText(record));
}

void ColourPickerWindow::Text1_DblClick(int)
{
    InsertC();
}

// ---- basic colours and sliders ----

void ColourPickerWindow::buildBasicFrame()
{
    Frame6 = new QGroupBox(client_);
    twips::SetGeometry(Frame6, 0, 0, 6000, 4290);
    Frame6->hide();
    controls.add(QStringLiteral("Frame6"), Frame6);
    twips::SetGeometry(addSwatch(Frame6, Text6, QStringLiteral("Text6"), basicSwatch()), 90, 200, 1725, 250);

    Label3 = new QLabel(Frame6);
    twips::SetGeometry(Label3, 2070, 1620, 3705, 2625);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setTextFormat(Qt::PlainText);
    setPointSize(Label3, 8);
    controls.add(QStringLiteral("Label3"), Label3);

    Frame7 = new QGroupBox(Frame6);
    twips::SetGeometry(Frame7, 2070, 150, 3705, 1410);
    controls.add(QStringLiteral("Frame7"), Frame7);
    static const char* const channelNames[3] = {"Red", "Green", "Blue"};
    const QColor channelColours[3] = {QColor(255, 0, 0), QColor(0, 192, 0), QColor(0, 0, 192)};
    for (int i = 0; i < 3; ++i) {
        const int top = 135 + 270 * i;
        Label4[i] = new QLabel(QString::fromLatin1(channelNames[i]), Frame7);
        twips::SetGeometry(Label4[i], 45, top, 660, 240);
        setForeColour(Label4[i], channelColours[i]);
        controls.add(QStringLiteral("Label4"), i, Label4[i]);
        // A box painted in its channel, like the swatches, and as wide as " 255" needs; its
        // slider starts where it ends and keeps its right edge.
        auto* channel = new QLineEdit(QStringLiteral("0"), Frame7);
        Text7[i] = channel;
        channel->setFrame(false);
        const int boxWidth = std::max(780, twips::fromPixels(lineEditWidthFor(channel, QStringLiteral(" 255"), channel->font())));
        twips::SetGeometry(channel, 720, top, boxWidth, 240);
        HScroll1[i] = new QScrollBar(Qt::Horizontal, Frame7);
        twips::SetGeometry(HScroll1[i], 720 + boxWidth + 15, top, 1485 + 2130 - (720 + boxWidth + 15), 240);
        HScroll1[i]->setRange(0, 255);
        controls.add(QStringLiteral("HScroll1"), i, HScroll1[i]);
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
    }
    Label4[3] = new QLabel(QStringLiteral("合成色"), Frame7);
    twips::SetGeometry(Label4[3], 45, 990, 1050, 240);
    controls.add(QStringLiteral("Label4"), 3, Label4[3]);
    auto* composed = new QLineEdit(Frame7);
    Text7[3] = composed;
    // Room for "#" and six of the widest hexadecimal digit.
    QChar widestDigit = u'0';
    for (const QChar digit : QStringLiteral("0123456789ABCDEF")) {
        if (composed->fontMetrics().horizontalAdvance(digit) > composed->fontMetrics().horizontalAdvance(widestDigit))
            widestDigit = digit;
    }
    const QString widestValue = QLatin1Char('#') + QString(6, widestDigit);
    const int resultWidth = std::max(960, twips::fromPixels(lineEditWidthFor(composed, widestValue, composed->font())));
    twips::SetGeometry(composed, 1125, 990, resultWidth, 330);
    for (int i = 0; i < 4; ++i) {
        Text7[i]->setReadOnly(true);
        Text7[i]->setContextMenuPolicy(Qt::NoContextMenu);
        controls.add(QStringLiteral("Text7"), i, Text7[i]);
        connect(Text7[i], &QLineEdit::textChanged, this, [this, i] { Text7_Change(i); });
        MouseRelay::watch(Text7[i])->doubleClick = [this, i] { Text7_DblClick(i); };
    }
    Command6 = new QPushButton(QStringLiteral("Windows指定"), Frame7);
    const int commandLeft = std::max(2250, 1125 + resultWidth + 60);
    twips::SetGeometry(Command6, commandLeft, 945, 2250 + 1380 - commandLeft, 375);
    Command6->setAutoDefault(false);
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    controls.add(QStringLiteral("Command6"), Command6);
}

void ColourPickerWindow::ShowBasicColors()
{
    ensureLoaded();
    if (Text6.size() != 1)
        return;
    Label3->setText(toolwindow_texts::basicColoursExplanation());
    QLineEdit* first = Text6.first();
    twips::SetTop(first, 200);
    twips::SetHeight(first, 250);
    const auto& table = picker::basicColours();
    for (int i = 0; i < int(table.size()); ++i) {
        QLineEdit* swatch = first;
        if (i > 0) {
            swatch = addSwatch(Frame6, Text6, QStringLiteral("Text6"), basicSwatch());
            twips::SetGeometry(swatch, twips::Left(first), twips::Height(first) * i + twips::Top(first), twips::Width(first),
                               twips::Height(first));
        }
        swatch->setText(table[size_t(i)].code + QLatin1Char(' ') + table[size_t(i)].name);
        setBackColour(swatch, picker::codeColour(table[size_t(i)].code));
    }
}

void ColourPickerWindow::Text6_Click(int index)
{
    ensureLoaded();
    const auto& table = picker::basicColours();
    if (index < 0 || index >= int(table.size()) || index >= Text6.size())
        return;
    Text3->setText(QLatin1Char('#') + table[size_t(index)].code);
    Text4->setText(table[size_t(index)].name);
    setBackColour(Text4, backColour(Text6.at(index)));
}

void ColourPickerWindow::Text6_DblClick(int index)
{
    Text6_Click(index);
    InsertC();
}

void ColourPickerWindow::HScroll1_Change(int index)
{
    const int r = HScroll1[0]->value();
    const int g = HScroll1[1]->value();
    const int b = HScroll1[2]->value();
    Text7[index]->setText(vb::Str(HScroll1[index]->value()));
    setBackColour(Text7[0], QColor(r, 0, 0));
    setBackColour(Text7[1], QColor(0, g, 0));
    setBackColour(Text7[2], QColor(0, 0, b));
    setBackColour(Text7[3], QColor(r, g, b));
    setForeColour(Label4[3], QColor(r, g, b));
    Text7[3]->setText(picker::hexTriple(r, g, b));
    // A composed colour has no name.
    Text4->clear();
    setBackColour(Text4, QColor(255, 255, 255));
}

void ColourPickerWindow::Text7_Change(int)
{
    Text3->setText(Text7[3]->text());
}

void ColourPickerWindow::Text7_DblClick(int)
{
    InsertC();
}

void ColourPickerWindow::Command6_Click()
{
    ensureLoaded();
    const QColor current(HScroll1[0]->value(), HScroll1[1]->value(), HScroll1[2]->value());
    const std::optional<QColor> chosen = ws.dlg.ShowColor(current);
    if (!chosen)
        return;
    const QString code = rgbHex(picker::colourNumber(*chosen));
    const QColor colour = picker::codeColour(code);
    setBackColour(Text7[3], colour);
    HScroll1[0]->setValue(colour.red());
    HScroll1[1]->setValue(colour.green());
    HScroll1[2]->setValue(colour.blue());
}

// ---- extended palette and the mixing palette ----

void ColourPickerWindow::buildExtendedFrame()
{
    Frame5 = new QGroupBox(client_);
    Frame5->hide();
    controls.add(QStringLiteral("Frame5"), Frame5);
    addSwatch(Frame5, Text5, QStringLiteral("Text5"), extendedSwatch());
}

void ColourPickerWindow::ShowExtendedPalette()
{
    ensureLoaded();
    QLineEdit* first = Text5.first();
    twips::SetGeometry(first, 50, 100, 800, 200);
    const int w = twips::Width(first);
    const int h = twips::Height(first);
    twips::SetGeometry(Frame5, 100, 0, 14 * w - w / 2 - 300, 37 * h + 100);
    Frame5->show();
    twips::SetGeometry(Frame4, twips::Left(Frame5), twips::Top(Frame5) + twips::Height(Frame5), twips::Width(Frame5) - 1000, 825);
    setWindowSize(twips::Width(Frame5) + 200, twips::Height(Frame4) + twips::Height(Frame5) + 900);
    if (Text5.size() != 1)
        return;

    const std::optional<QString> text = readResource(ws, QStringLiteral("color2.txt"));
    const PaletteReadResult read = text ? parseColourPalette(*text) : PaletteReadResult{};
    auto next = [&](int k, int left, int top, const QString& value, const QColor& colour) {
        QLineEdit* swatch = k == 0 ? first : addSwatch(Frame5, Text5, QStringLiteral("Text5"), extendedSwatch());
        twips::SetGeometry(swatch, left, top, w, h);
        swatch->setText(value);
        setBackColour(swatch, colour);
        setPointSize(swatch, 7);
    };
    int k = 0;
    for (const QString& code : read.codes) {
        next(k, (k % PaletteRowLength) * w + twips::Left(first), (k / PaletteRowLength) * h + twips::Top(first),
             QLatin1Char('#') + code, picker::codeColour(code));
        ++k;
    }
    if (!read.ok) {
        // The rows read so far stay; the graded columns are not made.
        ws.dlg.MsgBox(PaletteFileUnreadable);
        return;
    }
    for (int column = picker::FirstGradedColumn; column <= picker::LastGradedColumn; ++column) {
        for (int step = 0; step < picker::GradedSteps; ++step) {
            const QColor colour = picker::gradedColour(column, step);
            next(k++, column * w + twips::Left(first), twips::Top(first) + step * h, picker::hexTriple(colour), colour);
        }
    }
}

void ColourPickerWindow::Text5_Click(int index)
{
    ensureLoaded();
    if (index >= 0 && index < Text5.size())
        Text3->setText(Text5.at(index)->text());
}

void ColourPickerWindow::Text5_MouseDown(int index)
{
    Text5_Click(index);
}

void ColourPickerWindow::startSwatchDrag(int index)
{
    QLineEdit* swatch = Text5.at(index);
    auto* drag = new QDrag(swatch);
    auto* data = new QMimeData;
    data->setText(swatch->text());
    drag->setMimeData(data);
    drag->setPixmap(swatch->grab());
    drag->exec(Qt::CopyAction);
}

void ColourPickerWindow::Picture1_DragDrop(QLineEdit* source)
{
    if (!source)
        return;
    const picker::MixDrop drop = picker::dropOnMix(mix_, source->text());
    mix_ = drop.mix;
    setBackColour(Shape1, drop.fill);
    if (drop.value)
        Text3->setText(*drop.value);
}

void ColourPickerWindow::Command4_Click()
{
    mix_ = picker::Mix{};
    setBackColour(Shape1, QColor(255, 255, 255));
}
