#pragma once

#include "preview/HelpPages.h"
#include "workspace/SettingSwitch.h"

class CommandRegistry;
class HelpPane;
class QMenu;

// The help menu: the help index, the switch that opens help pages in a browser window of
// their own instead of the help pane, and the help pages.
class HelpMenu {
public:
    explicit HelpMenu(Settings& settings);

    SettingSwitch helpInBrowserWindow;
    void declareMenu(CommandRegistry& commands, HelpPane& pane);
    // The Help menu on the menu bar, once declared.
    QMenu* menu() const { return menu_; }

private:
    HelpPane* pane_ = nullptr;
    QMenu* menu_ = nullptr;
};
