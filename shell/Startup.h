#pragma once

#include "workspace/ProgramState.h"

#include <QString>
#include <memory>

class Dialogs;
class QApplication;
class QIcon;
class MainWindow;

struct StartupOptions {
    QString programFolder;  // empty: chosen from the executable's folder
    QString commandLine;    // the whole command line after the program's name
    QString startFolder;    // the working folder the program was started in
    Dialogs* dialogs = nullptr; // empty: the window system's dialogs
    bool show = true;
};

// What a run consists of: the shared module, the dialogs and the main window.
struct Application {
    ProgramState state;
    std::unique_ptr<Dialogs> ownDialogs;
    Dialogs* dialogs = nullptr;
    std::unique_ptr<MainWindow> window;
    ~Application();
};

// The folder of the executable when it holds resource/ and can be written (a build tree);
// otherwise the user's data folder, whose resource/ holds the user's copies of the installed data
// files, brought up to date here (shell/ResourceCopies.h).
struct ProgramFolder {
    QString path;
    QString message; // what went wrong with the copies, for the user; empty when nothing did
};
ProgramFolder resolveProgramFolder(const QString& executableFolder);

// The program's icon (desktop/pelmor.svg, built into the program).
QIcon applicationIcon();

// Japanese translations of the standard dialogs, fonts for the names the settings use, and the
// icon of every window.
void setupApplication(QApplication& app);

// Start-up: settings, data folder, the main window, the file named on the command line.
std::unique_ptr<Application> Main(const StartupOptions& options);
