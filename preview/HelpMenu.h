#pragma once

#include "preview/HelpPages.h"
#include "workspace/SettingSwitch.h"

class CommandRegistry;
class HelpPane;

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
