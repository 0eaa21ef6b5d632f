#include "controls/text_measure.h"

#include "controls/control_drawing.h"

namespace platform::controls {

TextMeasure::TextMeasure(HWND control, HFONT font)
    : control_(control), context_(GetDC(control)), previousFont_(SelectObject(context_, DrawingFont(font)))
{
}

TextMeasure::~TextMeasure()
{
    SelectObject(context_, previousFont_);
    ReleaseDC(control_, context_);
}

int TextMeasure::Width(std::u16string_view text) const { return TextWidth(context_, text); }

int TextMeasure::LineHeight() const { return controls::LineHeight(context_); }

}  // namespace platform::controls
