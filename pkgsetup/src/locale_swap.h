// The locale swap: the locale and code-page values in the product key go to
// the system, and the system's previous values go to the product key. Run at
// installation it puts the package's locale in place; run again at removal
// it puts the saved one back.
#pragma once

#include <windows.h>

// TRUE when the whole swap was done. It stops at the first failure, which it
// reports; what was written until then stays written.
BOOL SwapLocaleSettings();

// Whether the last swap put the product key's values in place (the product
// key's "LocaleSwapped").
bool IsLocaleSwapped();

// The installation's and the removal's halves of the swap: each swaps only
// when its half is not done yet, so that a flow run again after a power loss
// never swaps the locale back the wrong way.
BOOL PutPackageLocaleInPlace();
BOOL PutSystemLocaleBack();
