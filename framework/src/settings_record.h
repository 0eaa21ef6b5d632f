// The settings of one input method, held in memory between the moments they
// are read: at load, before the panel shows, before the options dialog.
#pragma once

class SettingsRecord {
public:
    virtual ~SettingsRecord() = default;
    // Re-reads every setting; true when any of them changed.
    virtual bool Reload() = 0;
};
