#include "lesson/LessonWindow.h"
#include "wizards/WizardProcedures.h"

#include "lesson/LessonTexts.h"
#include "platform/Dialogs.h"
#include "platform/LineEnds.h"
#include "platform/Procedures.h"
#include "platform/RichEdit.h"
#include "platform/SharedConstants.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "stylesheet/StylesheetTools.h"
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

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    runTimer_.setSingleShot(true);
    runTimer_.setInterval(0);
    connect(&runTimer_, &QTimer::timeout, this, [this] { runNext(); });
    // A tab chosen in the main window leaves the lesson in front of it.
    connect(&ctx.ws.tabStrip(), &TabStrip::Click, this, [this] {
        if (isVisible())
            commands.bringWindowToFront();
    });

    ctx.controls.add(QStringLiteral("LessonWindow"), this);
    ctx.procs.define(procedure::ShowLesson, std::function<void()>([this] { whenFree([this] { ShowLesson(); }); }));
}

LessonWindow::~LessonWindow() = default;

// ---- the window ----

void LessonWindow::build()
{
    Text1 = placed(new QPlainTextEdit(this), 60, 60, 5545, 1800);
    Text1->setReadOnly(true);
    Text1->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック")));
    controls.add(QStringLiteral("Text1"), Text1);
    Text3 = placed(new QLineEdit(this), 60, 1920, 5545, 330);
    Text3->setReadOnly(true);
    controls.add(QStringLiteral("Text3"), Text3);
    Text6 = placed(new QLineEdit(this), 60, 2400, 640, 330);
    Text6->setReadOnly(true);
    controls.add(QStringLiteral("Text6"), Text6);

    addButton(QStringLiteral("Command2"), 0, QStringLiteral("<<"), QStringLiteral("最初に戻す"), 760, 500);
    addButton(QStringLiteral("Command2"), 3, QStringLiteral("<"), QStringLiteral("１つ戻す"), 1300, 500);
    addButton(QStringLiteral("Command1"), ControlRegistry::NoIndex, QStringLiteral("▶"), QStringLiteral("ステップ実行"), 1840, 900);
    addButton(QStringLiteral("Command2"), 1, QStringLiteral(">>"), QStringLiteral("最後まで実行"), 2780, 500);

    Label1 = placed(new QLabel(QStringLiteral("ｽﾃｯﾌﾟまで実行"), this), 3340, 2420, 1500, 300);
    controls.add(QStringLiteral("Label1"), Label1);
    Text4 = placed(new QLineEdit(QStringLiteral("0"), this), 4880, 2400, 725, 330);
    controls.add(QStringLiteral("Text4"), Text4);
}

QPushButton* LessonWindow::addButton(const QString& name, int index, const QString& caption, const QString& tip, int left, int width)
{
    auto* button = placed(new QPushButton(caption, this), left, 2340, width, 450);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    controls.add(name, index, button);
    if (index == ControlRegistry::NoIndex)
        connect(button, &QPushButton::clicked, this, [this] { Command1_Click(); });
    else
        connect(button, &QPushButton::clicked, this, [this, index] { Command2_Click(index); });
    return button;
}

void LessonWindow::Form_Load()
{
    QWidget* main = ctx.mainWindow;
    // The lower right corner meets the main window's.
    const int left = twips::WindowLeft(main) + twips::WindowWidth(main) - WindowWidth;
    const int top = twips::WindowTop(main) + twips::WindowHeight(main) - WindowHeight;
    twips::SetWindowGeometry(this, left, top, WindowWidth, WindowHeight);
    Text4->setText(QStringLiteral("0"));
    Text6->clear();
    StepMark.clear();
    setWindowTitle(lesson_texts::windowCaption());
    Timer1.start();
    loaded_ = true;
}

void LessonWindow::Form_Unload()
{
    Timer1.stop();
    endRun();
    commands.closePopups();
    commands.forgetDocuments();
    loaded_ = false;
}

void LessonWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

void LessonWindow::Timer1_Timer()
{
    if (!isVisible()) {
        Timer1.stop();
        return;
    }
    commands.bringWindowToFront();
}

void LessonWindow::showExplanation(const QString& text)
{
    Text1->setPlainText(fromCrLf(text));
}

QString LessonWindow::explanation() const
{
    return toCrLf(Text1->toPlainText());
}

// ---- opening ----

