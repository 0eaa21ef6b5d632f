#include "gdi/text_run.h"

#include "gdi/mono_colour.h"

namespace platform::gdi {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void DrawGlyph(const Canvas& canvas, const Glyph& glyph, POINT origin, COLORREF stored)
{
    RECT box{origin.x + glyph.left, origin.y - glyph.top, origin.x + glyph.left + glyph.width,
             origin.y - glyph.top + glyph.rows};
    ForEachSpan(canvas, box, [&](LONG y, LONG left, LONG right) {
        COLORREF* row = canvas.surface->Row(y);
        size_t inkRow = static_cast<size_t>(y - canvas.origin.y - box.top) * glyph.width;
        for (LONG x = left; x < right; ++x)
            if (glyph.ink[inkRow + (x - canvas.origin.x - box.left)]) row[x] = stored;
    });
}

}  // namespace

std::u32string CodePoints(std::u16string_view text)
{
    std::u32string points;
    for (size_t at = 0; at < text.size(); ++at) {
        char16_t unit = text[at];
        if (IsHighSurrogate(unit) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
            points.push_back(0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[at + 1] - 0xDC00));
            ++at;
        } else {
            points.push_back(IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit);
        }
    }
    return points;
}

int RunWidth(TypeFace& face, std::u32string_view text, const int* advances)
{
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) width += advances ? advances[i] : face.GlyphOf(text[i]).advance;
    return width;
}

void DrawRun(const Canvas& canvas, TypeFace& face, std::u32string_view text, POINT topLeft, COLORREF colour,
             const int* advances)
{
    if (!canvas.surface) return;
    COLORREF stored = OnSurface(*canvas.surface, colour);
    POINT pen{topLeft.x, topLeft.y + face.Ascent()};
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph& glyph = face.GlyphOf(text[i]);
        DrawGlyph(canvas, glyph, pen, stored);
        pen.x += advances ? advances[i] : glyph.advance;
    }
}

}  // namespace platform::gdi
