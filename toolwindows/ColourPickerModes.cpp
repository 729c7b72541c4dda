// The three modes of the colour picker: what each frame shows and what its swatches do.

#include "toolwindows/ColourPickerWindow.h"

#include "platform/Dialogs.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "platform/TextRules.h"
#include "toolwindows/ColourPalette.h"
#include "toolwindows/ColourPickerControls.h"
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
    namesFrame_ = new QGroupBox(QStringLiteral("名前表示"), client_);
    namesFrame_->hide();
    controls.add(colour_picker::NamesFrame, namesFrame_);
    addSwatch(namesFrame_, nameSwatches_, colour_picker::NameSwatch, nameSwatch());
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

void ColourPickerWindow::loadColourNames()
{
    ensureLoaded();
    QLineEdit* first = nameSwatches_.first();
    // The frame, the bottom bar under it and the window around them.
    const auto layOut = [this](const QSize& frame) {
        twips::SetGeometry(namesFrame_, 0, 0, frame.width(), frame.height());
        namesFrame_->show();
        twips::SetGeometry(bottomBar_, twips::Left(namesFrame_), twips::Top(namesFrame_) + twips::Height(namesFrame_), twips::Width(namesFrame_), 825);
        setWindowSize(twips::Width(namesFrame_) + 200, twips::Height(bottomBar_) + twips::Height(namesFrame_) + 800);
    };
    const int shownColumn = nameColumnWidth(first, colourNames_, longNamePoints_);
    twips::SetGeometry(first, 0, 0, shownColumn, 350);
    layOut(nameFrameSize(shownColumn, colourNames_.isEmpty() ? 350 : 353, int(colourNames_.size())));
    if (nameSwatches_.size() != 1)
        return;

    const std::optional<QString> text = readResource(ws, QStringLiteral("color.txt"));
    if (!text) {
        ws.dlg.message(ColourNamesUnreadable);
        return;
    }
    const ColourNamesReadResult read = parseColourNames(*text);
    first->setText(read.heading);
    colourNames_ = read.records;
    // The names longer than ten characters in 8 points, or smaller, down to 6, while the window
    // that holds them whole would be wider than the screen.
    const int count = int(colourNames_.size());
    longNamePoints_ = 8;
    while (longNamePoints_ > 6
           && !namesFitScreen(this, nameFrameSize(nameColumnWidth(first, colourNames_, longNamePoints_), 353, count).width()))
        --longNamePoints_;
    const int column = nameColumnWidth(first, colourNames_, longNamePoints_);
    // The first swatch grows first, so the rows step by its new size; every swatch is as large
    // as that step, so that none covers its neighbour.
    if (!colourNames_.isEmpty())
        twips::SetGeometry(first, 0, 0, column + 4, 353);
    const int w = twips::Width(first);
    const int h = twips::Height(first);
    for (int i = 0; i < colourNames_.size(); ++i) {
        QLineEdit* swatch = i == 0 ? first : addSwatch(namesFrame_, nameSwatches_, colour_picker::NameSwatch, nameSwatch());
        const ColourNameRecord& record = colourNames_.at(i);
        swatch->setText(record.name);
        setBackColour(swatch, picker::codeColour(record.hex));
        if (i > 0)
            twips::SetGeometry(swatch, w * (i % 10) + twips::Left(first), h * (i / 10) + twips::Top(first), w, h);
        setFontPoints(swatch, namePointSize(record.name, longNamePoints_));
        swatch->setCursorPosition(0);
    }
    layOut(nameFrameSize(column, h, count));
    if (!read.ok)
        ws.dlg.message(ColourNamesUnreadable);
}

void ColourPickerWindow::chooseNamedColour(int index)
{
    ensureLoaded();
    if (index < 0 || index >= colourNames_.size() || index >= nameSwatches_.size())
        return;
    const ColourNameRecord& record = colourNames_.at(index);
    nameBox_->setText(record.name);
    setBackColour(nameBox_, backColour(nameSwatches_.at(index)));
    valueBox_->setText(colourValueText(record));
}

void ColourPickerWindow::insertNamedColour(int)
{
    insertChosenColour();
}

// ---- basic colours and sliders ----

