#include "toolwindows/ColourPickerWindow.h"

#include "editor/ColourLookup.h"
#include "editor/HelpViewer.h"
#include "platform/Twips.h"
#include "platform/TextRules.h"
#include "toolwindows/ColourPickerControls.h"
#include "toolwindows/MouseRelay.h"
#include "toolwindows/ScreenPlacement.h"
#include "toolwindows/ToolWindowTexts.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace {

template <typename T>
T* placeAt(T* control, int left, int top, int width, int height)
{
    twips::SetGeometry(control, left, top, width, height);
    return control;
}

} // namespace

ColourPickerWindow::ColourPickerWindow(Workspace& workspace, ColourLookup& colourLookup, HelpViewer& help,
                                       ControlRegistry& mainControls, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool)
    , ws(workspace)
    , colourLookup_(colourLookup)
    , help_(help)
    , mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("カラーペルモア"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    explanationItem_ = menuBar_->addAction(QStringLiteral("説明"));
    connect(explanationItem_, &QAction::triggered, this, [this] { showExplanation(); });
    layout->setMenuBar(menuBar_);
    client_ = new QWidget(this);
    layout->addWidget(client_, 1);

    buildNamesFrame();
    buildBasicFrame();
    buildExtendedFrame();
    buildBottomBar();
    buildExplanationFrame();

    mainControls.add(colour_picker::Window, this);
}

ColourPickerWindow::~ColourPickerWindow() = default;

// ---- building ----

void ColourPickerWindow::buildBottomBar()
{
    bottomBar_ = placeAt(new QGroupBox(client_), 0, 4290, 6045, 960);
    controls.add(colour_picker::BottomBar, bottomBar_);

    valueLabel_ = placeAt(new QLabel(QStringLiteral("数値"), bottomBar_), 90, 135, 405, 300);
    controls.add(colour_picker::ValueLabel, valueLabel_);
    valueBox_ = placeAt(new QLineEdit(bottomBar_), 495, 135, 1005, 330);
    controls.add(colour_picker::ValueBox, valueBox_);

    mixingPalette_ = placeAt(new QFrame(bottomBar_), 1530, 135, 2220, 420);
    mixingPalette_->setFrameShape(QFrame::Panel);
    mixingPalette_->setFrameShadow(QFrame::Sunken);
    mixingPalette_->setAcceptDrops(true);
    mixingPalette_->installEventFilter(this);
    controls.add(colour_picker::MixingPalette, mixingPalette_);
    clearMixButton_ = placeAt(new QPushButton(QStringLiteral("CL"), mixingPalette_), 45, 45, 375, 285);
    clearMixButton_->setAutoDefault(false);
    connect(clearMixButton_, &QPushButton::clicked, this, [this] { clearMixingPalette(); });
    controls.add(colour_picker::ClearMixButton, clearMixButton_);
    mixedColour_ = placeAt(new QFrame(mixingPalette_), 450, 45, 735, 285);
    mixedColour_->setFrameShape(QFrame::Box);
    setBackColour(mixedColour_, QColor(255, 255, 255));
    controls.add(colour_picker::MixedColour, mixedColour_);
    mixingPaletteLabel_ = placeAt(new QLabel(QStringLiteral("混合パレット"), mixingPalette_), 1260, 90, 945, 255);
    setFontPoints(mixingPaletteLabel_, 8);
    controls.add(colour_picker::MixingPaletteLabel, mixingPaletteLabel_);

    nameLabel_ = placeAt(new QLabel(QStringLiteral("名前"), bottomBar_), 1575, 225, 360, 255);
    controls.add(colour_picker::NameLabel, nameLabel_);
    nameBox_ = placeAt(new QLineEdit(bottomBar_), 1935, 135, 1815, 375);
    controls.add(colour_picker::NameBox, nameBox_);
    insertByName_ = placeAt(new QCheckBox(QStringLiteral("名前で挿入する"), bottomBar_), 4140, 180, 1860, 300);
    controls.add(colour_picker::InsertByName, insertByName_);

    modes_ = new QButtonGroup(this);
    basicMode_ = placeAt(new QRadioButton(QStringLiteral("基本色と合成"), bottomBar_), 90, 540, 1425, 270);
    namesMode_ = placeAt(new QRadioButton(QStringLiteral("色の名前"), bottomBar_), 1530, 540, 1065, 270);
    extendedMode_ = placeAt(new QRadioButton(QStringLiteral("拡張表示"), bottomBar_), 2610, 540, 1200, 270);
    for (QRadioButton* option : {basicMode_, namesMode_, extendedMode_})
        modes_->addButton(option);
    basicMode_->setChecked(true);
    controls.add(colour_picker::NamesMode, namesMode_);
    controls.add(colour_picker::BasicMode, basicMode_);
    controls.add(colour_picker::ExtendedMode, extendedMode_);
    connect(namesMode_, &QRadioButton::toggled, this, [this](bool on) { if (on) chooseNamesMode(); });
    connect(basicMode_, &QRadioButton::toggled, this, [this](bool on) { if (on) chooseBasicMode(); });
    connect(extendedMode_, &QRadioButton::toggled, this, [this](bool on) { if (on) chooseExtendedMode(); });

    auto button = [this](ControlId id, const QString& caption, int left, int width, void (ColourPickerWindow::*handler)()) {
        auto* b = placeAt(new QPushButton(caption, bottomBar_), left, 510, width, 300);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        controls.add(id, b);
        return b;
    };
    insertButton_ = button(colour_picker::InsertButton, QStringLiteral("挿入"), 3840, 690, &ColourPickerWindow::insertChosenColour);
    helpButton_ = button(colour_picker::HelpButton, QStringLiteral("説明"), 4560, 630, &ColourPickerWindow::showHelpPage);
    closeButton_ = button(colour_picker::CloseButton, QStringLiteral("閉じる"), 5220, 735, &ColourPickerWindow::closeWindow);
}

