// The progress bar that last changed, as the user last saw it. A dialog that
// works without a message loop (an unpacking) is usually destroyed before the
// driver can look at it, so the bar's last range and position are kept until
// the device closes or restarts.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace device {

struct ProgressBarRecord {
    std::string dialog;  // as DialogName gives it; empty when the bar is not in a dialog
    int minimum;
    int maximum;
    int position;
};

// None when no progress bar has changed since the device started.
std::optional<ProgressBarRecord> LastProgressBar();

// Called after each change of a progress bar, once the bar shows it: the
// driver's chance to look at a dialog that works without a message loop.
// One watcher at a time; an empty one stops watching, as the device's
// closing or restart does.
using ProgressBarWatcher = std::function<void(const ProgressBarRecord&)>;
void WatchProgressBars(ProgressBarWatcher watcher);

}  // namespace device
