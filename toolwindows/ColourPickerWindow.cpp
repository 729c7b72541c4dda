#include "toolwindows/ColourPickerWindow.h"
#include "wizards/WizardProcedures.h"

#include "platform/Procedures.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "toolwindows/ColourDelivery.h"
#include "toolwindows/MouseRelay.h"
#include "toolwindows/ToolWindowTexts.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Writes a colour into a box of the main window, whatever kind of text box it is.
bool setBoxText(QObject* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        plain->setPlainText(text);
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(box)) {
        combo->setEditText(text);
        return true;
    }
    return false;
}

template <typename T>
T* place(T* control, int left, int top, int width, int height)
{
    twips::SetGeometry(control, left, top, width, height);
    return control;
}

} // namespace

ColourPickerWindow::ColourPickerWindow(Workspace& workspace, ControlRegistry& mainControls, Procedures& procs, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool)
    , ws(workspace)
    , mainControls_(mainControls)
    , procs_(procs)
    , mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("カラーペルモア"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    msetumei = menuBar_->addAction(QStringLiteral("説明"));
    connect(msetumei, &QAction::triggered, this, [this] { msetumei_Click(); });
    layout->setMenuBar(menuBar_);
    client_ = new QWidget(this);
    layout->addWidget(client_, 1);

    buildNamesFrame();
    buildBasicFrame();
    buildExtendedFrame();
    buildBottomBar();
    buildExplanationFrame();

    mainControls_.add(QStringLiteral("ColourPickerWindow"), this);
    procs_.define(procedure::OpenColourPickerFor, std::function<void(int)>([this](int code) { openFor(code); }));
    procs_.define(procedure::ShowColourPicker, std::function<void()>([this] { showWithFocus(); }));
}

ColourPickerWindow::~ColourPickerWindow() = default;

// ---- building ----

void ColourPickerWindow::buildBottomBar()
{
    Frame4 = place(new QGroupBox(client_), 0, 4290, 6045, 960);
    controls.add(QStringLiteral("Frame4"), Frame4);

    Label2[1] = place(new QLabel(QStringLiteral("数値"), Frame4), 90, 135, 405, 300);
    controls.add(QStringLiteral("Label2"), 1, Label2[1]);
    Text3 = place(new QLineEdit(Frame4), 495, 135, 1005, 330);
    controls.add(QStringLiteral("Text3"), Text3);

    Picture1 = place(new QFrame(Frame4), 1530, 135, 2220, 420);
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setAcceptDrops(true);
    Picture1->installEventFilter(this);
    controls.add(QStringLiteral("Picture1"), Picture1);
    Command4 = place(new QPushButton(QStringLiteral("CL"), Picture1), 45, 45, 375, 285);
    Command4->setAutoDefault(false);
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    controls.add(QStringLiteral("Command4"), Command4);
    Shape1 = place(new QFrame(Picture1), 450, 45, 735, 285);
    Shape1->setFrameShape(QFrame::Box);
    setBackColour(Shape1, QColor(255, 255, 255));
    controls.add(QStringLiteral("Shape1"), Shape1);
    Label5 = place(new QLabel(QStringLiteral("混合パレット"), Picture1), 1260, 90, 945, 255);
    setPointSize(Label5, 8);
    controls.add(QStringLiteral("Label5"), Label5);

    Label2[0] = place(new QLabel(QStringLiteral("名前"), Frame4), 1575, 225, 360, 255);
    controls.add(QStringLiteral("Label2"), 0, Label2[0]);
    Text4 = place(new QLineEdit(Frame4), 1935, 135, 1815, 375);
    controls.add(QStringLiteral("Text4"), Text4);
    Check1 = place(new QCheckBox(QStringLiteral("名前で挿入する"), Frame4), 4140, 180, 1860, 300);
    controls.add(QStringLiteral("Check1"), Check1);

    modes_ = new QButtonGroup(this);
    Option2 = place(new QRadioButton(QStringLiteral("基本色と合成"), Frame4), 90, 540, 1425, 270);
    Option1 = place(new QRadioButton(QStringLiteral("色の名前"), Frame4), 1530, 540, 1065, 270);
    Option3 = place(new QRadioButton(QStringLiteral("拡張表示"), Frame4), 2610, 540, 1200, 270);
    for (QRadioButton* option : {Option2, Option1, Option3})
        modes_->addButton(option);
    Option2->setChecked(true);
    controls.add(QStringLiteral("Option1"), Option1);
    controls.add(QStringLiteral("Option2"), Option2);
    controls.add(QStringLiteral("Option3"), Option3);
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) Option2_Click(); });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) { if (on) Option3_Click(); });

    auto button = [this](const QString& name, const QString& caption, int left, int width, void (ColourPickerWindow::*handler)()) {
        auto* b = place(new QPushButton(caption, Frame4), left, 510, width, 300);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        controls.add(name, b);
        return b;
    };
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("挿入"), 3840, 690, &ColourPickerWindow::Command3_Click);
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("説明"), 4560, 630, &ColourPickerWindow::Command5_Click);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("閉じる"), 5220, 735, &ColourPickerWindow::Command2_Click);
}

