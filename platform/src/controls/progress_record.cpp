#include "controls/progress_record.h"

#include <device/dialogs.h>
#include <device/progress_bars.h>

namespace {

std::optional<device::ProgressBarRecord> last;

}  // namespace

namespace platform::controls {

void NoteProgressBar(HWND bar, int minimum, int maximum, int position)
{
    HWND parent = GetParent(bar);
    std::string dialog = parent && device::IsDialog(parent) ? device::DialogName(parent) : "";
    last = device::ProgressBarRecord{dialog, minimum, maximum, position};
}

void ForgetProgressBars() { last.reset(); }

}  // namespace platform::controls

namespace device {

std::optional<ProgressBarRecord> LastProgressBar() { return last; }

}  // namespace device
