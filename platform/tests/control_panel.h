// A fresh device with a white dialog-class panel on the screen, in the dialog
// font, to put controls on; and what the panel heard from them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <commctrl.h>
#include <device/message_log.h>
#include <device/paint.h>
#include <windows.h>

#include "fresh_device.h"

// A notification the panel received: WM_COMMAND or WM_HSCROLL.
struct Notice {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Notice&) const = default;
};

inline Notice Command(HWND control, int code)
{
    return {WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control)};
}

inline Notice Scroll(HWND control, int code, int position)
{
    return {WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(control)};
}

inline void PrintTo(const Notice& notice, std::ostream* out)
{
    *out << (notice.message == WM_COMMAND ? "WM_COMMAND(id " : "WM_HSCROLL(code ") << LOWORD(notice.wParam)
         << (notice.message == WM_COMMAND ? ", code " : ", position ") << static_cast<SHORT>(HIWORD(notice.wParam))
         << ", from " << notice.lParam << ")";
}

class ControlPanel : public FreshDevice {
protected:
    static constexpr RECT kPanel{0, 26, 240, 294};

    void SetUp() override
    {
        FreshDevice::SetUp();
        LOGFONTW description{};
        description.lfHeight = -11;
        description.lfWeight = FW_NORMAL;
        std::u16string(u"MS Sans Serif").copy(description.lfFaceName, LF_FACESIZE - 1);
        font = CreateFontIndirectW(&description);
        panel = CreateWindowExW(0, u"#32770", u"Panel", WS_POPUP | WS_VISIBLE, kPanel.left, kPanel.top,
                                kPanel.right - kPanel.left, kPanel.bottom - kPanel.top, nullptr, nullptr, nullptr,
                                nullptr);
        ASSERT_TRUE(panel);
    }

    void TearDown() override
    {
        DestroyWindow(panel);
        DeleteObject(font);
        FreshDevice::TearDown();
    }

    // A shown control of CLASS_NAME at RECT in the panel, in the dialog font;
    // its creation's traffic is cleared from the log.
    HWND Make(LPCWSTR className, LPCWSTR text, DWORD style, RECT rect, int id = 100)
    {
        HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                       rect.right - rect.left, rect.bottom - rect.top, panel,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        EXPECT_TRUE(control);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        device::DeliverPaints();
        device::ClearMessageLog();
        return control;
    }

    // The notifications the panel received since the log was last cleared,
    // and the log cleared again.
    std::vector<Notice> Notices() const
    {
        std::vector<Notice> notices;
        for (const device::MessageRecord& record : device::MessageLog())
            if (record.window == panel && (record.message == WM_COMMAND || record.message == WM_HSCROLL))
                notices.push_back({record.message, record.wParam, record.lParam});
        device::ClearMessageLog();
        return notices;
    }

    HWND panel = nullptr;
    HFONT font = nullptr;
};
