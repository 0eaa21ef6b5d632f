// The driver's pen in the letter recogniser's writing area.
#include <device/recogniser.h>

#include "shell/letter_recogniser.h"

namespace {

std::string failure;

// The recogniser being written to, or null with the reason kept.
platform::shell::LetterRecogniser* WritingArea()
{
    platform::shell::LetterRecogniser* shown = platform::shell::LetterRecogniser::Shown();
    failure = shown ? "" : "the letter recogniser's writing area is not shown in the input panel";
    return shown;
}

}  // namespace

namespace device {

bool WriteCharacters(std::u16string_view text)
{
    platform::shell::LetterRecogniser* recogniser = WritingArea();
    if (!recogniser) return false;
    for (char16_t character : text) recogniser->Recognise(character);
    return true;
}

bool WriteBackspace()
{
    platform::shell::LetterRecogniser* recogniser = WritingArea();
    if (!recogniser) return false;
    recogniser->RecogniseBackspace();
    return true;
}

std::string RecogniserFailure() { return failure; }

int LiveLetterRecognisers() { return platform::shell::LetterRecogniser::Live(); }

void RemoveLetterRecogniser() { platform::shell::SetLetterRecogniserPresent(false); }

}  // namespace device
