#include "switch_words.h"

namespace {

Parsed<bool> ParseSwitch(const ScriptWord& word, const char* yes, const char* no)
{
    if (word.text == yes) return true;
    if (word.text == no) return false;
    return Parsed<bool>::Failure(std::string("write ") + yes + " or " + no + ", not \"" + word.text + "\"");
}

}  // namespace

Parsed<bool> ParseYesNo(const ScriptWord& word) { return ParseSwitch(word, "yes", "no"); }

Parsed<bool> ParseOnOff(const ScriptWord& word) { return ParseSwitch(word, "on", "off"); }
