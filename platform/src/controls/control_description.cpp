// DescribeControl: one line a person reads, and a script compares, for each
// control of a dialog.
#include <device/controls.h>
#include <device/text.h>

#include "controls/control_readings.h"
#include "controls/window_place.h"
#include "kernel/quoted_text.h"

namespace {

using namespace platform::controls;

std::string ClassOf(HWND control)
{
    WCHAR name[64];
    int length = GetClassNameW(control, name, 64);
    return device::Utf8(std::u16string_view(name, static_cast<size_t>(length)));
}

std::string Quoted(const std::u16string& text) { return platform::kernel::QuotedText({text.begin(), text.end()}); }

std::string CheckWord(UINT check)
{
    switch (check) {
    case BST_CHECKED:
        return " checked";
    case BST_INDETERMINATE:
        return " indeterminate";
    default:
        return " unchecked";
    }
}

std::string StateWords(const ControlReading& reading)
{
    std::string words;
    if (reading.check) words += CheckWord(*reading.check);
    if (const auto& at = reading.position)
        words += " position " + std::to_string(at->position) + " of " + std::to_string(at->minimum) + ".." +
                 std::to_string(at->maximum);
    if (const auto& rows = reading.selection)
        words += " selected " + (rows->selected < 0 ? std::string("none") : std::to_string(rows->selected)) +
                 " of " + std::to_string(rows->count);
    if (reading.dropped) words += " dropped";
    return words;
}

std::string RectWords(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) +
           "," + std::to_string(rect.bottom) + ")";
}

}  // namespace

namespace device {

std::string DescribeControl(HWND control)
{
    if (!IsWindow(control)) return "no window";
    ControlReading reading = ReadControl(control);
    return std::to_string(GetDlgCtrlID(control)) + " " + ClassOf(control) + " " + Quoted(reading.text) +
           (IsWindowEnabled(control) ? " enabled" : " disabled") + (IsWindowVisible(control) ? "" : " hidden") +
           StateWords(reading) + " " + RectWords(PlaceInParent(control));
}

}  // namespace device
