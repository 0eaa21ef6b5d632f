#include <device/sip.h>
#include <device/text_editor.h>
#include <sipapi.h>

#include "callback_sequence.h"
#include "fresh_device.h"
#include "shell/sip_callback.h"

namespace {

class SipCallbackLogTest : public FreshDevice {
protected:
    std::vector<IMINFO> reported;
    platform::shell::SipCallback callback{[this](const IMINFO& info) { reported.push_back(info); }};

    void SendChars(UINT vk, UINT flags, std::vector<UINT> chars, std::vector<UINT> shifts = {})
    {
        if (shifts.empty()) shifts.assign(chars.size(), flags);
        callback.SendCharEvents(vk, flags, static_cast<UINT>(chars.size()), shifts.data(), chars.data());
    }
};

}  // namespace

TEST_F(SipCallbackLogTest, EveryCallIsRecordedInOrderAsOneReadableLine)
{
    IMINFO info = {};
    info.fdwFlags = SIPF_DOCKED | SIPF_ON;
    info.rcSipRect = {0, 214, 240, 294};
    callback.SetImInfo(&info);
    callback.SendVirtualKey(0x10, 0);
    SendChars(0x00, 0x20000080, {'A'});
    callback.SendVirtualKey(0x10, KEYEVENTF_KEYUP);
    SendChars(0x2E, 0x80, {});
    SendChars(0x00, 0x80, {0xE9, 0x42F}, {0x80, 0x20000080});
    SendChars(0x0D, 0x10040, {0x0D});
    WCHAR text[] = u"say \"hi\"\\\b\t\n\x03\U0001F600";
    callback.SendString(text, 15);
    SendChars(0x00, 0x80, {0xD800, 0x12345});

    const ExpectedCallback expected[] = {
        {"SetImInfo({0, 214, 240, 294}, 0x3)"},
        {"SendVirtualKey(0x10, 0x0)"},
        {"SendCharEvents(0x00, 0x20000080, 1, \"A\")"},
        {"SendVirtualKey(0x10, 0x2)"},
        {"SendCharEvents(0x2E, 0x80, 0, \"\")"},
        {"SendCharEvents(0x00, 0x80, 2, \"\u00E9\u042F\", shift [0x80, 0x20000080])"},
        {"SendCharEvents(0x0D, 0x10040, 1, \"\\r\")"},
        {"SendString(\"say \\\"hi\\\"\\\\\\b\\t\\n\\x{3}\U0001F600\", 15)"},
        {"SendCharEvents(0x00, 0x80, 2, \"\\x{D800}\\x{12345}\")"},
    };
    EXPECT_TRUE(CallbackLogMatches("every kind of call", expected));
    ASSERT_EQ(reported.size(), 1u) << "SetImInfo reaches the panel";
    EXPECT_EQ(reported[0].rcSipRect.top, 214);
}

TEST_F(SipCallbackLogTest, CallsWithUnreadablePointersAreRefusedAndNotRecorded)
{
    UINT flags = 0x80;
    EXPECT_EQ(callback.SetImInfo(nullptr), E_INVALIDARG);
    EXPECT_EQ(callback.SendCharEvents(0, 0x80, 1, &flags, nullptr), E_INVALIDARG);
    EXPECT_EQ(callback.SendCharEvents(0, 0x80, 1, nullptr, &flags), E_INVALIDARG);
    EXPECT_EQ(callback.SendString(nullptr, 3), E_INVALIDARG);
    EXPECT_TRUE(device::CallbackLog().empty());
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(device::EditorText(), u"");
}

TEST_F(SipCallbackLogTest, ClearingTheLogKeepsTheTextAndANewDeviceStartsEmpty)
{
    SendChars(0, 0x80, {'a'});
    EXPECT_EQ(device::CallbackLogLines(), std::vector<std::string>{"SendCharEvents(0x00, 0x80, 1, \"a\")"});
    device::ClearCallbackLog();
    EXPECT_TRUE(device::CallbackLog().empty());
    EXPECT_EQ(device::EditorText(), u"a");

    SendChars(0, 0x80, {'b'});
    ASSERT_TRUE(device::CreateFresh());
    EXPECT_TRUE(device::CallbackLog().empty());
    EXPECT_EQ(device::EditorText(), u"");
}
