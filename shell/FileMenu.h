#pragma once

#include <QString>
#include <functional>

class AutoCreateMenu;
class Colouring;
class CommandRegistry;
class DocumentFiles;
class Projects;
class Workspace;

// The File menu `mfile`: its fixed items, the recent files behind them and the exit item, and the
// commands that choose a file to open or print.
class FileMenu {
public:
    FileMenu(Workspace& workspace, DocumentFiles& files, Projects& projects, AutoCreateMenu& autoCreate,
             Colouring& colouring, CommandRegistry& commands);

    void declareMenu();
    // The items behind the fixed ones: the recent files, a separator and the exit item.
    void RebuildRecentItems();
    void mfile_Click(int index);
    // Quits through the window's close.
    void Pend();
    // What Pend closes; the shell sets it.
    std::function<void()> closeWindow;

    // True when a file was read into the current document.
    bool OpenFileCmd();
    // 新しいタブを挿入してファイルを開く: a new tab for the file, which goes again when nothing
    // was opened into it.
    void OpenFileInNewTab();
    // A file dropped on an editor.
    void OpenPath(const QString& path);
    void OpenRecent(int i);
    // The file named on the command line (not a project).
    void OpenCommandLineFile(const QString& path);
    void PrintText();

private:
    Workspace& ws;
    DocumentFiles& files;
    Projects& projects;
    AutoCreateMenu& autoCreate;
    Colouring& colour;
    CommandRegistry& commands;
    int recentItemCount_ = 0;
};
