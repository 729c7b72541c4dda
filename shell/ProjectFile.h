#pragma once

#include <QString>
#include <QStringList>

// A project file: one full path a line, one line a document in tab order, CR LF after each.
inline constexpr int MaxProjectLines = 101;

// The lines of a project file's text (a line break at the very end adds no line); `tooMany` when
// it holds more than MaxProjectLines lines, in which case nothing of it is opened.
struct ProjectLines {
    QStringList lines;
    bool tooMany = false;
};
ProjectLines parseProjectFile(const QString& text);

// The text of a project file for these entries.
QString projectFileText(const QStringList& entries);
