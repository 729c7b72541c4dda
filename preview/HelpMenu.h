#pragma once

#include "workspace/SettingSwitch.h"

class CommandRegistry;

// The help menu `mhelp` and its switch: whether help pages open in a browser window of their own
// instead of the help pane.
class HelpMenu {
public:
    explicit HelpMenu(Settings& settings);

    SettingSwitch HelpInBrowserWindow;
    void declareMenu(CommandRegistry& commands);
};
