#include "argument_checks.h"

#include "key_plan.h"
#include "message_box_words.h"
#include "number_words.h"
#include "registry_value.h"

namespace {

template <typename T>
CheckResult ProblemOf(const Parsed<T>& parsed)
{
    if (parsed) return std::nullopt;
    return parsed.error();
}

}  // namespace

Parsed<int> ParseKeyNumber(const ScriptWord& word)
{
    Parsed<int> key = ParseInteger(word);
    if (key && (*key < 0 || *key >= kKeyCount))
        return Parsed<int>::Failure("no key " + word.text + ": keys are numbered 0 to " + std::to_string(kKeyCount - 1));
    return key;
}

Parsed<DWORD> ParseCommandTime(const ScriptWord& word)
{
    Parsed<DWORD> milliseconds = ParseUnsigned(word);
    if (milliseconds && *milliseconds > kLongestCommandTime)
        return Parsed<DWORD>::Failure(word.text + " ms is more device time than one command may take (at most " +
                                      std::to_string(kLongestCommandTime) + " ms, 24 hours): split it");
    return milliseconds;
}

CheckResult FirstUnsigned(std::span<const ScriptWord> args) { return ProblemOf(ParseUnsigned(args[0])); }

CheckResult CommandTimeFirst(std::span<const ScriptWord> args) { return ProblemOf(ParseCommandTime(args[0])); }

CheckResult KeyNumberFirst(std::span<const ScriptWord> args) { return ProblemOf(ParseKeyNumber(args[0])); }

CheckResult KeyNumberThenMilliseconds(std::span<const ScriptWord> args)
{
    if (CheckResult problem = ProblemOf(ParseKeyNumber(args[0]))) return problem;
    return ProblemOf(ParseCommandTime(args[1]));
}

CheckResult AnswerWord(std::span<const ScriptWord> args)
{
    if (AnswerFromName(args[0].text)) return std::nullopt;
    return "unknown answer \"" + args[0].text + "\" (answers: " + AnswerNames() + ")";
}

CheckResult RegistryValueWords(std::span<const ScriptWord> args) { return ProblemOf(EncodeValue(args[2], args.subspan(3))); }

CheckResult KeyLabelOfEitherPanel(std::span<const ScriptWord> args)
{
    for (const PanelLayout* layout : {&kFinnishLayout, &kEnglishLayout})
        if (KeyWithLabel(*layout, args[0].text) != kNoKey) return std::nullopt;
    return "no key of either keyboard panel shows \"" + args[0].text + "\"";
}
