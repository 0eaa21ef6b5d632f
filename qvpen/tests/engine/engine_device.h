// The engine on a fresh device: a settings store over the device's registry,
// the transliterating callback passing on to the input panel's callback, and
// the platform's letter recogniser, shown in the panel, reporting to it.
#pragma once

#include <memory>
#include <string_view>

#include "fresh_device.h"
#include "translit_callback.h"

class EngineDevice : public FreshDevice {
protected:
    void SetUp() override;
    void TearDown() override;

    void SelectTable(LONG number) { settings->SelectNumber(number); }
    // Writes each character in turn; '\b' is the recogniser's Backspace stroke.
    void Write(std::u16string_view strokes);
    // Another key released: the engine forgets its context.
    void ForgetContext();

    std::unique_ptr<TranslitSettings> settings;
    std::unique_ptr<TranslitCallback> callback;
    IInputMethod* recogniser = nullptr;
};
