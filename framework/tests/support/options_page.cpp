#include "options_page.h"

#include <commctrl.h>

namespace {

const WCHAR kPageClass[] = TEXT("OptionsPageParent");
const int kPageWidth = 240;
const int kPageHeight = 268;
const int kTaskBarHeight = 26;

void RegisterPageClass()
{
    WNDCLASSW pageClass = {};
    pageClass.lpfnWndProc = DefWindowProcW;
    pageClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    pageClass.lpszClassName = kPageClass;
    RegisterClassW(&pageClass);
}

}  // namespace

const PageControl kOptionsPageControls[11] = {
    {2000, TEXT("msctls_trackbar32"), WS_TABSTOP | TBS_AUTOTICKS, {15, 70, 233, 86}, TEXT("Slider1")},
    {2001, TEXT("msctls_trackbar32"), WS_TABSTOP | TBS_AUTOTICKS, {15, 115, 233, 131}, TEXT("Slider2")},
    {2002, TEXT("Button"), WS_TABSTOP | BS_AUTOCHECKBOX, {8, 34, 233, 50}, TEXT("Character repeat")},
    {2004, TEXT("Static"), SS_LEFT, {15, 55, 233, 68}, TEXT("Repeat delay:")},
    {2005, TEXT("Static"), SS_LEFT, {15, 102, 233, 115}, TEXT("Repeat rate:")},
    {2006, TEXT("Static"), SS_LEFT, {20, 88, 126, 101}, TEXT("Long")},
    {2007, TEXT("Static"), SS_RIGHT, {126, 88, 228, 101}, TEXT("Short")},
    {2008, TEXT("Static"), SS_LEFT, {20, 133, 126, 146}, TEXT("Slow")},
    {2009, TEXT("Static"), SS_RIGHT, {126, 133, 228, 146}, TEXT("Fast")},
    {2010, TEXT("Button"), WS_TABSTOP | BS_AUTOCHECKBOX, {8, 150, 233, 166}, TEXT("Use colored keyboard")},
    {2011, TEXT("Static"), SS_LEFT, {8, 8, 233, 21}, TEXT("Options: ")},
};

HWND CreatePage(const PageControl* controls, int count)
{
    RegisterPageClass();
    HWND page = CreateWindowExW(0, kPageClass, TEXT(""), WS_POPUP | WS_VISIBLE, 0, kTaskBarHeight, kPageWidth,
                                kPageHeight, nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; page && i < count; ++i) {
        const PageControl& control = controls[i];
        const RECT& rect = control.rect;
        CreateWindowExW(0, control.className, control.text, WS_CHILD | WS_VISIBLE | control.style, rect.left,
                        rect.top, rect.right - rect.left, rect.bottom - rect.top, page,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), nullptr, nullptr);
    }
    return page;
}

HWND CreateOptionsPage() { return CreatePage(kOptionsPageControls, 11); }

std::u16string TextOf(HWND window)
{
    WCHAR text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

RECT PlaceOf(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    POINT topLeft = {rect.left, rect.top};
    ScreenToClient(GetParent(child), &topLeft);
    return {topLeft.x, topLeft.y, topLeft.x + rect.right - rect.left, topLeft.y + rect.bottom - rect.top};
}
