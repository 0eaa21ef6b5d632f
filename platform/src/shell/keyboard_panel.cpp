#include "shell/keyboard_panel.h"

#include <string_view>

#include <windows.h>

#include "controls/control_drawing.h"

namespace {

struct Key {
    const char16_t* label;
    int width;  // pixels
};

constexpr int kRowHeight = 16;
constexpr int kLetter = 16;

// Five rows of 240 pixels each.
const Key kRow1[] = {{u"`", kLetter}, {u"1", kLetter}, {u"2", kLetter}, {u"3", kLetter}, {u"4", kLetter},
                     {u"5", kLetter}, {u"6", kLetter}, {u"7", kLetter}, {u"8", kLetter}, {u"9", kLetter},
                     {u"0", kLetter}, {u"-", kLetter}, {u"=", kLetter}, {u"\u2190", 32}};
const Key kRow2[] = {{u"Tab", 24},    {u"q", kLetter}, {u"w", kLetter}, {u"e", kLetter}, {u"r", kLetter},
                     {u"t", kLetter}, {u"y", kLetter}, {u"u", kLetter}, {u"i", kLetter}, {u"o", kLetter},
                     {u"p", kLetter}, {u"[", kLetter}, {u"]", kLetter}, {u"\\", 24}};
const Key kRow3[] = {{u"CAP", 28},    {u"a", kLetter}, {u"s", kLetter}, {u"d", kLetter}, {u"f", kLetter},
                     {u"g", kLetter}, {u"h", kLetter}, {u"j", kLetter}, {u"k", kLetter}, {u"l", kLetter},
                     {u";", kLetter}, {u"'", kLetter}, {u"\u21B5", 36}};
const Key kRow4[] = {{u"Shift", 36},  {u"z", kLetter}, {u"x", kLetter}, {u"c", kLetter},
                     {u"v", kLetter}, {u"b", kLetter}, {u"n", kLetter}, {u"m", kLetter},
                     {u",", kLetter}, {u".", kLetter}, {u"/", kLetter}, {u"Shift", 44}};
const Key kRow5[] = {{u"Ctl", 28},         {u"\u00E1\u00FC", 28}, {u"", 120},          {u"\u2190", kLetter},
                     {u"\u2191", kLetter}, {u"\u2193", kLetter},  {u"\u2192", kLetter}};

struct Row {
    const Key* keys;
    size_t count;
};

const Row kRows[] = {{kRow1, std::size(kRow1)},
                     {kRow2, std::size(kRow2)},
                     {kRow3, std::size(kRow3)},
                     {kRow4, std::size(kRow4)},
                     {kRow5, std::size(kRow5)}};

HFONT CreateKeyFont()
{
    LOGFONTW font = {};
    font.lfHeight = -9;
    std::u16string_view face = u"Tahoma";
    face.copy(font.lfFaceName, face.size());
    return CreateFontIndirectW(&font);
}

void DrawKey(HDC hdc, const Key& key, RECT box)
{
    platform::controls::FillColour(hdc, box, GetSysColor(COLOR_WINDOW));
    platform::controls::DrawFrame(hdc, box, GetSysColor(COLOR_BTNSHADOW));
    std::u16string_view label = key.label;
    DrawTextW(hdc, label.data(), static_cast<int>(label.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Paint(HWND panel)
{
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(panel, &paint);
    RECT client;
    GetClientRect(panel, &client);
    platform::controls::FillColour(hdc, client, GetSysColor(COLOR_BTNFACE));
    HFONT font = CreateKeyFont();
    HGDIOBJ previous = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    int top = 0;
    for (const Row& row : kRows) {
        int left = 0;
        for (size_t key = 0; key < row.count; ++key) {
            DrawKey(hdc, row.keys[key], {left, top, left + row.keys[key].width, top + kRowHeight});
            left += row.keys[key].width;
        }
        top += kRowHeight;
    }
    SelectObject(hdc, previous);
    DeleteObject(font);
    EndPaint(panel, &paint);
}

}  // namespace

namespace platform::shell {

LRESULT CALLBACK KeyboardPanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        Paint(panel);
        return 0;
    }
    return DefWindowProcW(panel, message, wParam, lParam);
}

}  // namespace platform::shell
