// What the engine remembers between recognised characters, and how each
// event the recogniser reports changes it.
#pragma once

#include <windows.h>

#include "translit_rule.h"

class TranslitContext {
public:
    // A character key-down carrying COUNT characters (only a single one is
    // remembered; any other count forgets everything).
    void CharacterDown(UINT count, const UINT* characters);
    // The character was replaced by RULE's result.
    void Substituted(const TranslitRule& rule);
    // The character went to the application as it was.
    void PassedThrough();
    // The recogniser's own Backspace was released: one step is undone.
    void BackspaceReleased();
    // Any other key was released: the context is forgotten.
    void OtherKeyReleased();
    // Text sent as a string has no place in the context.
    void StringSent();

    // Whether RULE applies to the current character.
    bool Matches(const TranslitRule& rule) const;
    // Whether a two-character rule must erase the character before it.
    bool MustErase() const { return !noErase; }

private:
    WCHAR lastOut = 0;      // what the last substitution sent; 0 when the last character passed through
    WCHAR prevOut = 0;      // lastOut as it was before the current character
    WCHAR curIn = 0;        // the current recognised character
    WCHAR prevIn = 0;       // the one before; 0 when a two-character rule consumed it
    bool noErase = false;   // the next two-character rule sends no backspace
    bool composed = false;  // the last character applied a two-character rule
};
