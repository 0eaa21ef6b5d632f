#include "shell/callback_log.h"

#include <device/bounded_log.h>

#include <cstdio>

#include "kernel/quoted_text.h"

namespace {

device::BoundedLog<device::CallbackRecord> records;

std::string Hex(UINT value, int minimumDigits = 1)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", minimumDigits, value);
    return text;
}

std::string ShiftsIfUnusual(const device::CallbackRecord& record)
{
    bool unusual = false;
    for (UINT shift : record.shifts) unusual = unusual || shift != record.flags;
    if (!unusual) return "";
    std::string text = ", shift [";
    for (size_t i = 0; i < record.shifts.size(); ++i) text += (i ? ", " : "") + Hex(record.shifts[i]);
    return text + "]";
}

}  // namespace

namespace platform::shell {

void RecordCallback(device::CallbackRecord record) { records.Add(std::move(record)); }

}  // namespace platform::shell

namespace device {

std::string DescribeCallback(const CallbackRecord& record)
{
    const RECT& r = record.rect;
    switch (record.call) {
    case CallbackRecord::Call::SetImInfo:
        return "SetImInfo({" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
               std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}, " + Hex(record.flags) + ")";
    case CallbackRecord::Call::SendVirtualKey:
        return "SendVirtualKey(" + Hex(record.virtualKey, 2) + ", " + Hex(record.flags) + ")";
    case CallbackRecord::Call::SendCharEvents:
        return "SendCharEvents(" + Hex(record.virtualKey, 2) + ", " + Hex(record.flags) + ", " +
               std::to_string(record.count) + ", " + platform::kernel::QuotedText(record.characters) + ShiftsIfUnusual(record) + ")";
    case CallbackRecord::Call::SendString:
        return "SendString(" + platform::kernel::QuotedText(record.characters) + ", " + std::to_string(record.count) + ")";
    }
    return "";
}

const std::vector<CallbackRecord>& CallbackLog() { return records.Entries(); }

size_t CallbackLogDropped() { return records.Dropped(); }

std::vector<std::string> CallbackLogLines()
{
    std::vector<std::string> lines;
    lines.reserve(records.Entries().size());
    for (const CallbackRecord& record : records.Entries()) lines.push_back(DescribeCallback(record));
    return lines;
}

void ClearCallbackLog() { records.Clear(); }

}  // namespace device
