// Message boxes as the driver sees them: each one shown is recorded and takes
// the next queued answer. A box shown with none queued fails at once (0, and
// a device fault), unless boxes wait for the user: then it asks the user's
// hand (<device/dialogs.h>) for the user's next action until one queues its
// answer, and fails only when the hand has nothing more to do.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace device {

struct MessageBoxRecord {
    HWND owner;
    std::u16string text;
    std::u16string caption;
    UINT style;
    int answer;  // 0 when none was queued
};

void QueueMessageBoxAnswer(int answer);

// Off until asked: a script queues its answers before the box shows.
void SetMessageBoxesWaitForUser(bool wait);

// The innermost box shown and waiting for its answer; null when none is.
const MessageBoxRecord* WaitingMessageBox();

size_t PendingMessageBoxAnswers();
const std::vector<MessageBoxRecord>& MessageBoxLog();
size_t MessageBoxLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearMessageBoxLog();

}  // namespace device
