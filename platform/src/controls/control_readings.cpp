#include "controls/control_readings.h"

#include <algorithm>
#include <iterator>

#include <commctrl.h>

#include "controls/control_messages.h"

namespace platform::controls {

namespace {

struct ClassReader {
    LPCWSTR className;
    void (*read)(HWND, ControlReading&);
};

const ClassReader kReaders[] = {
    {u"button", ReadButton},          {u"edit", ReadEdit},
    {u"listbox", ReadListBox},        {u"combobox", ReadComboBox},
    {TRACKBAR_CLASSW, ReadTrackbar},  {PROGRESS_CLASSW, ReadProgress},
};

}  // namespace

ControlReading ReadControl(HWND control)
{
    ControlReading reading;
    reading.text = WindowText(control);
    auto reader = std::find_if(std::begin(kReaders), std::end(kReaders),
                               [&](const ClassReader& entry) { return HasClass(control, entry.className); });
    if (reader != std::end(kReaders)) reader->read(control, reading);
    return reading;
}

}  // namespace platform::controls
