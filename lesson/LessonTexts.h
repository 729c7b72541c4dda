#pragma once

#include <QString>

// The texts of the lesson window.
namespace lesson_texts {

// The window's caption before the first step.
QString windowCaption();
// The caption after a step: the line at which that step began.
QString stepCaption(const QString& stepMark);
// The seven lines shown when the lesson opens, each followed by CR LF.
QString welcomeText();
// The script cannot be read.
QString scriptUnreadable(const QString& path);
// The lesson folder cannot be made.
QString folderUnwritable(const QString& folder);
// A page of the lesson cannot be written.
QString pageUnwritable(const QString& path);

// The file name of the lesson script in resource/, and of the stylesheet the lesson makes.
QString scriptFileName();
QString stylesheetName();

} // namespace lesson_texts
