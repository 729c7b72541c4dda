#pragma once

#include "workspace/SettingSwitch.h"

class AutoCreateRunner;
class AutoSettingsPanel;
class CommandRegistry;

// The automatic-creation menu (auto_create_menu, autocreate/AutoCreateControls.h) and its switch: whether a text file is converted as soon
// as it is opened.
class AutoCreateMenu {
public:
    explicit AutoCreateMenu(Settings& settings);

    SettingSwitch autoRun;
    void declareMenu(CommandRegistry& commands, AutoCreateRunner& runner, AutoSettingsPanel& panel);
};
