#pragma once

#include <QString>

class fomPelmor;

// Projects: a list of document files saved from and reopened into the tabs; and initialising
// the window to a single empty document.
class Projects {
public:
    explicit Projects(fomPelmor& window) : w(window) {}

    // Reads a project file into the documents; an empty path asks for one.
    void OpenProject(const QString& fil);
    void SaveProject();
    void Allclear();

    QString ProjectFile;

    // A name for a new project made of today's date, usable as a file name.
    static QString defaultProjectName();

private:
    fomPelmor& w;
};
