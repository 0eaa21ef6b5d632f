// Every valid entry of every built-in table does what it says when its
// characters are written: (I) alone, or P then I, yields R, unless a later
// entry that applies in the same place shadows it.
#include <device/sip.h>
#include <device/text_editor.h>

#include <vector>

#include "engine_device.h"
#include "rule_collector.h"

namespace {

using BuiltinRulesPropertyTest = EngineDevice;

// What the engine sends for CHARACTER written straight after a forgotten
// context: the last single-character entry for it, else the character itself.
unsigned int SingleResult(const std::vector<TranslitRule>& rules, unsigned int character)
{
    unsigned int result = 0;
    for (const TranslitRule& rule : rules)
        if (!rule.IsTwoCharacter() && rule.input == character) result = rule.result;
    return result;
}

// What RULE's characters written in order are expected to give. A
// two-character entry applies after its P as written or as the engine
// rewrote it, and the last entry applying so wins.
unsigned int ExpectedResult(const std::vector<TranslitRule>& rules, const TranslitRule& rule)
{
    if (!rule.IsTwoCharacter()) return SingleResult(rules, rule.input);
    unsigned int rewritten = SingleResult(rules, rule.previous);
    unsigned int result = 0;
    for (const TranslitRule& other : rules)
        if (other.IsTwoCharacter() && other.input == rule.input &&
            (other.previous == rule.previous || (rewritten && other.previous == rewritten)))
            result = other.result;
    return result;
}

// The character of the last key-down the panel received.
unsigned int LastResult()
{
    unsigned int last = 0;
    for (const device::CallbackRecord& record : device::CallbackLog())
        if (record.call == device::CallbackRecord::Call::SendCharEvents && (record.flags & KeyStateDownFlag) &&
            record.count == 1 && record.virtualKey == 0)
            last = record.characters[0];
    return last;
}

TEST_F(BuiltinRulesPropertyTest, EveryEntryYieldsItsResultUnlessALaterOneShadowsIt)
{
    int checked = 0;
    int shadowed = 0;
    for (LONG number = 1; number <= kTranslitTableCount; ++number) {
        SelectTable(number);
        std::vector<TranslitRule> rules = RulesOf(settings->Table(number)->Text());
        for (const TranslitRule& rule : rules) {
            ForgetContext();
            device::ClearCallbackLog();
            device::ClearEditor();
            if (rule.IsTwoCharacter()) Write(std::u16string(1, static_cast<char16_t>(rule.previous)));
            Write(std::u16string(1, static_cast<char16_t>(rule.input)));
            unsigned int expected = ExpectedResult(rules, rule);
            ASSERT_EQ(LastResult(), expected & 0xFFFF)
                << "table " << number << std::hex << ", entry " << rule.previous << " " << rule.input << "="
                << rule.result;
            EXPECT_EQ(device::EditorText(), std::u16string(1, static_cast<char16_t>(expected)))
                << "table " << number << std::hex << ", entry " << rule.previous << " " << rule.input << "="
                << rule.result << ": a two-character rule replaces its P";
            ++checked;
            shadowed += expected != rule.result;
        }
    }
    EXPECT_EQ(checked, 962);
    EXPECT_GT(shadowed, 0) << "Extended Latin's macrons on a and o are shadowed";
}

}  // namespace
