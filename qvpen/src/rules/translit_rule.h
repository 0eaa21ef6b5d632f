// One entry of a rule table: after PREVIOUS (0: after anything), the input
// INPUT is replaced by RESULT. The numbers are kept as read; only their low
// 16 bits can ever meet a character.
#pragma once

struct TranslitRule {
    unsigned int previous;
    unsigned int input;
    unsigned int result;

    bool IsTwoCharacter() const { return previous != 0; }
};
