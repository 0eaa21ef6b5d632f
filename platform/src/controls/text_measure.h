// A control's font on a context of its window, for measuring text outside a
// paint (where the pen is in a text, how tall a row is).
#pragma once

#include <string_view>

#include <windows.h>

namespace platform::controls {

class TextMeasure {
public:
    TextMeasure(HWND control, HFONT font);
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    int Width(std::u16string_view text) const;
    int LineHeight() const;

private:
    HWND control_;
    HDC context_;
    HGDIOBJ previousFont_;
};

}  // namespace platform::controls
