#pragma once

#include <QString>
#include <vector>

// A help page of the resource folder, by the number of the help menu item that opens it.
struct HelpPage {
    int number;
    QString file;
    QString caption;
};
const std::vector<HelpPage>& helpPages();
// The file of a page number; empty when the number names no page.
QString helpPageFile(int number);
// The page that stands in for the help file: the menu's first item opens it.
inline const QString HelpIndexPage = QStringLiteral("pelmorindex.html");
// A page of the program folder's resource folder.
QString helpPagePath(const QString& programFolder, const QString& file);