void ColourPickerWindow::buildExplanationFrame()
{
    Frame3 = new QGroupBox(QStringLiteral("説明"), client_);
    Frame3->setAutoFillBackground(true);
    Frame3->hide();
    controls.add(QStringLiteral("Frame3"), Frame3);
    Label1 = place(new QLabel(Frame3), 90, 240, 5820, 3930);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextFormat(Qt::PlainText);
    controls.add(QStringLiteral("Label1"), Label1);
    Command1 = place(new QPushButton(QStringLiteral("閉じる"), Frame3), 5040, 4275, 825, 285);
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    controls.add(QStringLiteral("Command1"), Command1);
}

QLineEdit* ColourPickerWindow::addSwatch(QWidget* frame, QList<QLineEdit*>& array, const QString& name, const SwatchEvents& events)
{
    const int index = int(array.size());
    auto* swatch = new QLineEdit(frame);
    swatch->setReadOnly(true);
    swatch->setFrame(false);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->setContextMenuPolicy(Qt::NoContextMenu);
    controls.add(name, index, swatch);
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
    twips::SetGeometry(Frame4, twips::Left(frame), twips::Top(frame) + twips::Height(frame), width,
                       height < 0 ? twips::Height(Frame4) : height);
}

void ColourPickerWindow::setWindowSize(int width, int height)
{
    int left = twips::WindowLeft(this);
    int top = twips::WindowTop(this);
    // A mode that makes the window wider or taller than the room left of it on the screen moves
    // it back onto the screen.
    if (const QScreen* s = screen()) {
        const QRect room = s->availableGeometry();
        // With the window's frame, where the window system has told it.
        const QSize frame = frameGeometry().size() - size();
        const int pixelsWide = twips::toPixels(width) + frame.width();
        const int pixelsHigh = twips::toPixels(height) + frame.height();
        if (pos().x() + pixelsWide > room.x() + room.width())
            left = twips::fromPixels(std::max(room.x(), room.x() + room.width() - pixelsWide));
        if (pos().y() + pixelsHigh > room.y() + room.height())
            top = twips::fromPixels(std::max(room.y(), room.y() + room.height() - pixelsHigh));
    }
    twips::SetWindowGeometry(this, left, top, width, height);
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
        Form_Load();
}

void ColourPickerWindow::Form_Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    twips::SetWindowGeometry(this, 3000, 2000, 9750, 10000);
    {
        const QSignalBlocker block(Option2);
        Option2->setChecked(true);
    }
    Option2_Click();
}

void ColourPickerWindow::openFor(int code)
{
    ensureLoaded();
    show();
    raise();
    ColorTarget.set(code);
}

void ColourPickerWindow::showWithFocus()
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

