// The platform's letter recogniser as the driver sees it: the user writes
// letters in its writing area, and it reports each one it recognises to the
// callback its host gave it. Only the recogniser whose writing area is shown
// in the input panel can be written to.
#pragma once

#include <string>
#include <string_view>

namespace device {

// Recognises each character of TEXT in turn, as written one by one. False,
// with the reason in RecogniserFailure(), when no recogniser's writing area
// is shown; nothing is recognised then.
bool WriteCharacters(std::u16string_view text);
// The recogniser's own Backspace stroke.
bool WriteBackspace();
std::string RecogniserFailure();

// Letter recognisers alive on the device, whoever created them.
int LiveLetterRecognisers();

// Until the device closes, it has no letter recogniser: creating one answers
// REGDB_E_CLASSNOTREG, as on a device whose ROM lacks it.
void RemoveLetterRecogniser();

}  // namespace device
