// One entry of a rule table: after PREVIOUS (0: after anything), the input
// INPUT is replaced by RESULT. A code before or as input beyond 16 bits never
// meets a character; only the result's low 16 bits are ever sent.
#pragma once

struct TranslitRule {
    unsigned int previous;
    unsigned int input;
    unsigned int result;

    bool IsTwoCharacter() const { return previous != 0; }
};
