// The script's side of the device's message boxes: which recorded boxes the
// script has checked, and on which lines it queued the answers not yet used.
#pragma once

#include <optional>
#include <vector>

#include <device/message_boxes.h>

#include "script_error.h"

class MessageBoxTracker {
public:
    // Boxes shown before the run are not the script's to check.
    MessageBoxTracker();

    void QueueAnswer(int answer, int line);

    // The oldest recorded box no "msgbox expect" has looked at yet.
    std::optional<device::MessageBoxRecord> TakeUnchecked();

    // The boxes shown since the last call, for the transcript.
    std::vector<device::MessageBoxRecord> TakeNewlyShown();

    // Queued answers no box took: the scenario waited for a box that never
    // came, and a stale answer would otherwise answer some later box. Named
    // at the line that queued the first of them (LINE_OTHERWISE when the
    // script did not queue it).
    std::optional<ScriptError> UnusedAnswers(int lineOtherwise) const;

    // A new device starts with no boxes and no answers.
    void Reset();

private:
    std::vector<int> queuedLines_;
    size_t checked_;
    size_t reported_;
};
