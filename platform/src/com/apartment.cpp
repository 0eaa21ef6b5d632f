// COM needs no apartment on this single-threaded device; only the pairing of
// initialise and uninitialise is kept, so that callers see the usual answers.
#include "com/apartment.h"

#include <objbase.h>

namespace {

int initializations = 0;

}  // namespace

namespace platform::com {

void ResetApartment() { initializations = 0; }

}  // namespace platform::com

HRESULT WINAPI CoInitializeEx(LPVOID pvReserved, DWORD)
{
    if (pvReserved) return E_INVALIDARG;
    return initializations++ == 0 ? S_OK : S_FALSE;
}

void WINAPI CoUninitialize(void)
{
    if (initializations > 0) --initializations;
}
