#pragma once

#include "support/AppFixture.h"

#include "platform/ControlRegistry.h"

#include <QString>

class QLineEdit;
class QObject;

// The real main window with the data files the tool windows read.
class ToolWindowTest : public AppFixture {
protected:
    // Copies a file of the program's resource/ into the test's program folder.
    void copyResource(const QString& name);
    // Writes a resource file of the test's own (UTF-8; "\n" becomes CR LF).
    void writeResource(const QString& name, const QString& text);
    // The main window's box, registered here as a plain text box when no panel has made it yet.
    QObject* box(ControlId id);
    static QString boxText(const QObject* box);
    static void setBoxText(QObject* box, const QString& text);
};
