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
// on to the line in the run-to box), << goes back to the start, >> replays the lesson to its end,
// < goes back one step by replaying the lesson up to the step before. Runs of several steps go on
// from the event loop, one step a turn, so both windows stay usable; a step is never entered while
// another is half-way: a button pressed meanwhile acts once the step is over.
//
// Its controls are registered in its own registry under the ids of lesson/LessonControls.h; the
// main window's registry holds the window itself as `lesson_window::Window`.
class LessonWindow : public QWidget {
    Q_OBJECT

public:
    explicit LessonWindow(const LessonContext& context);
    ~LessonWindow() override;

    ControlRegistry controls;
    LessonCommands commands;

    // ---- the lesson's state ----
    int lineNo = 0;
    // True while several steps run in a row: the popup menus and the drop-down list stay shut.
    bool running = false;
    QStringList lines;
    // The line at which the last step began; empty until the first step.
    QString stepMark;

    // Loads the lesson and shows the window.
    void openLesson();
    // The stylesheet menu's lesson item: the lesson opens once a step under way is over.
    void openLessonWhenFree();
    // Comes to the front when it is shown (after the colour picker hid for the lesson).
    void raiseIfShown();
    // Loads the script named by s from resource/ and shows the welcome text, which s receives.
    void loadScript(QString& s);
    // One step at lineNo.
    lesson::StepResult runStep();
    // ▶: one step, then on to the line in the run-to box.
    void stepForward();
    // <<: back to the start.
    void goBackToStart();
    // >>: the lesson replayed to its end.
    void runToEnd();
    // <: one step back.
    void stepBack();
    // Places the window at the main window's lower right corner and shows it before any step.
    void prepareWindow();
    // The run stopped, the popups closed, the lesson's documents forgotten.
    void releaseWindow();
    // Each second while the window shows: it comes to the front again.
    void keepInFront();
    QTimer frontTimer;

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
    QPushButton* addStepButton(ControlId id, const QString& caption, const QString& tip, int left, int width);
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
    QPlainTextEdit* explanationBox = nullptr;
    QLineEdit* currentLineBox = nullptr;
    QLineEdit* runToBox = nullptr;
    QLabel* runToLabel = nullptr;
    QLineEdit* stepMarkBox = nullptr;
    QTimer runTimer_;
    int busy_ = 0;
    std::vector<std::function<void()>> waiting_;
    bool loaded_ = false;

    // Marks a step or a button's work as under way.
    class Busy;
};
