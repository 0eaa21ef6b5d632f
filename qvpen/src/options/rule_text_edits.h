// The edits the options page makes to a rule table's text. Each builds the
// new text in RESULT and leaves the other entries, their order and anything
// malformed among them as they were; false when memory for it ran out.
#pragma once

#include "owned_string.h"

// ENTRY after the last one; a text that does not end with ";" gets one first.
bool AppendRuleEntry(LPCWSTR text, LPCWSTR entry, OwnedString& result);

// Takes out the entry that starts at START (a position in TEXT) with its ";".
// A last entry without ";" is cut off, leaving the ";" of the one before.
bool RemoveRuleEntry(LPCWSTR text, LPCWSTR start, OwnedString& result);

// Puts ENTRY in place of the entry that starts at START and its ";".
bool ReplaceRuleEntry(LPCWSTR text, LPCWSTR start, LPCWSTR entry, OwnedString& result);
