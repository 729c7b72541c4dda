#pragma once

#include "platform/CommandRegistry.h"
#include "workspace/Workspace.h"

#include <QString>
#include <functional>
#include <optional>

class Colouring;
class CommandRegistry;
class CssBuilder;
class Dispatcher;
class HelpViewer;
class Insertion;
class PanelKit;
class QLineEdit;
class QWidget;
class UndoRing;

// The stylesheet menu (stylesheet/StylesheetControls.h): stylesheet documents (the sample and a named empty one made by
// createStylesheet from the name panel), the sample page, the link panel with its link into one or
// all pages, the builder, and the page, scoped and inline styles. A stylesheet
// document is a document whose file name ends in ".css".
class StylesheetMenu {
public:
    StylesheetMenu(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, UndoRing& undo, Insertion& insertion,
                   Colouring& colouring, HelpViewer& help, CssBuilder& builder);

    // The items of the stylesheet menu, which the shell has created.
    void declareMenu(CommandRegistry& commands);
    // Runs the item at a row of the menu as a click would; the items stand at the even rows 0 to
    // 18, and any other row does nothing.
    void runRow(int row);

    // A new, empty stylesheet document named after the name box `Text(54)`.
    void createStylesheet();
    // The link panel's file box `Text(49)` receives the name of the last stylesheet document.
    void showStylesheetInLinkBox();
    // The link into the current document (the link panel's execute button).
    void insertStylesheetLink();
    // Offers to link the link panel's stylesheet into the open pages.
    void linkStylesheetInEveryPage();

    // True while the lesson window is shown: a new stylesheet is then not offered for linking.
    std::function<bool()> lessonVisible = [] { return false; };
    // Opens the stylesheet lesson; the shell fills it in.
    std::function<void()> openLessonWindow;

private:
    void build(PanelKit& panels);
    void wireButtons(Dispatcher& dispatcher);
    struct Item {
        int row;
        CommandId id;
        const char* caption;
        void (StylesheetMenu::*run)();
    };
    static const Item Items[];

    void showCssHelp();
    void showCssBuilder();
    void showLesson();
    void insertSampleStylesheet();
    void showNamePanel();
    void insertSamplePage();
    void showLinkPanel();
    void insertPageStyle();
    void insertScopedSpan();
    void insertInlineStyle();
    // The sample file's text; a message and nothing when it cannot be read.
    std::optional<QString> readSample(const QString& file);
    // A sample document lies beside the first document (the resource folder for that one).
    void placeSample(const QString& fileName, Workspace::TabCaption caption = Workspace::TabCaption::FollowsName);

    Workspace& ws;
    PanelKit& panels;
    UndoRing& undo;
    Insertion& insert;
    Colouring& colour;
    HelpViewer& help;
    CssBuilder& builder;
    QLineEdit* nameBox_ = nullptr;
    QLineEdit* linkBox_ = nullptr;
    QWidget* namePanel_ = nullptr;
    QWidget* linkPanel_ = nullptr;
};
