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
    void openProject(const QString& fil);
    void saveProject();

    QString projectFile;
    // Entries of the project file that did not fit into the window; saving writes them back.
    QStringList unopenedEntries;

    // A name for a new project made of today's date, usable as a file name.
    static QString defaultProjectName();

private:
    // Where the entries of a project go: an entry that a document holds already stays in that
    // document and is not read again, an entry listed twice is opened once, and the others go,
    // in order, into the documents that hold none of the project's files, then into new ones.
    struct Plan {
        QStringList toRead;
        QList<int> targets; // the document of each entry to read; documentCount() and up are new
    };
    Plan planProject(const QStringList& entries) const;

    Workspace& ws;
    DocumentFiles& files;
};
