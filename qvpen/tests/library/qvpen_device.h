// A fresh device with the built qvpen library placed and registered, and
// helpers to select it, pick a table as another program would, and write.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string_view>

#include "fresh_device.h"

extern const CLSID kQvpen;

// Places the built library on the device and registers it.
void InstallQvpen();

class QvpenDevice : public FreshDevice {
protected:
    // Installed, made the current input method and shown.
    void SetUp() override;

    // Writes QVPenTranslitTable into the registry; the recogniser reads it
    // when the panel is next shown.
    void StoreSelectedTable(DWORD number);
    // Writes each character in turn; '\b' is the recogniser's Backspace stroke.
    void Write(std::u16string_view strokes);
};
