// The recogniser's settings under its product key: the number of the
// selected rule table, the 26 tables' texts and the interface language.
// One instance serves the whole process; the engine reads the selection and
// the selected text at every character, so a change made here applies at once.
#pragma once

#include <array>

#include "reg_int_setting.h"
#include "reg_range_setting.h"
#include "reg_string_setting.h"
#include "translit_tables.h"

class TranslitSettings {
public:
    // Opens PATH under HKEY_CURRENT_USER (created when missing), reads every
    // value and writes all 26 tables back, so the registry always holds them.
    explicit TranslitSettings(LPCWSTR path);
    virtual ~TranslitSettings();
    TranslitSettings(const TranslitSettings&) = delete;
    TranslitSettings& operator=(const TranslitSettings&) = delete;

    // Re-reads the selection and the tables; the interface language keeps
    // the value read at load.
    virtual void Reload();

    LONG SelectedNumber() const { return selected.Value(); }
    // Clamped to 0..26 and written at once.
    void SelectNumber(LONG number) { selected.Set(number); }
    // Tables 1 to 26; null for any other number, 0 (no table) included.
    RegStringSetting* Table(LONG number);
    LONG InterfaceLanguage() const { return interfaceLanguage.Value(); }

private:
    using Tables = std::array<RegStringSetting, kTranslitTableCount>;

    HKEY key;
    RegRangeSetting selected;
    Tables tables;
    RegIntSetting interfaceLanguage;
};
