#pragma once

#include "editor/HelpViewer.h"

#include <QString>
#include <vector>

// A help page of the resource folder, and the place of the help menu's item that opens it.
struct HelpPageEntry {
    HelpPage page;
    int menuIndex;
    QString file;
    QString caption;
};
const std::vector<HelpPageEntry>& helpPages();
// The file of a page.
QString helpPageFile(HelpPage page);
// The page that stands in for the help file: the menu's first item opens it.
inline const QString HelpIndexPage = QStringLiteral("pelmorindex.html");
// A page of the program folder's resource folder.
QString helpPagePath(const QString& programFolder, const QString& file);
