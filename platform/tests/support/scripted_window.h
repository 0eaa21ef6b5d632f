// Windows whose procedure does what the test says before DefWindowProcW, for
// tests that drive windows by pen, timer and paint.
#pragma once

#include <functional>
#include <optional>

#include <windows.h>

#include "fresh_device.h"

// What the procedure does first; an answer given ends the message there.
using Reaction = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

// A fresh device with two classes of scripted windows: kPlainClass and
// kDoubleTapClass (CS_DBLCLKS).
class ScriptedWindows : public FreshDevice {
protected:
    static constexpr LPCWSTR kPlainClass = TEXT("Scripted");
    static constexpr LPCWSTR kDoubleTapClass = TEXT("ScriptedDoubleTap");

    void SetUp() override;
    void TearDown() override;

    // A popup, or a child of PARENT, at RECT; its first paint is delivered and
    // the log cleared, so that a test sees only its own traffic.
    HWND Create(RECT rect, HWND parent = nullptr, DWORD style = WS_VISIBLE, DWORD exStyle = 0,
                LPCWSTR className = kPlainClass);

    void React(Reaction reaction);
};
