#pragma once

#include "autocreate/AutoCreateMenu.h"
#include "autocreate/AutoCreateRunner.h"
#include "autocreate/AutoSettingsPanel.h"
#include "autocreate/TextPreparation.h"
#include "editor/Colouring.h"
#include "editor/ColourLookup.h"
#include "editor/Edit2Menu.h"
#include "editor/EditContext.h"
#include "editor/EditMenu.h"
#include "editor/EditorFonts.h"
#include "editor/GrammarPanel.h"
#include "editor/Insertion.h"
#include "editor/PasteMode.h"
#include "editor/PopupMenus.h"
#include "editor/Regions.h"
#include "editor/SearchPanels.h"
#include "editor/Toolbar.h"
#include "editor/UndoRing.h"
#include "lesson/LessonWindow.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "preview/FavouritesList.h"
#include "preview/HelpMenu.h"
#include "preview/HelpPane.h"
#include "preview/LinkList.h"
#include "preview/LiveBrowser.h"
#include "preview/PreviewTab.h"
#include "shell/FileMenu.h"
#include "shell/Projects.h"
#include "stylesheet/StylesheetTools.h"
#include "toolwindows/AboutBox.h"
#include "toolwindows/ColourPickerWindow.h"
#include "toolwindows/TagDictionaryWindow.h"
#include "shell/ChosenListEntries.h"
#include "shell/Renaming.h"
#include "shell/Templates.h"
#include "wizards/Dispatcher.h"
#include "wizards/Wizards.h"
#include "workspace/DocumentFiles.h"
#include "workspace/ProgramState.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QMainWindow>

class Dialogs;
class QLabel;
class QStatusBar;
class QToolBar;
class TabStrip;

// The main window. It puts the subsystems together: it creates them in the order of their
// layers, hands each the services it needs, and lays the window out. The subsystems own their
// procedures, state, panels and menu items; the window holds none of them itself.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(ProgramState& programState, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    ProgramState& state;
    Dialogs& dlg;

private:
    // The frame of the window, which the subsystems are placed in; made before them.
    QWidget* central_;
    QToolBar* toolBar_;
    TabStrip* documentTabs_;
    QStatusBar* statusLine_;
    QLabel* statusText_;

public:
    // ---- registries of the controls and menus by name ----
    ControlRegistry controls;
    CommandRegistry commands;

    // ---- subsystems, lowest layer first ----
    Workspace ws;
    DocumentFiles files;
    PanelKit panels;
    Colouring colour;
    UndoRing undo;
    Insertion insert;
    Regions regions;
    EditorFonts fonts;
    EditContext editing;
    PasteMode pasteMode;
    ColourLookup colourLookup;
    SearchPanels search;
    GrammarPanel grammar;
    EditMenu editMenu;
    ToolbarButtons toolbar;
    Edit2Menu edit2;
    PopupMenus popups;
    Dispatcher dispatcher;
    HelpMenu help;
    HelpPane helpPane;
    ColourPickerWindow colourPicker;
    Wizards wizards;
    PreviewTab preview;
    LiveBrowser live;
    FavouritesList favourites;
    LinkList links;
    AboutBoxOpener about;
    StylesheetTools stylesheet;
    TextPreparation prep;
    AutoCreateMenu autoCreate;
    AutoSettingsPanel autoSettings;
    AutoCreateRunner autoRunner;
    TagDictionaryWindow tagDictionary;
    Projects projects;
    FileMenu fileMenu;
    Templates templates;
    Renaming renaming;
    ChosenListEntries chosenListEntries;
    LessonWindow lesson;

    // ---- procedures of the window ----
    // Reads the settings and places the window, then prepares the first document.
    void loadWindow();
    void layOutWindow();
    // The questions of quitting; false when the user said No to one of them.
    bool confirmQuitting();
    // The questions about each unsaved document, then the settings written and the pages deleted;
    // false when the user said No.
    bool unload();
    // True once the window has been through its unload.
    bool unloaded() const { return unloaded_; }
    // Ctrl is held (set on a key press with Ctrl alone, cleared on any release).
    bool ctrlDown = false;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The calls between the subsystems that run upwards or sideways: each request, signal and
    // callback of a subsystem connected to the one that answers it (shell/SubsystemConnections.cpp).
    void connectSubsystems();
    void createMenus();
    // The stored placement; without one, a window that shows the toolbar and every panel whole.
    void placeWindow();
    // The size at which the whole toolbar and every panel, where it opens, fit in the window.
    QSize sizeShowingAll();
    // Notes a Ctrl press; Tab and Shift+Tab indent and unindent the editor's selected lines.
    // True when the key was used.
    bool noteCtrlOrIndent(int key, Qt::KeyboardModifiers modifiers);

    bool layoutBusy_ = false;
    bool unloaded_ = false;
    bool closing_ = false;
};
