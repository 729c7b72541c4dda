#pragma once

#include "platform/SharedConstants.h"
#include "shell/SettingsStore.h"

#include <QString>

// The application name and section that settings calls pass; the store ignores both.
inline const QString SettingsApp = QStringLiteral("Pelmor");
inline const QString SettingsSection = QStringLiteral("Settings");

// The most documents the window holds (indexes 0 to 50).
inline constexpr int MaxDocuments = 51;

// State of the shared module: the settings table and the flags and values that several
// subsystems read.
struct Module1 {
    SettingsStore ini;
    QString programFolder;  // holds Pelmor.ini, pelmor.ten and resource/
    QString dataFolder;     // the folder start-up chose for the first document
    QString commandLine;    // as given, before quotes are removed
    bool AutoCreating = false;
    int CmdcMode = 0;
    QString LastPath;

    QString iniPath() const { return programFolder + QStringLiteral("/Pelmor.ini"); }
    QString resourcePath(const QString& name) const { return programFolder + QStringLiteral("/resource/") + name; }
};
