// Rule text from the registry, where the user or anything else may have
// written it: the walker, the rows the options page lists, the engine fed
// strokes over the table, and the options page's edits of the text.
//
// Input: the rule text, one byte a code unit (0xFF takes the next two bytes
// as one code unit, high byte first), up to a zero byte; after it, steps of
// three bytes each: what happens, and a 16-bit argument. Only the first
// kMostSteps count: each walks the whole table, and a long run of them
// finds nothing that a short one does not.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "owned_string.h"
#include "rule_candidate.h"
#include "rule_edit_record.h"
#include "rule_rows.h"
#include "rule_text_edits.h"
#include "rule_walker.h"

namespace {

const size_t kMostSteps = 24;

enum Step : uint8_t { Character, Backspace, OtherKey, String, Pair, Remove, Replace, Append, StepCount };

struct Input {
    std::vector<WCHAR> text;  // terminated
    const uint8_t* steps;
    size_t stepBytes;
};

Input Split(const uint8_t* data, size_t size)
{
    Input input{{}, data + size, 0};
    size_t at = 0;
    for (; at < size && data[at] != 0; ++at) {
        if (data[at] == 0xFF && at + 2 < size) {
            input.text.push_back(static_cast<WCHAR>(data[at + 1] << 8 | data[at + 2]));
            at += 2;
        } else {
            input.text.push_back(data[at]);
        }
    }
    input.text.push_back(0);
    if (at < size) {
        input.steps = data + at + 1;
        input.stepBytes = size - at - 1;
    }
    return input;
}

class RowCounter : public RuleVisitor {
public:
    void Visit(const TranslitRule&, LPCWSTR) override { ++rows; }
    int rows = 0;
};

int RowCount(LPCWSTR text)
{
    RowCounter counter;
    WalkRules(text, counter);
    return counter.rows;
}

// An edit changes the rows by exactly what it says; anything else would
// lose or invent the user's rules.
void Expect(bool holds)
{
    if (!holds) abort();
}

// As the recogniser's callback treats a character key-down.
void Stroke(LPCWSTR text, TranslitContext& context, UINT count, UINT character)
{
    UINT characters[2] = {character, character + 1};
    context.CharacterDown(count, characters);
    TranslitRule rule = {};
    if (FindCandidate(text, context, rule))
        context.Substituted(rule);
    else
        context.PassedThrough();
}

RuleEditRecord RecordFrom(uint16_t argument)
{
    return {static_cast<WORD>(argument), static_cast<WORD>(argument & 0x0F00 ? 0 : argument >> 4),
            static_cast<WORD>(argument ^ 0x0400)};
}

// The options page's edit of the row ARGUMENT picks.
void Edit(Step step, uint16_t argument, OwnedString& text)
{
    int rows = RowCount(text.Get());
    WCHAR entry[kRuleEntryLength];
    FormatRuleEntry(RecordFrom(argument), entry);
    OwnedString edited;
    if (step == Append) {
        Expect(AppendRuleEntry(text.Get(), entry, edited));
        Expect(RowCount(edited.Get()) == rows + 1);
        text = edited;
        return;
    }
    if (rows == 0) return;
    TranslitRule rule = {};
    LPCWSTR start = FindEntryOfRow(text.Get(), argument % rows, rule);
    Expect(start != nullptr);
    WCHAR row[kRuleRowLength];
    FormatRuleRow(rule, row);
    if (step == Remove) {
        Expect(RemoveRuleEntry(text.Get(), start, edited));
        Expect(RowCount(edited.Get()) == rows - 1);
    } else {
        Expect(ReplaceRuleEntry(text.Get(), start, entry, edited));
        Expect(RowCount(edited.Get()) == rows);
    }
    text = edited;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input input = Split(data, size);
    OwnedString text(input.text.data());
    TranslitContext context;
    size_t stepBytes = std::min(input.stepBytes, 3 * kMostSteps);
    for (size_t at = 0; at + 3 <= stepBytes; at += 3) {
        Step step = static_cast<Step>(input.steps[at] % StepCount);
        uint16_t argument = static_cast<uint16_t>(input.steps[at + 1] << 8 | input.steps[at + 2]);
        switch (step) {
        case Character: Stroke(text.Get(), context, 1, argument); break;
        case Pair: Stroke(text.Get(), context, argument & 3, argument); break;
        case Backspace: context.BackspaceReleased(); break;
        case OtherKey: context.OtherKeyReleased(); break;
        case String: context.StringSent(); break;
        default: Edit(step, argument, text); break;
        }
    }
    return 0;
}
