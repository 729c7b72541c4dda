#pragma once

#include "lesson/LessonScript.h"
#include "platform/ControlRegistry.h"
#include "platform/StateValue.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class Colouring;
class CommandRegistry;
class ControlRegistry;
class Dispatcher;
class DocumentFiles;
class ColourPickerWindow;
class Generators;
class LessonWindow;
class PanelKit;
class QComboBox;
class QListWidget;
class QMenu;
class QWidget;
class RichEdit;
class StylesheetTools;
class Workspace;

// What the lesson drives: the main window's documents, its registries and the named handlers of
// the subsystems, and the colour picker with its own controls.
struct LessonContext {
    Workspace& ws;
    DocumentFiles& files;
    ControlRegistry& controls;
    CommandRegistry& commands;
    Dispatcher& dispatcher;
    Generators& generators;
    Colouring& colour;
    PanelKit& panels;
    StylesheetTools& stylesheet;
    ColourPickerWindow& picker;
    QWidget* mainWindow;
};

// The folder the lesson's pages, its stylesheet and its pictures are written to: "lesson" in the
// program folder.
QString lessonFolder(const QString& programFolder);

// The lesson's commands acting on the main window as a user's clicks would: through the control
// and command registries, the dispatcher and the named handlers.
class LessonCommands {
public:
    LessonCommands(const LessonContext& context, LessonWindow& window);

    // Runs one command of a step.
    lesson::Run execute(const lesson::Command& c);

    // The lesson's own documents: the ones it made or cleared with the user's consent since it was
    // shown. It clears them again without asking; every other document is the user's.
    bool ownsDocuments() const;
    bool isOwn(int n) const;
    void forgetDocuments() { own_.clear(); }
    // The user's documents that clearing the window would lose: changed, not blank and not the
    // lesson's own.
    std::vector<int> usersUnsavedWork() const;

    // The popup menu or drop-down list a command opened, closed again.
    void closePopups();
    // The popup menu or drop-down list a command opened, while it shows.
    QWidget* openPopup() const;
    // The lesson window comes to the front of the window order, below a popup that shows; not
    // over a dialog that waits for an answer.
    void bringWindowToFront();

    // The check mark the lesson puts on the stylesheet menu's item that inserts a stylesheet file
    // with samples.
    BoolState sampleStylesheetItemMark;

private:
    enum class Outcome { Front, EndsAtOnce, Failed, Stopped };
    Outcome run(const lesson::Command& c);

    Outcome init(const QString& argument);
    Outcome writeIntoEditor(const QString& text);
    Outcome renameTab();
    // Runs what adds a document at the end; the document is the lesson's own.
    Outcome addOwnDocument(const std::function<void()>& add);
    Outcome menu(const QString& argument);
    Outcome elementKind(const QString& argument);
    Outcome elementDropDown();
    Outcome elementPick(const QString& argument);
    Outcome chooseEntry(ControlId list, const QString& argument);
    Outcome chooseValue(const QString& argument);
    Outcome basicColour(const QString& argument);
    Outcome image(const QString& argument);
    Outcome fillNumber(const QString& argument, const QString& unit);
    Outcome tabSel(const QString& argument);
    Outcome selectInFirst(const QString& from, const QString& to, bool range);
    Outcome listShow();
    Outcome listSel(const QString& argument);
    Outcome classPick(const QString& argument);
    Outcome namedColour(const QString& argument);
    Outcome caretToStylesheetEnd();
    void showBuilder(bool show);
    void setControlText(ControlId id, const QString& text);
    // Before the lesson clears the window: when a document of the user's holds unsaved work, asks
    // once whether to initialise all and then about each such document as closing it would.
    // Then every document is the lesson's to clear; false when the user keeps them.
    bool takeOverDocuments();
    void popUp(QMenu* menu, QWidget* over, int xTwips, int yTwips);
    void dropDown(QMenu* menu);
    // A popup takes every press while it shows, one on the lesson window's buttons only to close
    // itself: this watcher closes the popup and presses the button instead.
    class PopupPresses;
    void markSampleStylesheetItem();
    // Lets the windows repaint and run what is waiting, as the lesson's pauses do.
    static void serveEvents();

    LessonContext ctx;
    LessonWindow& window;
    PopupPresses* presses_ = nullptr;
    std::vector<QPointer<const RichEdit>> own_;
    QPointer<QMenu> openMenu_;
    QPointer<QComboBox> openList_;
    bool markShown_ = false;
};
