// Message boxes as the driver sees them: each one shown is recorded and takes
// the next queued answer.
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
size_t PendingMessageBoxAnswers();
const std::vector<MessageBoxRecord>& MessageBoxLog();
size_t MessageBoxLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearMessageBoxLog();

}  // namespace device
