#include "kernel/message_box.h"

#include <device/bounded_log.h>

#include <deque>

#include <device/faults.h>
#include <device/message_boxes.h>
#include <device/text.h>
#include <winuser.h>

#include "user/dialog_modal.h"
#include "user/idle_delivery.h"

namespace {

std::deque<int> answers;
device::BoundedLog<device::MessageBoxRecord> shown;
bool waitForUser = false;
std::vector<device::MessageBoxRecord> waiting;  // boxes shown while another waits stack up

// Asks the user until an answer is queued or the hand gives up.
void WaitForAnswer(const device::MessageBoxRecord& record)
{
    waiting.push_back(record);
    for (;;) {
        platform::user::PaintAll();
        if (!answers.empty() || !platform::user::AskUserHand(record.owner)) break;
    }
    waiting.pop_back();
}

std::u16string TextOrEmpty(LPCWSTR text) { return text ? std::u16string(text) : std::u16string(); }

}  // namespace

namespace platform::kernel {

void ResetMessageBoxes()
{
    answers.clear();
    shown.Clear();
}

}  // namespace platform::kernel

namespace device {

void QueueMessageBoxAnswer(int answer) { answers.push_back(answer); }

void SetMessageBoxesWaitForUser(bool wait) { waitForUser = wait; }

const MessageBoxRecord* WaitingMessageBox() { return waiting.empty() ? nullptr : &waiting.back(); }

size_t PendingMessageBoxAnswers() { return answers.size(); }

const std::vector<MessageBoxRecord>& MessageBoxLog() { return shown.Entries(); }

size_t MessageBoxLogDropped() { return shown.Dropped(); }

void ClearMessageBoxLog() { shown.Clear(); }

}  // namespace device

// A modal box with nobody to answer it would hang a real device; here it
// fails the way MessageBoxW fails (0) and leaves a fault that names it.
int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType)
{
    device::MessageBoxRecord record{hWnd, TextOrEmpty(lpText), TextOrEmpty(lpCaption), uType, 0};
    if (answers.empty() && waitForUser) WaitForAnswer(record);
    if (answers.empty()) {
        device::ReportFault("unanswered message box \"" + device::Utf8(record.text) + "\" (caption \"" +
                            device::Utf8(record.caption) + "\")");
    } else {
        record.answer = answers.front();
        answers.pop_front();
    }
    shown.Add(record);
    return record.answer;
}