void ColourPickerWindow::buildBasicFrame()
{
    basicFrame_ = new QGroupBox(client_);
    twips::SetGeometry(basicFrame_, 0, 0, 6000, 4290);
    basicFrame_->hide();
    controls.add(colour_picker::BasicFrame, basicFrame_);
    twips::SetGeometry(addSwatch(basicFrame_, basicSwatches_, colour_picker::BasicSwatch, basicSwatch()), 90, 200, 1725, 250);

    basicExplanation_ = new QLabel(basicFrame_);
    twips::SetGeometry(basicExplanation_, 2070, 1620, 3705, 2625);
    basicExplanation_->setWordWrap(true);
    basicExplanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    basicExplanation_->setTextFormat(Qt::PlainText);
    setFontPoints(basicExplanation_, 8);
    controls.add(colour_picker::BasicExplanation, basicExplanation_);

    sliderFrame_ = new QGroupBox(basicFrame_);
    twips::SetGeometry(sliderFrame_, 2070, 150, 3705, 1410);
    controls.add(colour_picker::SliderFrame, sliderFrame_);
    static const char* const channelNames[3] = {"Red", "Green", "Blue"};
    const QColor channelColours[3] = {QColor(255, 0, 0), QColor(0, 192, 0), QColor(0, 0, 192)};
    for (int i = 0; i < 3; ++i) {
        const int top = 135 + 270 * i;
        channelLabels_[i] = new QLabel(QString::fromLatin1(channelNames[i]), sliderFrame_);
        twips::SetGeometry(channelLabels_[i], 45, top, 660, 240);
        setForeColour(channelLabels_[i], channelColours[i]);
        controls.add(colour_picker::ChannelLabel, i, channelLabels_[i]);
        // A box painted in its channel, like the swatches, and as wide as " 255" needs; its
        // slider starts where it ends and keeps its right edge.
        auto* channel = new QLineEdit(QStringLiteral("0"), sliderFrame_);
        channelBoxes_[i] = channel;
        channel->setFrame(false);
        const int boxWidth = std::max(780, twips::fromPixels(lineEditWidthFor(channel, QStringLiteral(" 255"), channel->font())));
        twips::SetGeometry(channel, 720, top, boxWidth, 240);
        sliders_[i] = new QScrollBar(Qt::Horizontal, sliderFrame_);
        twips::SetGeometry(sliders_[i], 720 + boxWidth + 15, top, 1485 + 2130 - (720 + boxWidth + 15), 240);
        sliders_[i]->setRange(0, 255);
        controls.add(colour_picker::ChannelSlider, i, sliders_[i]);
        connect(sliders_[i], &QScrollBar::valueChanged, this, [this, i] { composeFromSliders(i); });
    }
    channelLabels_[3] = new QLabel(QStringLiteral("合成色"), sliderFrame_);
    twips::SetGeometry(channelLabels_[3], 45, 990, 1050, 240);
    controls.add(colour_picker::ComposedLabel, channelLabels_[3]);
    auto* composed = new QLineEdit(sliderFrame_);
    channelBoxes_[3] = composed;
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
        channelBoxes_[i]->setReadOnly(true);
        channelBoxes_[i]->setContextMenuPolicy(Qt::NoContextMenu);
        controls.add(colour_picker::ChannelBox, i, channelBoxes_[i]);
        connect(channelBoxes_[i], &QLineEdit::textChanged, this, [this] { takeComposedValue(); });
        MouseRelay::watch(channelBoxes_[i])->doubleClick = [this] { insertComposedColour(); };
    }
    systemColourButton_ = new QPushButton(QStringLiteral("Windows指定"), sliderFrame_);
    const int commandLeft = std::max(2250, 1125 + resultWidth + 60);
    twips::SetGeometry(systemColourButton_, commandLeft, 945, 2250 + 1380 - commandLeft, 375);
    systemColourButton_->setAutoDefault(false);
    connect(systemColourButton_, &QPushButton::clicked, this, [this] { chooseSystemColour(); });
    controls.add(colour_picker::SystemColourButton, systemColourButton_);
}

void ColourPickerWindow::showBasicColours()
{
    ensureLoaded();
    if (basicSwatches_.size() != 1)
        return;
    basicExplanation_->setText(toolwindow_texts::basicColoursExplanation());
    QLineEdit* first = basicSwatches_.first();
    twips::SetTop(first, 200);
    twips::SetHeight(first, 250);
    const auto& table = picker::basicColours();
    for (int i = 0; i < int(table.size()); ++i) {
        QLineEdit* swatch = first;
        if (i > 0) {
            swatch = addSwatch(basicFrame_, basicSwatches_, colour_picker::BasicSwatch, basicSwatch());
            twips::SetGeometry(swatch, twips::Left(first), twips::Height(first) * i + twips::Top(first), twips::Width(first),
                               twips::Height(first));
        }
        swatch->setText(table[size_t(i)].code + QLatin1Char(' ') + table[size_t(i)].name);
        setBackColour(swatch, picker::codeColour(table[size_t(i)].code));
    }
}

void ColourPickerWindow::chooseBasicColour(int index)
{
    ensureLoaded();
    const auto& table = picker::basicColours();
    if (index < 0 || index >= int(table.size()) || index >= basicSwatches_.size())
        return;
    valueBox_->setText(QLatin1Char('#') + table[size_t(index)].code);
    nameBox_->setText(table[size_t(index)].name);
    setBackColour(nameBox_, backColour(basicSwatches_.at(index)));
}

void ColourPickerWindow::insertBasicColour(int index)
{
    chooseBasicColour(index);
    insertChosenColour();
}

