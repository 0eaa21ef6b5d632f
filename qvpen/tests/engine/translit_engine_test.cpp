// The engine as the user meets it: what the recogniser reports, what reaches
// the application in its place, and the text left behind.
#include <device/sip.h>
#include <device/text_editor.h>

#include "engine_device.h"
#include "host_events.h"

namespace {

using TranslitEngineTest = EngineDevice;

struct Sequence {
    const char* what;
    LONG table;
    std::u16string_view strokes;  // '\b': the recogniser's Backspace
    HostEvents events;
    std::u16string text;
};

const LONG kNone = 0, kExtendedLatin = 3, kRussian = 4, kGreek = 5, kSerbian = 6;

// The result key-down that the engine sends in place of the recogniser's
// key-down, then the recogniser's own key-up for what it wrote.
HostEvents Replaced(const std::string& result, const std::string& written)
{
    return {KeyDown(result), KeyUp(written)};
}

const Sequence kSequences[] = {
    {"with no table every event passes", kNone, u"a\\", Join({Passed("a"), Passed("\\\\")}), u"a\\"},
    {"Serbian z is a single-character rule, h after it a two-character one", kSerbian, u"zh",
     Join({Replaced("з", "z"), Erase(), Replaced("ж", "h")}), u"ж"},
    {"Greek marks chain on the results: ι ί ϊ ΐ", kGreek, u"i///",
     Join({Replaced("ι", "i"), Erase(), Replaced("ί", "/"), Erase(), Replaced("ϊ", "/"), Erase(),
           Replaced("ΐ", "/")}),
     u"ΐ"},
    {"Russian: the o consumed by yo does not pair with the next o", kRussian, u"yoo",
     Join({Replaced("ы", "y"), Erase(), Replaced("ё", "o"), Replaced("о", "o")}), u"ёо"},
    {"Extended Latin a - gives æ: the later conflicting entry wins", kExtendedLatin, u"a-",
     Join({Passed("a"), Erase(), Replaced("æ", "-")}), u"æ"},
    {"a mark on a result chains: à then ä", kExtendedLatin, u"a\\\\",
     Join({Passed("a"), Erase(), Replaced("à", "\\\\"), Erase(), Replaced("ä", "\\\\")}), u"ä"},
    {"after the recogniser's Backspace a new mark on the same letter erases nothing", kExtendedLatin,
     u"a\\\b/", Join({Passed("a"), Erase(), Replaced("à", "\\\\"), BackspaceStroke(), Replaced("á", "/")}),
     u"á"},
    {"a Backspace after a plain letter brings the letter before back into play", kExtendedLatin, u"ab\b\\",
     Join({Passed("a"), Passed("b"), BackspaceStroke(), Erase(), Replaced("à", "\\\\")}), u"à"},
    {"two Backspaces in a row leave nothing to combine with", kExtendedLatin, u"eab\b\b\\",
     Join({Passed("e"), Passed("a"), Passed("b"), BackspaceStroke(), BackspaceStroke(), Passed("\\\\")}),
     u"e\\"},
};

TEST_F(TranslitEngineTest, WorkedSequencesSendTheRightEventsAndLeaveTheRightText)
{
    for (const Sequence& sequence : kSequences) {
        SelectTable(sequence.table);
        ForgetContext();
        device::ClearCallbackLog();
        device::ClearEditor();
        Write(sequence.strokes);
        EXPECT_TRUE(CallbackLogMatches(sequence.what, sequence.events));
        EXPECT_EQ(device::EditorText(), sequence.text) << sequence.what;
    }
}

TEST_F(TranslitEngineTest, AnEventOfTwoCharactersPassesAndClearsTheContext)
{
    SelectTable(kExtendedLatin);
    Write(u"a");
    UINT shifts[] = {KeyStateDownFlag, KeyStateDownFlag};
    UINT characters[] = {u'x', u'e'};
    EXPECT_EQ(callback->SendCharEvents(0, KeyStateDownFlag, 2, shifts, characters), S_OK);
    Write(u"\\");
    const HostEvents expected =
        Join({Passed("a"), {{"SendCharEvents(0x00, 0x80, 2, \"xe\")"}}, Passed("\\\\")});
    EXPECT_TRUE(CallbackLogMatches("the mark after two characters combines with nothing", expected));
    EXPECT_EQ(device::EditorText(), u"axe\\");
}

TEST_F(TranslitEngineTest, AStringAndOtherKeysForgetTheLetterBefore)
{
    SelectTable(kExtendedLatin);
    Write(u"a");
    callback->SendString(const_cast<BSTR>(u"-"), 1);
    Write(u"\\e");
    callback->SendVirtualKey(VK_RETURN, 0);
    callback->SendVirtualKey(VK_RETURN, KEYEVENTF_KEYUP);
    Write(u"\\");
    const HostEvents expected = Join({Passed("a"), {{"SendString(\"-\", 1)"}}, Passed("\\\\"), Passed("e"),
                                      {{"SendVirtualKey(0x0D, 0x0)"}, {"SendVirtualKey(0x0D, 0x2)"}},
                                      Passed("\\\\")});
    EXPECT_TRUE(CallbackLogMatches("neither mark combines with the letter before it", expected));
}

TEST_F(TranslitEngineTest, RulesAreReadFromTheTableAsItIsNow)
{
    struct Case {
        const char* what;
        LPCWSTR rules;
        std::u16string_view strokes;
        HostEvents events;
    };
    const Case kCases[] = {
        {"a result beyond 16 bits is cut to its low 16 bits", TEXT("0 61=10431;"), u"a", Replaced("б", "a")},
        {"an unterminated lower-case entry applies", TEXT("0 61=430;61 5c=e0"), u"a\\",
         Join({Replaced("а", "a"), Erase(), Replaced("à", "\\\\")})},
    };
    SelectTable(2);
    for (const Case& one : kCases) {
        settings->Table(2)->Assign(one.rules);
        ForgetContext();
        device::ClearCallbackLog();
        Write(one.strokes);
        EXPECT_TRUE(CallbackLogMatches(one.what, one.events));
    }
}

TEST_F(TranslitEngineTest, ARuleWhoseInputIs0NeverAppliesToAnEventThatLeavesNoCharacter)
{
    SelectTable(2);
    settings->Table(2)->Assign(TEXT("0 0=41;"));
    UINT shifts[] = {KeyStateDownFlag, KeyStateDownFlag};
    UINT characters[] = {u'x', u'y'};
    callback->SendCharEvents(0, KeyStateDownFlag, 2, shifts, characters);
    EXPECT_TRUE(CallbackLogMatches("the event passes unchanged", {{{"SendCharEvents(0x00, 0x80, 2, \"xy\")"}}}));
}

TEST_F(TranslitEngineTest, WithoutARealCallbackCallsAreRefusedAndRememberNothing)
{
    callback->SetRealCallback(nullptr);
    SelectTable(kExtendedLatin);
    Write(u"a");
    IMINFO info = {};
    EXPECT_EQ(callback->SetImInfo(&info), E_UNEXPECTED);
    EXPECT_EQ(callback->SendVirtualKey(VK_BACK, KEYEVENTF_KEYUP), E_UNEXPECTED);
    EXPECT_EQ(callback->SendString(const_cast<BSTR>(u"x"), 1), E_UNEXPECTED);
    void* unknown = &info;
    EXPECT_EQ(callback->QueryInterface(IID_IUnknown, &unknown), E_NOINTERFACE);
    EXPECT_EQ(unknown, nullptr);
    void* self = nullptr;
    EXPECT_EQ(callback->QueryInterface(IID_IIMCallback, &self), S_OK);
    EXPECT_EQ(self, static_cast<IIMCallback*>(callback.get()));
    EXPECT_TRUE(device::CallbackLog().empty()) << "nothing reaches the panel";

    callback->SetRealCallback(device::InputPanelCallback());
    Write(u"\\");
    EXPECT_TRUE(CallbackLogMatches("the unseen a is not combined with", Passed("\\\\")));
}

}  // namespace
