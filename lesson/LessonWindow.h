#pragma once

#include "lesson/LessonCommands.h"
#include "lesson/LessonScript.h"
#include "platform/ControlRegistry.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The lesson window "ＣＳＳペルモア": a small tool window at the lower right corner of the main
// window that plays the stylesheet lesson resource/CSSDEMO.txt step by step. ▶ runs one step (and
// on to the line in `Text4`), << goes back to the start, >> replays the lesson to its end, < goes
// back one step by replaying the lesson up to the step before. Runs of several steps go on from
// the event loop, one step a turn, so both windows stay usable; a step is never entered while
// another is half-way: a button pressed meanwhile acts once the step is over.
//
// Its controls are registered in its own registry (`Text1`, `Text3`, `Text4`, `Text6`, `Label1`,
// `Command1`, `Command2(0)`, `Command2(1)`, `Command2(3)`); the main window's registry holds the
// window itself as `LessonWindow`.
class LessonWindow : public QWidget {
    Q_OBJECT

public:
    explicit LessonWindow(const LessonContext& context);
    ~LessonWindow() override;

    ControlRegistry controls;
    LessonCommands commands;

    // ---- the lesson's state ----
    int LineNo = 0;
    // True while several steps run in a row: the popup menus and the drop-down list stay shut.
    bool Running = false;
    QStringList Lines;
    // The line at which the last step began; empty until the first step.
    QString StepMark;

    // The stylesheet menu's lesson item (procedure::ShowLesson).
    void ShowLesson();
    // Loads the script named by s from resource/ and shows the welcome text, which s receives.
    void GetText(QString& s);
    // One step at LineNo.
    lesson::StepResult StepLesson();
    // ▶: one step, then on to the line in Text4.
    void Command1_Click();
    // 0 back to the start, 1 to the end, 3 one step back.
    void Command2_Click(int index);
    void Form_Load();
    void Form_Unload();
    void Timer1_Timer();
    QTimer Timer1;

    void showExplanation(const QString& text);
    QString explanation() const;
    // A run or a step is under way, or a button pressed during one still waits.
    bool busy() const;
    // Initialising all asks nothing while the lesson is shown and no document of the user's holds
    // unsaved work: the lesson's first 初期化 has asked about the user's documents, and the ones
    // the lesson made are its own.
    bool quietClear() const { return isVisible() && commands.ownsDocuments() && commands.usersUnsavedWork().empty(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    QPushButton* addButton(const QString& name, int index, const QString& caption, const QString& tip, int left, int width);
    // The steps of a run after the first, one an event-loop turn.
    void runNext();
    void goOn(const lesson::StepResult& result);
    void endRun();
    void backToStart();
    void clearLessonDocuments();
    void resetToStart();
    // Runs an action now, or after the step that is under way.
    void whenFree(std::function<void()> action);
    void finishBusy();
    bool runGoesOn() const;
    void showStep(const QString& mark);

    LessonContext ctx;
    QPlainTextEdit* Text1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text6 = nullptr;
    QTimer runTimer_;
    int busy_ = 0;
    std::vector<std::function<void()>> waiting_;
    bool loaded_ = false;

    // Marks a step or a button's work as under way.
    class Busy;
};
