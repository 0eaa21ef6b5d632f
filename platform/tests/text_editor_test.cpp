#include <device/text.h>
#include <device/text_editor.h>
#include <sipapi.h>
#include <winuser.h>

#include <functional>

#include "fresh_device.h"
#include "shell/sip_callback.h"

namespace {

const UINT kDown = KeyStateDownFlag;
const UINT kUp = KeyShiftNoCharacterFlag | KeyStatePrevDownFlag;

using Event = std::function<void(IIMCallback&)>;

Event CharEvent(UINT vk, UINT flags, std::vector<UINT> characters)
{
    return [=](IIMCallback& callback) mutable {
        std::vector<UINT> shifts(characters.size(), flags);
        callback.SendCharEvents(vk, flags, static_cast<UINT>(characters.size()), shifts.data(), characters.data());
    };
}

// A tap as the keyboard sends it: key-down, then key-up, carrying the character.
std::vector<Event> Tap(UINT vk, UINT character, UINT modifiers = 0)
{
    return {CharEvent(vk, kDown | modifiers, {character}), CharEvent(vk, kUp | modifiers, {character})};
}

std::vector<Event> Type(std::u16string_view text)
{
    std::vector<Event> events;
    for (char16_t c : text) {
        std::vector<Event> tap = Tap(0, c);
        events.insert(events.end(), tap.begin(), tap.end());
    }
    return events;
}

// A key without a character, down and up.
std::vector<Event> Press(UINT vk, UINT modifiers = 0)
{
    return {CharEvent(vk, kDown | modifiers, {}), CharEvent(vk, kUp | modifiers, {})};
}

std::vector<Event> VirtualKey(BYTE vk)
{
    return {[=](IIMCallback& c) { c.SendVirtualKey(vk, 0); },
            [=](IIMCallback& c) { c.SendVirtualKey(vk, KEYEVENTF_KEYUP); }};
}

std::vector<Event> String(std::u16string text)
{
    return {[=](IIMCallback& c) mutable { c.SendString(text.data(), static_cast<DWORD>(text.size())); }};
}

std::vector<Event> Repeat(std::vector<Event> events, int times)
{
    std::vector<Event> all;
    for (int i = 0; i < times; ++i) all.insert(all.end(), events.begin(), events.end());
    return all;
}

std::vector<Event> Then(std::initializer_list<std::vector<Event>> parts)
{
    std::vector<Event> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct EditorCase {
    const char* behaviour;
    std::vector<Event> events;
    std::u16string text;
    size_t caret;
};

}  // namespace

using TextEditorTest = FreshDevice;

TEST_F(TextEditorTest, AppliesDeliveredKeysAsAnEditControlDoes)
{
    const UINT shiftFlag = KeyShiftAnyShiftFlag, ctrlFlag = KeyShiftAnyCtrlFlag;
    const EditorCase cases[] = {
        {"a character goes in at its key-down, not again at its key-up", Type(u"ab"), u"ab", 2},
        {"a key-up alone inserts nothing, whatever it carries", {CharEvent(0, kUp, {'x'})}, u"", 0},
        {"modifier flags leave the given character as it is",
         Then({Tap(0, 'a', shiftFlag), Tap(0, 'B', KeyShiftCapitalFlag | ctrlFlag)}), u"aB", 2},
        {"Backspace as a character deletes once per key-down", Then({Type(u"abc"), Tap(VK_BACK, 0x08)}), u"ab", 2},
        {"Backspace as a virtual key deletes once per key-down", Then({Type(u"abc"), VirtualKey(VK_BACK)}), u"ab", 2},
        {"Backspace at the start of the text does nothing",
         Then({Type(u"ab"), Repeat(Press(VK_LEFT), 2), Tap(VK_BACK, 0x08)}), u"ab", 0},
        {"Delete removes the character after the caret",
         Then({Type(u"abc"), Repeat(Press(VK_LEFT), 2), Press(VK_DELETE)}), u"ac", 1},
        {"Delete at the end of the text does nothing", Then({Type(u"ab"), Press(VK_DELETE)}), u"ab", 2},
        {"Left and Right move the caret and stop at the ends",
         Then({Type(u"ab"), Repeat(Press(VK_LEFT), 3), Type(u"x"), Repeat(Press(VK_RIGHT), 5)}), u"xab", 3},
        {"Enter breaks the line and Tab inserts a tab", Then({Type(u"a"), Tap(VK_RETURN, 0x0D), Tap(VK_TAB, 0x09)}),
         u"a\n\t", 3},
        {"a string goes in at the caret", Then({Type(u"ad"), Press(VK_LEFT), String(u"bc")}), u"abcd", 3},
        {"a carriage return and line feed in a string make one line break", String(u"a\r\nb\rc\nd"),
         u"a\nb\nc\nd", 7},
        {"Ctrl+C changes no text", Then({Type(u"a"), VirtualKey(VK_CONTROL), Press('C', ctrlFlag)}), u"a", 1},
        {"control characters other than editing ones are not inserted", Tap(0, 0x03, ctrlFlag), u"", 0},
        {"Backspace, Delete and the arrows treat a surrogate pair as one character",
         Then({Type(u"x\U0001F600\U0001F600"), Repeat(Press(VK_LEFT), 2), Press(VK_RIGHT), Press(VK_DELETE),
               Tap(VK_BACK, 0x08)}),
         u"x", 1},
    };
    for (const EditorCase& test : cases) {
        device::ClearEditor();
        platform::shell::SipCallback callback([](const IMINFO&) {});
        for (const Event& event : test.events) event(callback);
        EXPECT_EQ(device::Utf8(device::EditorText()), device::Utf8(test.text)) << test.behaviour;
        EXPECT_EQ(device::EditorCaret(), test.caret) << test.behaviour;
    }
}
