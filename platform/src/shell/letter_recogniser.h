// The platform's letter recogniser input method: a writing area of 240 x 80
// at the bottom of the input panel, with button images of its own. It reports
// what the driver writes in it (device/recogniser.h) to its callback as the
// platform recogniser does: a character as a key-down and a key-up event, its
// Backspace stroke as the virtual key going down and up.
#pragma once

#include <commctrl.h>

#include "shell/panel_input_method.h"

namespace platform::shell {

HRESULT CreateLetterRecogniser(IUnknown* outer, REFIID riid, void** ppv);

class LetterRecogniser final : public PanelInputMethod {
public:
    LetterRecogniser();
    ~LetterRecogniser() override;
    LetterRecogniser(const LetterRecogniser&) = delete;
    LetterRecogniser& operator=(const LetterRecogniser&) = delete;

    // The recogniser whose writing area is shown, or null.
    static LetterRecogniser* Shown();
    static int Live();

    void Recognise(WCHAR character);
    void RecogniseBackspace();

private:
    IMINFO Info() const override;

    HIMAGELIST narrowImages;  // owned: the 16-pixel button images
    HIMAGELIST wideImages;    // owned: the 32-pixel button images
};

// Whether the device has the class; a fresh device has.
void SetLetterRecogniserPresent(bool present);

}  // namespace platform::shell