void ColourPickerWindow::buildExplanationFrame()
{
    explanationFrame_ = new QGroupBox(QStringLiteral("説明"), client_);
    explanationFrame_->setAutoFillBackground(true);
    explanationFrame_->hide();
    controls.add(colour_picker::ExplanationFrame, explanationFrame_);
    explanationText_ = placeAt(new QLabel(explanationFrame_), 90, 240, 5820, 3930);
    explanationText_->setWordWrap(true);
    explanationText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanationText_->setTextFormat(Qt::PlainText);
    controls.add(colour_picker::ExplanationText, explanationText_);
    explanationCloseButton_ = placeAt(new QPushButton(QStringLiteral("閉じる"), explanationFrame_), 5040, 4275, 825, 285);
    explanationCloseButton_->setAutoDefault(false);
    connect(explanationCloseButton_, &QPushButton::clicked, this, [this] { hideExplanation(); });
    controls.add(colour_picker::ExplanationCloseButton, explanationCloseButton_);
}

QLineEdit* ColourPickerWindow::addSwatch(QWidget* frame, QList<QLineEdit*>& array, ControlArrayId id, const SwatchEvents& events)
{
    const int index = int(array.size());
    auto* swatch = new QLineEdit(frame);
    swatch->setReadOnly(true);
    swatch->setFrame(false);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->setContextMenuPolicy(Qt::NoContextMenu);
    controls.add(id, index, swatch);
    array.append(swatch);
    MouseRelay* relay = MouseRelay::watch(swatch);
    if (events.click)
        relay->click = [this, index, h = events.click] { (this->*h)(index); };
    if (events.doubleClick)
        relay->doubleClick = [this, index, h = events.doubleClick] { (this->*h)(index); };
    if (events.mouseDown)
        relay->mouseDown = [this, index, h = events.mouseDown](int, int, int, int) { (this->*h)(index); };
    if (events.drags)
        relay->dragStart = [this, index] { startSwatchDrag(index); };
    if (index > 0)
        swatch->show();
    return swatch;
}

void ColourPickerWindow::placeBarBelow(QWidget* frame, int height, int width)
{
    twips::SetGeometry(bottomBar_, twips::Left(frame), twips::Top(frame) + twips::Height(frame), width,
                       height < 0 ? twips::Height(bottomBar_) : height);
}

void ColourPickerWindow::setWindowSize(int width, int height)
{
    // A mode that makes the window wider or taller than the room left of it on the screen moves
    // it back onto the screen.
    const QPoint place = screen_placement::keptOnScreen(this, twips::WindowLeft(this), twips::WindowTop(this), width, height);
    twips::SetWindowGeometry(this, place.x(), place.y(), width, height);
}

void ColourPickerWindow::showOnly(const QList<QWidget*>& hide, const QList<QWidget*>& show)
{
    for (QWidget* w : hide)
        w->hide();
    for (QWidget* w : show)
        w->show();
}

// ---- showing and loading ----

void ColourPickerWindow::ensureLoaded()
{
    if (!loaded_)
        loadPicker();
}

void ColourPickerWindow::loadPicker()
{
    if (loaded_)
        return;
    loaded_ = true;
    twips::SetWindowGeometry(this, 3000, 2000, 9750, 10000);
    {
        const QSignalBlocker block(basicMode_);
        basicMode_->setChecked(true);
    }
    chooseBasicMode();
}

