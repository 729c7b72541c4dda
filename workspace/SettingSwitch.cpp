#include "workspace/SettingSwitch.h"

SettingSwitch::SettingSwitch(Settings& settings, const FlagSetting& key)
    : BoolState(key.defaultValue)
    , settings_(settings)
    , key_(key)
{
    connect(this, &BoolState::changed, this, [this](bool value) {
        if (!loading_)
            settings_.set(key_, value);
    });
}

void SettingSwitch::loadStored()
{
    loading_ = true;
    set(settings_.get(key_));
    loading_ = false;
}
