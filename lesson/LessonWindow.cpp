#include "lesson/LessonWindow.h"

#include "lesson/LessonControls.h"
#include "lesson/LessonTexts.h"
#include "platform/Dialogs.h"
#include "platform/LineEnds.h"
#include "platform/RichEdit.h"
#include "platform/SharedConstants.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "stylesheet/StylesheetControls.h"
#include "stylesheet/StylesheetTools.h"
#include "wizards/AdvancedPanelControls.h"
#include "workspace/DocumentFiles.h"
#include "workspace/Workspace.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The window keeps this size, in twips.
constexpr int WindowWidth = 5665;
constexpr int WindowHeight = 3075;

template <typename T>
T* placed(T* widget, int left, int top, int width, int height)
{
    twips::SetGeometry(widget, left, top, width, height);
    return widget;
}

} // namespace

class LessonWindow::Busy {
public:
    explicit Busy(LessonWindow& window)
        : window_(window)
    {
        ++window_.busy_;
    }
    ~Busy()
    {
        if (--window_.busy_ == 0)
            window_.finishBusy();
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    LessonWindow& window_;
};

LessonWindow::LessonWindow(const LessonContext& context)
    : QWidget(context.mainWindow, Qt::Tool)
    , commands(context, *this)
    , ctx(context)
{
    setWindowTitle(lesson_texts::windowCaption());
    setFixedSize(twips::toPixels(WindowWidth), twips::toPixels(WindowHeight));
    build();

    frontTimer.setInterval(1000);
    connect(&frontTimer, &QTimer::timeout, this, [this] { keepInFront(); });
    runTimer_.setSingleShot(true);
    runTimer_.setInterval(0);
    connect(&runTimer_, &QTimer::timeout, this, [this] { runNext(); });
    // A tab chosen in the main window leaves the lesson in front of it.
    connect(&ctx.ws.tabStrip(), &TabStrip::tabClicked, this, [this] {
        if (isVisible())
            commands.bringWindowToFront();
    });

    ctx.controls.add(lesson_window::Window, this);
}

void LessonWindow::openLessonWhenFree()
{
    whenFree([this] { openLesson(); });
}

void LessonWindow::raiseIfShown()
{
    if (isVisible())
        raise();
}

LessonWindow::~LessonWindow() = default;

// ---- the window ----

void LessonWindow::build()
{
    explanationBox = placed(new QPlainTextEdit(this), 60, 60, 5545, 1800);
    explanationBox->setReadOnly(true);
    explanationBox->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック")));
    controls.add(lesson_window::Explanation, explanationBox);
    currentLineBox = placed(new QLineEdit(this), 60, 1920, 5545, 330);
    currentLineBox->setReadOnly(true);
    controls.add(lesson_window::CurrentLine, currentLineBox);
    stepMarkBox = placed(new QLineEdit(this), 60, 2400, 640, 330);
    stepMarkBox->setReadOnly(true);
    controls.add(lesson_window::StepMark, stepMarkBox);

    QPushButton* button = addStepButton(lesson_window::BackToStartButton, QStringLiteral("<<"), QStringLiteral("最初に戻す"), 760, 500);
    connect(button, &QPushButton::clicked, this, [this] { goBackToStart(); });
    button = addStepButton(lesson_window::StepBackButton, QStringLiteral("<"), QStringLiteral("１つ戻す"), 1300, 500);
    connect(button, &QPushButton::clicked, this, [this] { stepBack(); });
    button = addStepButton(lesson_window::StepButton, QStringLiteral("▶"), QStringLiteral("ステップ実行"), 1840, 900);
    connect(button, &QPushButton::clicked, this, [this] { stepForward(); });
    button = addStepButton(lesson_window::RunToEndButton, QStringLiteral(">>"), QStringLiteral("最後まで実行"), 2780, 500);
    connect(button, &QPushButton::clicked, this, [this] { runToEnd(); });

    runToLabel = placed(new QLabel(QStringLiteral("ｽﾃｯﾌﾟまで実行"), this), 3340, 2420, 1500, 300);
    controls.add(lesson_window::RunToLabel, runToLabel);
    runToBox = placed(new QLineEdit(QStringLiteral("0"), this), 4880, 2400, 725, 330);
    controls.add(lesson_window::RunTo, runToBox);
}

QPushButton* LessonWindow::addStepButton(ControlId id, const QString& caption, const QString& tip, int left, int width)
{
    auto* button = placed(new QPushButton(caption, this), left, 2340, width, 450);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    controls.add(id, button);
    return button;
}

void LessonWindow::prepareWindow()
{
    QWidget* main = ctx.mainWindow;
    // The lower right corner meets the main window's.
    const int left = twips::WindowLeft(main) + twips::WindowWidth(main) - WindowWidth;
    const int top = twips::WindowTop(main) + twips::WindowHeight(main) - WindowHeight;
    twips::SetWindowGeometry(this, left, top, WindowWidth, WindowHeight);
    runToBox->setText(QStringLiteral("0"));
    stepMarkBox->clear();
    stepMark.clear();
    setWindowTitle(lesson_texts::windowCaption());
    frontTimer.start();
    loaded_ = true;
}

void LessonWindow::releaseWindow()
{
    frontTimer.stop();
    endRun();
    commands.closePopups();
    commands.forgetDocuments();
    loaded_ = false;
}

void LessonWindow::closeEvent(QCloseEvent* event)
{
    releaseWindow();
    QWidget::closeEvent(event);
}

void LessonWindow::keepInFront()
{
    if (!isVisible()) {
        frontTimer.stop();
        return;
    }
    commands.bringWindowToFront();
}

void LessonWindow::showExplanation(const QString& text)
{
    explanationBox->setPlainText(fromCrLf(text));
}

QString LessonWindow::explanation() const
{
    return toCrLf(explanationBox->toPlainText());
}

// ---- opening ----

void LessonWindow::openLesson()
{
    if (!loaded_)
        prepareWindow();
    endRun();
    lineNo = 0;
    // The lesson asks again before it clears documents worked on since it was last shown.
    commands.forgetDocuments();
    show();
    raise();
    QString s = lesson_texts::scriptFileName();
    loadScript(s);
    frontTimer.start();
}

void LessonWindow::loadScript(QString& s)
{
    showExplanation(s);
    const QString path = ctx.ws.state.resourcePath(s);
    const TextReadResult read = readProgramFile(path);
    if (!read.ok) {
        lines.clear();
        s = lesson_texts::scriptUnreadable(path);
        showExplanation(s);
        ctx.ws.dlg.message(s);
        return;
    }
    lines = lesson::splitScript(read.text);
    s = lesson_texts::welcomeText();
    showExplanation(s);
}

// ---- stepping ----

lesson::StepResult LessonWindow::runStep()
{
    lesson::StepResult result;
    result.begin = result.next = lineNo;
    if (lineNo < 0 || lineNo >= lines.size())
        return result;
    Busy busy(*this);
    commands.closePopups();
    currentLineBox->setText(lines.at(lineNo));
    result = lesson::step(lines, lineNo, [this](const lesson::Command& c) { return commands.execute(c); });
    switch (result.kind) {
    case lesson::StepResult::Kind::Done:
    case lesson::StepResult::Kind::Break:
    // The last step of the script is shown like the others.
    case lesson::StepResult::Kind::PastEnd:
        lineNo = result.next;
        showStep(stepMark);
        stepMark = QString::number(lineNo);
        break;
    case lesson::StepResult::Kind::Stopped:
        resetToStart();
        break;
    default:
        lineNo = result.next;
        break;
    }
    return result;
}

void LessonWindow::showStep(const QString& mark)
{
    stepMarkBox->setText(mark);
    setWindowTitle(lesson_texts::stepCaption(mark));
}

bool LessonWindow::runGoesOn() const
{
    return lesson::numberOf(runToBox->text()) > lineNo && lineNo < lines.size();
}

void LessonWindow::stepForward()
{
    whenFree([this] {
        Busy busy(*this);
        goOn(runStep());
    });
}

void LessonWindow::goOn(const lesson::StepResult& result)
{
    const bool failed = result.kind == lesson::StepResult::Kind::Failed || result.kind == lesson::StepResult::Kind::Stopped;
    if (failed || !runGoesOn() || !isVisible()) {
        endRun();
        return;
    }
    running = true;
    runTimer_.start();
}

void LessonWindow::runNext()
{
    whenFree([this] {
        if (!running)
            return;
        Busy busy(*this);
        goOn(runStep());
    });
}

void LessonWindow::endRun()
{
    running = false;
    runTimer_.stop();
}

// ---- going back ----

void LessonWindow::goBackToStart()
{
    whenFree([this] {
        Busy busy(*this);
        backToStart();
    });
}

void LessonWindow::runToEnd()
{
    whenFree([this] {
        Busy busy(*this);
        backToStart();
        runToBox->setText(QString::number(lines.size()));
        goOn(runStep());
    });
}

void LessonWindow::stepBack()
{
    whenFree([this] {
        Busy busy(*this);
        endRun();
        clearLessonDocuments();
        runToBox->setText(stepMarkBox->text());
        stepMark = QStringLiteral("0");
        setWindowTitle(lesson_texts::stepCaption(stepMark));
        lineNo = 0;
        goOn(runStep());
    });
}

// The documents of the lesson emptied and the current one closed. The user's documents stay as
// they are: the lesson's next initialising asks about them.
void LessonWindow::clearLessonDocuments()
{
    if (!commands.ownsDocuments())
        return;
    for (int n : {1, 0}) {
        if (n < ctx.ws.documentCount() && commands.isOwn(n))
            ctx.ws.sourceEditor(n)->setText(QString());
    }
    ctx.controls.get<QPlainTextEdit>(css_builder::StyleTextBox)->clear();
    if (commands.isOwn(ctx.ws.selectedDocument()))
        ctx.files.closeDocument();
}

void LessonWindow::backToStart()
{
    endRun();
    if (commands.ownsDocuments() && ctx.ws.tabCount() >= 3)
        ctx.ws.tabStrip().setCurrentIndex(3);
    clearLessonDocuments();
    resetToStart();
    stepMark = QStringLiteral("0");
    setWindowTitle(lesson_texts::stepCaption(stepMark));
    // The builder is closed: a source tab does not bring it back.
    auto* builder = ctx.controls.get<QWidget>(css_builder::Panel);
    builder->hide();
    ctx.stylesheet.builder.wasVisible = false;
    explanationBox->clear();
    ctx.ws.tabStrip().setCurrentIndex(1);
    builder->hide();
}

void LessonWindow::resetToStart()
{
    endRun();
    lineNo = 0;
    runToBox->setText(QStringLiteral("0"));
}

// ---- one thing at a time ----

bool LessonWindow::busy() const
{
    return busy_ > 0 || runTimer_.isActive() || !waiting_.empty();
}

void LessonWindow::whenFree(std::function<void()> action)
{
    if (busy_ > 0) {
        waiting_.push_back(std::move(action));
        return;
    }
    action();
}

void LessonWindow::finishBusy()
{
    if (waiting_.empty())
        return;
    // Out of the step first: the next action starts from the event loop.
    QTimer::singleShot(0, this, [this] {
        std::vector<std::function<void()>> next;
        next.swap(waiting_);
        for (std::function<void()>& action : next)
            whenFree(std::move(action));
    });
}