void ColourPickerWindow::pickColour(ColourRequest request)
{
    ensureLoaded();
    show();
    raise();
    request_ = std::move(request);
}

void ColourPickerWindow::showPicker()
{
    ensureLoaded();
    show();
    raise();
    activateWindow();
}

void ColourPickerWindow::focusMainWindow()
{
    if (mainWindow_)
        mainWindow_->activateWindow();
}

void ColourPickerWindow::raiseIfShown()
{
    if (isVisible())
        raise();
}

// ---- mode buttons ----

namespace {

// The mode's own button shows as chosen also when its handler is called directly.
void choose(QRadioButton* option)
{
    const QSignalBlocker block(option);
    option->setChecked(true);
}

} // namespace

void ColourPickerWindow::chooseNamesMode()
{
    ensureLoaded();
    choose(namesMode_);
    showOnly({extendedFrame_, basicFrame_, clearMixButton_, mixingPalette_}, {namesFrame_, insertByName_, nameLabel_, nameBox_});
    loadColourNames();
}

void ColourPickerWindow::chooseBasicMode()
{
    ensureLoaded();
    choose(basicMode_);
    showOnly({namesFrame_, extendedFrame_, clearMixButton_, mixingPalette_}, {basicFrame_, insertByName_, nameLabel_, nameBox_});
    twips::SetGeometry(basicFrame_, 0, 0, 6000, 4290);
    placeBarBelow(basicFrame_, -1, twips::Width(basicFrame_));
    setWindowSize(twips::Width(basicFrame_) + 200, twips::Height(bottomBar_) + twips::Height(basicFrame_) + 800);
    showBasicColours();
}

void ColourPickerWindow::chooseExtendedMode()
{
    ensureLoaded();
    choose(extendedMode_);
    showOnly({namesFrame_, basicFrame_, insertByName_, nameLabel_, nameBox_}, {extendedFrame_, clearMixButton_, mixingPalette_});
    showExtendedPalette();
    nameBox_->clear();
    valueBox_->setText(QStringLiteral("#000000"));
}

// ---- delivery ----

void ColourPickerWindow::insertChosenColour()
{
    ensureLoaded();
    PickedColour colour{QString(), valueBox_->text(), nameBox_->text()};
    if (!insertByName_->isHidden() && insertByName_->isChecked() && !textrules::trimBlanks(nameBox_->text()).isEmpty())
        colour.chosen = nameBox_->text();
    else if (!textrules::trimBlanks(valueBox_->text()).isEmpty())
        colour.chosen = valueBox_->text();
    else
        return;

    // The request is done with before its delivery runs, which may ask for the next colour.
    const std::optional<ColourRequest> request = std::exchange(request_, std::nullopt);
    if (request)
        request->deliver(colour);
    else
        colourLookup_.applyPickedColour(colour.chosen);
    const ColourRequest::LessonWindow lesson = request ? request->lessonWindow : ColourRequest::LessonWindow::Stays;
    if (lesson == ColourRequest::LessonWindow::ToFrontBeforeHiding)
        Q_EMIT lessonWindowToFront();
    focusMainWindow();
    basicMode_->setChecked(true);
    hide();
    if (lesson == ColourRequest::LessonWindow::ToFrontAfterHiding)
        Q_EMIT lessonWindowToFront();
}

// ---- buttons and menu ----

void ColourPickerWindow::closeWindow()
{
    ensureLoaded();
    basicMode_->setChecked(true);
    hide();
}

void ColourPickerWindow::showHelpPage()
{
    help_.showHelpPage(HelpPage::ColourPicker);
    if (mainWindow_) {
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
}

void ColourPickerWindow::showExplanation()
{
    ensureLoaded();
    twips::SetGeometry(explanationFrame_, 0, 0, 5955, 4695);
    explanationFrame_->show();
    explanationFrame_->raise();
    explanationText_->setText(toolwindow_texts::colourPickerExplanation());
}

void ColourPickerWindow::hideExplanation()
{
    explanationFrame_->hide();
}

// ---- dropping on the mixing palette ----

bool ColourPickerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mixingPalette_)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* e = static_cast<QDropEvent*>(event);
        if (extendedSwatches_.contains(qobject_cast<QLineEdit*>(e->source()))) {
            e->acceptProposedAction();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(event);
        auto* source = qobject_cast<QLineEdit*>(e->source());
        if (!extendedSwatches_.contains(source))
            return false;
        e->acceptProposedAction();
        dropOnMixingPalette(source);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
