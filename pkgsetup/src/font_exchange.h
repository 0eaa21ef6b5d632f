// The package's fonts and national-language table for right-to-left
// languages, placed in "\Windows" under parked names, exchanged with the
// platform's names.
#pragma once

#include <windows.h>

enum class ExchangeDirection {
    Install,    // parked names onto the platform's
    Uninstall,  // the platform's names back onto the parked ones
};

// Moves the four files; a move that fails is reported and the next one
// runs. Always TRUE.
BOOL ExchangeFontFiles(ExchangeDirection direction);
