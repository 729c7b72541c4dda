#pragma once

#include <QString>
#include <functional>

class AutoCreateMenu;
class Colouring;
class CommandRegistry;
class DocumentFiles;
class Projects;
class Workspace;

// The File menu: its fixed items, the recent files behind them and the exit item, and the
// commands that choose a file to open or print.
class FileMenu {
public:
    FileMenu(Workspace& workspace, DocumentFiles& files, Projects& projects, AutoCreateMenu& autoCreate,
             Colouring& colouring, CommandRegistry& commands);

    void declareMenu();
    // The items behind the fixed ones: the recent files, a separator and the exit item.
    void rebuildRecentItems();
    // Quits through the window's close.
    void quit();
    // What quit closes; the shell sets it.
    std::function<void()> closeWindow;

    // True when a file was read into the current document. A file that a document holds
    // already is not read again: that document is put on show, or, with alreadyOpen given, its
    // path is handed back for the caller to show.
    bool openFile(QString* alreadyOpen = nullptr);
    // 新しいタブを挿入してファイルを開く: a new tab for the file, which goes again when nothing
    // was opened into it.
    void openFileInNewTab();
    // A file dropped on an editor.
    void openPath(const QString& path);
    void openRecent(int i);
    // The file named on the command line (not a project).
    void openCommandLineFile(const QString& path);
    void printText();

private:
    Workspace& ws;
    DocumentFiles& files;
    Projects& projects;
    AutoCreateMenu& autoCreate;
    Colouring& colour;
    CommandRegistry& commands;
    int recentItemCount_ = 0;
};
