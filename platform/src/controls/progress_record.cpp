#include "controls/progress_record.h"

#include <device/dialogs.h>
#include <device/progress_bars.h>

namespace {

std::optional<device::ProgressBarRecord> last;
device::ProgressBarWatcher watcher;

}  // namespace

namespace platform::controls {

void NoteProgressBar(HWND bar, int minimum, int maximum, int position)
{
    HWND parent = GetParent(bar);
    std::string dialog = parent && device::IsDialog(parent) ? device::DialogName(parent) : "";
    last = device::ProgressBarRecord{dialog, minimum, maximum, position};
    // A copy: the watcher may replace itself while it runs.
    if (device::ProgressBarWatcher current = watcher) current(*last);
}

void ForgetProgressBars()
{
    last.reset();
    watcher = nullptr;
}

}  // namespace platform::controls

namespace device {

std::optional<ProgressBarRecord> LastProgressBar() { return last; }

void WatchProgressBars(ProgressBarWatcher next) { watcher = std::move(next); }

}  // namespace device
