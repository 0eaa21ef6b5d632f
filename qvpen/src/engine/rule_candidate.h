// Which entry of a rule table applies to the current character: the last
// matching two-character entry, else the last matching single-character
// one. A rule whose input is 0 never applies.
#pragma once

#include "translit_context.h"

// False when no entry of TABLE applies.
bool FindCandidate(LPCWSTR table, const TranslitContext& context, TranslitRule& candidate);
