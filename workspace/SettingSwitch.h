#pragma once

#include "platform/StateValue.h"
#include "workspace/Settings.h"

// A switch kept in the settings (the automatic run, help in a browser window): `load` takes its
// value from the settings, and every later change is stored back under its key.
class SettingSwitch : public BoolState {
public:
    SettingSwitch(Settings& settings, const FlagSetting& key);
    void loadStored();

private:
    Settings& settings_;
    const FlagSetting& key_;
    bool loading_ = false;
};
