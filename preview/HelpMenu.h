#pragma once

#include "workspace/SettingSwitch.h"

#include <QString>
#include <vector>

class CommandRegistry;
class HelpPane;

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

// The help menu `mhelp`: the help index, the switch that opens help pages in a browser window of
// their own instead of the help pane, and the help pages.
class HelpMenu {
public:
    explicit HelpMenu(Settings& settings);

    SettingSwitch HelpInBrowserWindow;
    void declareMenu(CommandRegistry& commands, HelpPane& pane);
    void mhelp_Click(int index);

private:
    HelpPane* pane_ = nullptr;
};
