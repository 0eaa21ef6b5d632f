// The soft keyboard's settings, under its product key.
#pragma once

#include "reg_bool_setting.h"
#include "reg_int_setting.h"
#include "reg_range_setting.h"
#include "settings_record.h"

class KeyboardSettings : public SettingsRecord {
public:
    // Opens PATH under HKEY_CURRENT_USER, creating it when missing. A key that
    // cannot be opened leaves every setting at its default.
    explicit KeyboardSettings(LPCWSTR path);
    ~KeyboardSettings() override;
    KeyboardSettings(const KeyboardSettings&) = delete;
    KeyboardSettings& operator=(const KeyboardSettings&) = delete;

    bool Reload() override;

private:
    HKEY key;

public:
    RegBoolSetting repeat;
    RegRangeSetting repeatDelay;  // 0 waits longest before the first repeat
    RegRangeSetting repeatRate;   // 0 repeats slowest
    RegBoolSetting colored;
    RegIntSetting interfaceLanguage;  // never written by the keyboard
};