void LessonWindow::ShowLesson()
{
    if (!loaded_)
        Form_Load();
    endRun();
    LineNo = 0;
    // The lesson asks again before it clears documents worked on since it was last shown.
    commands.forgetDocuments();
    show();
    raise();
    QString s = lesson_texts::scriptFileName();
    GetText(s);
    Timer1.start();
}

void LessonWindow::GetText(QString& s)
{
    showExplanation(s);
    const QString path = ctx.ws.state.resourcePath(s);
    const TextReadResult read = readProgramFile(path);
    if (!read.ok) {
        Lines.clear();
        s = lesson_texts::scriptUnreadable(path);
        showExplanation(s);
        ctx.ws.dlg.MsgBox(s);
        return;
    }
    Lines = lesson::splitScript(read.text);
    s = lesson_texts::welcomeText();
    showExplanation(s);
}

// ---- stepping ----

lesson::StepResult LessonWindow::StepLesson()
{
    lesson::StepResult result;
    result.begin = result.next = LineNo;
    if (LineNo < 0 || LineNo >= Lines.size())
        return result;
    Busy busy(*this);
    commands.closePopups();
    Text3->setText(Lines.at(LineNo));
    result = lesson::step(Lines, LineNo, [this](const lesson::Command& c) { return commands.ExecCommand(c); });
    switch (result.kind) {
    case lesson::StepResult::Kind::Done:
    case lesson::StepResult::Kind::Break:
    // The last step of the script is shown like the others.
    case lesson::StepResult::Kind::PastEnd:
        LineNo = result.next;
        showStep(StepMark);
        StepMark = QString::number(LineNo);
        break;
    case lesson::StepResult::Kind::Stopped:
        resetToStart();
        break;
    default:
        LineNo = result.next;
        break;
    }
    return result;
}

void LessonWindow::showStep(const QString& mark)
{
    Text6->setText(mark);
    setWindowTitle(lesson_texts::stepCaption(mark));
}

bool LessonWindow::runGoesOn() const
{
    return lesson::numberOf(Text4->text()) > LineNo && LineNo < Lines.size();
}

void LessonWindow::Command1_Click()
{
    whenFree([this] {
        Busy busy(*this);
        goOn(StepLesson());
    });
}

void LessonWindow::goOn(const lesson::StepResult& result)
{
    const bool failed = result.kind == lesson::StepResult::Kind::Failed || result.kind == lesson::StepResult::Kind::Stopped;
    if (failed || !runGoesOn() || !isVisible()) {
        endRun();
        return;
    }
    Running = true;
    runTimer_.start();
}

void LessonWindow::runNext()
{
    whenFree([this] {
        if (!Running)
            return;
        Busy busy(*this);
        goOn(StepLesson());
    });
}

void LessonWindow::endRun()
{
    Running = false;
    runTimer_.stop();
}

// ---- going back ----

void LessonWindow::Command2_Click(int index)
{
    whenFree([this, index] {
        Busy busy(*this);
        switch (index) {
        case 0:
            backToStart();
            break;
        case 1:
            backToStart();
            Text4->setText(QString::number(Lines.size()));
            goOn(StepLesson());
            break;
        case 3:
            endRun();
            clearLessonDocuments();
            Text4->setText(Text6->text());
            StepMark = QStringLiteral("0");
            setWindowTitle(lesson_texts::stepCaption(StepMark));
            LineNo = 0;
            goOn(StepLesson());
            break;
        default:
            break;
        }
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
            ctx.ws.sourceEditor(n)->SetText(QString());
    }
    ctx.controls.get<QPlainTextEdit>(QStringLiteral("Text"), 44)->clear();
    if (commands.isOwn(ctx.ws.selectedDocument()))
        ctx.files.closeDocument();
}

void LessonWindow::backToStart()
{
    endRun();
    if (commands.ownsDocuments() && ctx.ws.tabCount() >= 3)
        ctx.ws.tabStrip().Select(3);
    clearLessonDocuments();
    resetToStart();
    StepMark = QStringLiteral("0");
    setWindowTitle(lesson_texts::stepCaption(StepMark));
    // The builder is closed: a source tab does not bring it back.
    auto* builder = ctx.controls.get<QWidget>(QStringLiteral("Frame"), 40);
    builder->hide();
    ctx.stylesheet.builder.wasVisible = false;
    Text1->clear();
    ctx.ws.tabStrip().Select(1);
    builder->hide();
}

void LessonWindow::resetToStart()
{
    endRun();
    LineNo = 0;
    Text4->setText(QStringLiteral("0"));
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
