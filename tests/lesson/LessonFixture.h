#pragma once

#include "ScriptLines.h"
#include "lesson/LessonControls.h"
#include "lesson/LessonWindow.h"
#include "lesson/LessonScript.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "stylesheet/StylesheetControls.h"
#include "support/AppFixture.h"
#include "wizards/AdvancedPanelControls.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

// What a step leaves behind in both windows, for comparing two ways to the same step.
struct LessonState {
    QStringList names;
    QStringList texts;
    QString style;
    QString selector;
    QString caption;
    QString stepLine;
    QString explanation;
    int lineNo = 0;
    int tab = 0;
    bool builderShown = false;
    bool operator==(const LessonState&) const = default;
};

inline void PrintTo(const LessonState& s, std::ostream* os)
{
    *os << "{line " << s.lineNo << ", tab " << s.tab << ", builder " << s.builderShown << ", caption "
        << s.caption.toStdString() << ", step line " << s.stepLine.toStdString() << ", selector "
        << s.selector.toStdString() << ", style " << s.style.toStdString() << ", documents "
        << s.names.join(QStringLiteral(" ")).toStdString() << "}";
}

// The real window with the data files the lesson uses, and its lesson window.
class LessonFixture : public AppFixture {
protected:
    MainWindow& startLesson()
    {
        for (const char* name : {"CSSDEMO.txt", "css.txt", "color.txt", "kabe.svg"})
            useShippedResource(u(name));
        MainWindow& win = start();
        return win;
    }
    LessonWindow& lesson() { return w().lesson; }
    // Opens the lesson from the stylesheet menu, as the user does.
    void openLesson() { w().commands.invoke(stylesheet_menu::ShowLesson); }
    // The lesson window plays the given lines instead of the shipped script.
    void play(const QStringList& lines)
    {
        if (!lesson().isVisible())
            openLesson();
        lesson().lines = lines;
        lesson().lineNo = 0;
    }
    // Waits until a press has done all its work, runs of several steps included.
    void waitIdle() { ASSERT_TRUE(QTest::qWaitFor([&] { return !lesson().busy(); }, 120000)); }
    void press(void (LessonWindow::*handler)())
    {
        (lesson().*handler)();
        waitIdle();
    }
    void pressStep() { press(&LessonWindow::stepForward); }
    void pressBackToStart() { press(&LessonWindow::goBackToStart); }
    void pressRunToEnd() { press(&LessonWindow::runToEnd); }
    void pressStepBack() { press(&LessonWindow::stepBack); }
    void step() { pressStep(); }

    template <typename T>
    T* own(ControlId id)
    {
        return lesson().controls.get<T>(id);
    }
    QString text(int n) { return w().ws.sourceEditor(n)->text(); }
    QString style() { return w().stylesheet.builder.styleText(); }
    QString line(ControlId id) { return w().controls.get<QLineEdit>(id)->text(); }
    bool shown(ControlId id) { return !w().controls.get<QWidget>(id)->isHidden(); }
    QString lessonFolder() const { return programFolder + u("/lesson"); }
    QString caption() { return lesson().windowTitle(); }
    QString stepLine() { return own<QLineEdit>(lesson_window::StepMark)->text(); }
    QString runTo() { return own<QLineEdit>(lesson_window::RunTo)->text(); }
    void setRunTo(int line) { own<QLineEdit>(lesson_window::RunTo)->setText(QString::number(line)); }

    LessonState state()
    {
        LessonState s;
        for (int i = 0; i < w().ws.documentCount(); ++i) {
            s.names << w().ws.doc(i).fileName;
            s.texts << text(i);
        }
        s.style = style();
        s.selector = line(css_builder::SelectorBox);
        s.caption = caption();
        s.stepLine = stepLine();
        s.explanation = lesson().explanation();
        s.lineNo = lesson().lineNo;
        s.tab = w().ws.tabStrip().currentIndex();
        s.builderShown = shown(css_builder::Panel);
        return s;
    }

    // Steps with ▶ until the step that began on a line equal to `command` has run; the lines of
    // the shipped lesson begin their steps without blank lines.
    void stepPast(const char* command)
    {
        for (int guard = 0; guard < 400 && lesson().lineNo < lesson().lines.size(); ++guard) {
            const QString first = lesson().lines.at(lesson().lineNo);
            step();
            if (first == u(command))
                return;
        }
        FAIL() << "no step begins with " << command;
    }
    // Steps with ▶ to the end of the lesson; the number of presses.
    int stepToTheEnd()
    {
        int presses = 0;
        while (lesson().lineNo < lesson().lines.size() && presses <= lesson().lines.size()) {
            step();
            ++presses;
        }
        return presses;
    }
};
