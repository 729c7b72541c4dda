#pragma once

#include "platform/SharedConstants.h"
#include "workspace/Settings.h"
#include "workspace/SettingsStore.h"

#include <QString>

// The most documents the window holds (indexes 0 to 50).
inline constexpr int MaxDocuments = 51;

// The program's shared state: the settings table and the folders and flags that several
// subsystems read.
struct ProgramState {
    ProgramState() = default;
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    SettingsStore ini;
    Settings settings{ini};
    QString programFolder;  // holds Pelmor.ini, pelmor.ten and resource/
    QString dataFolder;     // the folder start-up chose for the first document
    QString commandLine;    // as given, before quotes are removed
    // True only while automatic creation runs: the undo ring takes no snapshots then.
    bool autoCreating = false;
    // The full path last chosen in the open dialog or of the project opened.
    QString lastPath;

    QString iniPath() const { return programFolder + QStringLiteral("/Pelmor.ini"); }
    QString resourcePath(const QString& name) const { return programFolder + QStringLiteral("/resource/") + name; }
};