void ColourPickerWindow::composeFromSliders(int index)
{
    const int r = sliders_[0]->value();
    const int g = sliders_[1]->value();
    const int b = sliders_[2]->value();
    channelBoxes_[index]->setText(textrules::numberWithSignSpace(sliders_[index]->value()));
    setBackColour(channelBoxes_[0], QColor(r, 0, 0));
    setBackColour(channelBoxes_[1], QColor(0, g, 0));
    setBackColour(channelBoxes_[2], QColor(0, 0, b));
    setBackColour(channelBoxes_[3], QColor(r, g, b));
    setForeColour(channelLabels_[3], QColor(r, g, b));
    channelBoxes_[3]->setText(picker::hexTriple(r, g, b));
    // A composed colour has no name.
    nameBox_->clear();
    setBackColour(nameBox_, QColor(255, 255, 255));
}

void ColourPickerWindow::takeComposedValue()
{
    valueBox_->setText(channelBoxes_[3]->text());
}

void ColourPickerWindow::insertComposedColour()
{
    insertChosenColour();
}

void ColourPickerWindow::chooseSystemColour()
{
    ensureLoaded();
    const QColor current(sliders_[0]->value(), sliders_[1]->value(), sliders_[2]->value());
    const std::optional<QColor> chosen = ws.dlg.getColour(current);
    if (!chosen)
        return;
    const QString code = rgbHex(picker::colourNumber(*chosen));
    const QColor colour = picker::codeColour(code);
    setBackColour(channelBoxes_[3], colour);
    sliders_[0]->setValue(colour.red());
    sliders_[1]->setValue(colour.green());
    sliders_[2]->setValue(colour.blue());
}

// ---- extended palette and the mixing palette ----

void ColourPickerWindow::buildExtendedFrame()
{
    extendedFrame_ = new QGroupBox(client_);
    extendedFrame_->hide();
    controls.add(colour_picker::ExtendedFrame, extendedFrame_);
    addSwatch(extendedFrame_, extendedSwatches_, colour_picker::ExtendedSwatch, extendedSwatch());
}

void ColourPickerWindow::showExtendedPalette()
{
    ensureLoaded();
    QLineEdit* first = extendedSwatches_.first();
    twips::SetGeometry(first, 50, 100, 800, 200);
    const int w = twips::Width(first);
    const int h = twips::Height(first);
    twips::SetGeometry(extendedFrame_, 100, 0, 14 * w - w / 2 - 300, 37 * h + 100);
    extendedFrame_->show();
    twips::SetGeometry(bottomBar_, twips::Left(extendedFrame_), twips::Top(extendedFrame_) + twips::Height(extendedFrame_), twips::Width(extendedFrame_) - 1000, 825);
    setWindowSize(twips::Width(extendedFrame_) + 200, twips::Height(bottomBar_) + twips::Height(extendedFrame_) + 900);
    if (extendedSwatches_.size() != 1)
        return;

    const std::optional<QString> text = readResource(ws, QStringLiteral("color2.txt"));
    const PaletteReadResult read = text ? parseColourPalette(*text) : PaletteReadResult{};
    auto next = [&](int k, int left, int top, const QString& value, const QColor& colour) {
        QLineEdit* swatch = k == 0 ? first : addSwatch(extendedFrame_, extendedSwatches_, colour_picker::ExtendedSwatch, extendedSwatch());
        twips::SetGeometry(swatch, left, top, w, h);
        swatch->setText(value);
        setBackColour(swatch, colour);
        setFontPoints(swatch, 7);
    };
    int k = 0;
    for (const QString& code : read.codes) {
        next(k, (k % PaletteRowLength) * w + twips::Left(first), (k / PaletteRowLength) * h + twips::Top(first),
             QLatin1Char('#') + code, picker::codeColour(code));
        ++k;
    }
    if (!read.ok) {
        // The rows read so far stay; the graded columns are not made.
        ws.dlg.message(PaletteFileUnreadable);
        return;
    }
    for (int column = picker::FirstGradedColumn; column <= picker::LastGradedColumn; ++column) {
        for (int step = 0; step < picker::GradedSteps; ++step) {
            const QColor colour = picker::gradedColour(column, step);
            next(k++, column * w + twips::Left(first), twips::Top(first) + step * h, picker::hexTriple(colour), colour);
        }
    }
}

void ColourPickerWindow::chooseExtendedColour(int index)
{
    ensureLoaded();
    if (index >= 0 && index < extendedSwatches_.size())
        valueBox_->setText(extendedSwatches_.at(index)->text());
}

void ColourPickerWindow::startSwatchDrag(int index)
{
    QLineEdit* swatch = extendedSwatches_.at(index);
    auto* drag = new QDrag(swatch);
    auto* data = new QMimeData;
    data->setText(swatch->text());
    drag->setMimeData(data);
    drag->setPixmap(swatch->grab());
    drag->exec(Qt::CopyAction);
}

void ColourPickerWindow::dropOnMixingPalette(QLineEdit* source)
{
    if (!source)
        return;
    const picker::MixDrop drop = picker::dropOnMix(mix_, source->text());
    mix_ = drop.mix;
    setBackColour(mixedColour_, drop.fill);
    if (drop.value)
        valueBox_->setText(*drop.value);
}

void ColourPickerWindow::clearMixingPalette()
{
    mix_ = picker::Mix{};
    setBackColour(mixedColour_, QColor(255, 255, 255));
}