void ColourPickerWindow::bringLessonToFront()
{
    if (procs_.defined(procedure::RaiseLesson))
        procs_.call(procedure::RaiseLesson);
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

void ColourPickerWindow::Option1_Click()
{
    ensureLoaded();
    choose(Option1);
    showOnly({Frame5, Frame6, Command4, Picture1}, {Frame1, Check1, Label2[0], Text4});
    LoadColorNames();
}

void ColourPickerWindow::Option2_Click()
{
    ensureLoaded();
    choose(Option2);
    showOnly({Frame1, Frame5, Command4, Picture1}, {Frame6, Check1, Label2[0], Text4});
    twips::SetGeometry(Frame6, 0, 0, 6000, 4290);
    placeBarBelow(Frame6, -1, twips::Width(Frame6));
    setWindowSize(twips::Width(Frame6) + 200, twips::Height(Frame4) + twips::Height(Frame6) + 800);
    ShowBasicColors();
}

void ColourPickerWindow::Option3_Click()
{
    ensureLoaded();
    choose(Option3);
    showOnly({Frame1, Frame6, Check1, Label2[0], Text4}, {Frame5, Command4, Picture1});
    ShowExtendedPalette();
    Text4->clear();
    Text3->setText(QStringLiteral("#000000"));
}

// ---- delivery ----

bool ColourPickerWindow::deliverTo(const picker::Delivery& d, const QString& chosen)
{
    switch (d.kind) {
    case picker::DeliveryKind::Editor:
        if (!procs_.defined(procedure::InsertColour))
            return false;
        procs_.call(procedure::InsertColour, chosen);
        return true;
    case picker::DeliveryKind::Stylesheet:
        if (!procs_.defined(procedure::PutColourIntoCssBuilder))
            return false;
        procs_.call(procedure::PutColourIntoCssBuilder, QStringList{Text3->text(), Text4->text()});
        return true;
    case picker::DeliveryKind::Box:
        break;
    }
    if (!setBoxText(mainControls_.find(d.box.name, d.box.index), chosen))
        return false;
    for (const picker::BoxRef& box : d.cleared)
        setBoxText(mainControls_.find(box.name, box.index), QString());
    return true;
}

void ColourPickerWindow::InsertC()
{
    ensureLoaded();
    QString chosen;
    if (!Check1->isHidden() && Check1->isChecked() && !vb::Trim(Text4->text()).isEmpty())
        chosen = Text4->text();
    else if (!vb::Trim(Text3->text()).isEmpty())
        chosen = Text3->text();
    else
        return;

    const picker::Delivery d = picker::deliveryFor(ColorTarget.value());
    // A code whose destination does not exist delivers nothing and leaves the window as it is.
    if (!deliverTo(d, chosen))
        return;
    if (d.lessonToFrontFirst)
        bringLessonToFront();
    focusMainWindow();
    ColorTarget.set(0);
    Option2->setChecked(true);
    hide();
    if (d.lessonToFrontLast)
        bringLessonToFront();
}

// ---- buttons and menu ----

void ColourPickerWindow::Command2_Click()
{
    ensureLoaded();
    Option2->setChecked(true);
    hide();
}

void ColourPickerWindow::Command5_Click()
{
    if (procs_.defined(procedure::ShowHelpPage))
        procs_.call(procedure::ShowHelpPage, 18);
    if (mainWindow_) {
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
}

void ColourPickerWindow::msetumei_Click()
{
    ensureLoaded();
    twips::SetGeometry(Frame3, 0, 0, 5955, 4695);
    Frame3->show();
    Frame3->raise();
    Label1->setText(toolwindow_texts::colourPickerExplanation());
}

void ColourPickerWindow::Command1_Click()
{
    Frame3->hide();
}

// ---- dropping on the mixing palette ----

bool ColourPickerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Picture1)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* e = static_cast<QDropEvent*>(event);
        if (Text5.contains(qobject_cast<QLineEdit*>(e->source()))) {
            e->acceptProposedAction();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(event);
        auto* source = qobject_cast<QLineEdit*>(e->source());
        if (!Text5.contains(source))
            return false;
        e->acceptProposedAction();
        Picture1_DragDrop(source);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
