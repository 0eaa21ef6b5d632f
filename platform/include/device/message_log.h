// Every message delivered to a window procedure, in delivery order: those a
// caller sends and those the platform sends itself (WM_CREATE, WM_SIZE, ...).
// A message sent from inside a window procedure follows the one being handled.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace device {

struct MessageRecord {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;  // pointers it carries may be gone by the time it is read
    std::u16string className;
};

const std::vector<MessageRecord>& MessageLog();
size_t MessageLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearMessageLog();

// "WM_CREATE" for the messages the platform names, else the number ("0x0401").
std::string MessageName(UINT message);

}  // namespace device
