#include "shell/callback_log.h"

#include <cstdio>

#include <device/text.h>

namespace {

std::vector<device::CallbackRecord> records;

bool IsHighSurrogate(UINT unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(UINT unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string Hex(UINT value, int minimumDigits = 1)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", minimumDigits, value);
    return text;
}

std::string Escape(UINT unit)
{
    switch (unit) {
    case u'"': return "\\\"";
    case u'\\': return "\\\\";
    case 0x08: return "\\b";
    case 0x09: return "\\t";
    case 0x0A: return "\\n";
    case 0x0D: return "\\r";
    default: break;
    }
    if (unit < 0x20 || unit == 0x7F || unit > 0xFFFF || IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
        char text[24];
        std::snprintf(text, sizeof text, "\\x{%X}", unit);
        return text;
    }
    return device::Utf8(std::u16string(1, static_cast<char16_t>(unit)));
}

std::string Quoted(const std::vector<UINT>& units)
{
    std::string text = "\"";
    for (size_t i = 0; i < units.size(); ++i) {
        if (IsHighSurrogate(units[i]) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            text += device::Utf8(std::u16string{static_cast<char16_t>(units[i]), static_cast<char16_t>(units[i + 1])});
            ++i;
        } else {
            text += Escape(units[i]);
        }
    }
    return text + "\"";
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

void RecordCallback(device::CallbackRecord record) { records.push_back(std::move(record)); }

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
               std::to_string(record.count) + ", " + Quoted(record.characters) + ShiftsIfUnusual(record) + ")";
    case CallbackRecord::Call::SendString:
        return "SendString(" + Quoted(record.characters) + ", " + std::to_string(record.count) + ")";
    }
    return "";
}

const std::vector<CallbackRecord>& CallbackLog() { return records; }

std::vector<std::string> CallbackLogLines()
{
    std::vector<std::string> lines;
    for (const CallbackRecord& record : records) lines.push_back(DescribeCallback(record));
    return lines;
}

void ClearCallbackLog() { records.clear(); }

}  // namespace device
