#include "keyboard_settings.h"

#include "product_key.h"

KeyboardSettings::KeyboardSettings(LPCWSTR path)
    : key(OpenProductKey(path)),
      repeat(key, TEXT("KbdRepeat"), true),
      repeatDelay(key, TEXT("KbdRepeatDelay"), 4, 0, 9),
      repeatRate(key, TEXT("KbdRepeatRate"), 4, 0, 9),
      colored(key, TEXT("KbdColored"), true),
      interfaceLanguage(key, TEXT("InterfaceLang"), 1033)
{
}

KeyboardSettings::~KeyboardSettings()
{
    if (key) RegCloseKey(key);
}

bool KeyboardSettings::Reload()
{
    // Every setting is re-read even once a change has been seen.
    bool changed = repeat.Reload();
    changed = repeatDelay.Reload() || changed;
    changed = repeatRate.Reload() || changed;
    changed = colored.Reload() || changed;
    changed = interfaceLanguage.Reload() || changed;
    return changed;
}
