#pragma once

#include <QString>
#include <QStringList>

class DocumentFiles;
class Workspace;

// Projects: a list of document files saved from and reopened into the tabs.
class Projects {
public:
    Projects(Workspace& workspace, DocumentFiles& files);

    // Reads a project file into the documents; an empty path asks for one.
    void OpenProject(const QString& fil);
    void SaveProject();

    QString ProjectFile;
    // Entries of the project file that did not fit into the window; saving writes them back.
    QStringList UnopenedEntries;

    // A name for a new project made of today's date, usable as a file name.
    static QString defaultProjectName();

private:
    Workspace& ws;
    DocumentFiles& files;
};
