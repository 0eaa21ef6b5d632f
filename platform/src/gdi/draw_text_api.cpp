#include <winuser.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gdi/gdi_object_table.h"
#include "gdi/prefixed_text.h"
#include "gdi/selected_face.h"
#include "gdi/text_run.h"
#include "gdi/word_wrap.h"
#include "kernel/api_guard.h"

namespace {

using namespace platform::gdi;

// "\r\n", "\n" and "\r" each end a line; a single-line format keeps them.
std::vector<std::u16string_view> LinesOf(std::u16string_view text, UINT format)
{
    if (format & DT_SINGLELINE) return {text};
    std::vector<std::u16string_view> lines;
    size_t start = 0;
    for (size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != u'\r' && text[at] != u'\n') continue;
        lines.push_back(text.substr(start, at - start));
        if (at + 1 < text.size() && text[at] == u'\r' && text[at + 1] == u'\n') ++at;
        start = at + 1;
    }
    return lines;
}

PrefixedText Shown(std::u16string_view line, UINT format)
{
    return format & DT_NOPREFIX ? PrefixedText{std::u16string(line), {}} : WithoutPrefixes(line);
}

// Each line of the text, broken further between words to fit the rectangle
// when the format asks for it.
std::vector<PrefixedText> ShownLines(TypeFace& face, std::u16string_view text, const RECT& rect, UINT format)
{
    auto width = [&](std::u16string_view piece) { return RunWidth(face, CodePoints(Shown(piece, format).shown)); };
    bool wrapping = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    std::vector<PrefixedText> lines;
    for (std::u16string_view line : LinesOf(text, format)) {
        if (!wrapping) {
            lines.push_back(Shown(line, format));
            continue;
        }
        for (std::u16string_view piece : WrapWords(line, rect.right - rect.left, width))
            lines.push_back(Shown(piece, format));
    }
    return lines;
}

int LeftOf(const RECT& rect, int width, UINT format)
{
    if (format & DT_CENTER) return rect.left + (rect.right - rect.left - width) / 2;
    if (format & DT_RIGHT) return rect.right - width;
    return rect.left;
}

// Vertical placement is for a single line only, as on the platform.
int TopOf(const RECT& rect, int height, UINT format)
{
    if (!(format & DT_SINGLELINE)) return rect.top;
    if (format & DT_VCENTER) return rect.top + (rect.bottom - rect.top - height) / 2;
    if (format & DT_BOTTOM) return rect.bottom - height;
    return rect.top;
}

void Underline(const Canvas& canvas, TypeFace& face, const PrefixedText& line, POINT at, COLORREF colour)
{
    for (size_t position : line.underlined) {
        std::u32string before = CodePoints(std::u16string_view(line.shown).substr(0, position));
        std::u32string marked = CodePoints(std::u16string_view(line.shown).substr(position, 1));
        int left = at.x + RunWidth(face, before);
        int y = at.y + face.Ascent() + 1;
        FillSolid(canvas, {left, y, left + RunWidth(face, marked), y + 1}, colour);
    }
}

void DrawLine(const Canvas& canvas, const DeviceContext& context, TypeFace& face, const PrefixedText& line,
              POINT at)
{
    std::u32string text = CodePoints(line.shown);
    const ContextColours& colours = context.Colours();
    if (colours.backgroundMode == OPAQUE)
        FillSolid(canvas, {at.x, at.y, at.x + RunWidth(face, text), at.y + face.Height()}, colours.background);
    DrawRun(canvas, face, text, at, colours.text);
    Underline(canvas, face, line, at, colours.text);
}

int WriteLines(const DeviceContext& context, TypeFace& face, std::u16string_view text, RECT& rect, UINT format)
{
    std::vector<PrefixedText> lines = ShownLines(face, text, rect, format);
    int widest = 0;
    for (const PrefixedText& line : lines) widest = std::max(widest, RunWidth(face, CodePoints(line.shown)));
    int height = face.Height() * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        rect.right = rect.left + widest;
        rect.bottom = rect.top + height;
        return height;
    }
    Canvas canvas = format & DT_NOCLIP ? context.Target() : ClippedTo(context.Target(), rect);
    int y = TopOf(rect, height, format);
    for (const PrefixedText& line : lines) {
        DrawLine(canvas, context, face, line, {LeftOf(rect, RunWidth(face, CodePoints(line.shown)), format), y});
        y += face.Height();
    }
    return y - rect.top;
}

}  // namespace

// A count of -1 takes the text up to its terminating zero. The answer is the
// height of the text, or with DT_VCENTER or DT_BOTTOM how far below the
// rectangle's top the text ends; 0 on failure.
int WINAPI DrawTextW(HDC hDC, LPCWSTR lpString, int nCount, LPRECT lpRect, UINT uFormat)
{
    if (!lpRect || (!lpString && nCount != 0) || nCount < -1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return platform::kernel::Guarded(0, [&] {
        const DeviceContext* context = FindObjectOrFail<DeviceContext>(hDC);
        TypeFace* face = context ? SelectedFace(*context) : nullptr;
        if (!face) return 0;
        std::u16string_view text = nCount == -1 ? std::u16string_view(lpString)
                                   : nCount ? std::u16string_view(lpString, nCount)
                                            : std::u16string_view{};
        return WriteLines(*context, *face, text, *lpRect, uFormat);
    });
}
