#pragma once

#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "support/QtPrinters.h"
#include "support/ScriptedDialogs.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Builds the real main window in a temporary program folder, offscreen, with scripted dialogs.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program; the command line is the text after the program's name.
    MainWindow& start(const QString& commandLine = QString());
    // Quits through the window's close box; true when the window closed.
    bool quit();
    // Ends the run without its questions (the window is destroyed).
    void stop();

    MainWindow& w() { return *app->window; }
    QString path(const QString& name) const { return programFolder + QLatin1Char('/') + name; }
    void writeFile(const QString& path, const QByteArray& bytes) const;
    // Copies a data file the program ships into the program folder's resource/.
    void useShippedResource(const QString& name) const;
    QByteArray readFile(const QString& path) const;

    QTemporaryDir temp;
    QString programFolder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Application> app;
};
