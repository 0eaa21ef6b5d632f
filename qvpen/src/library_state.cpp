#include "library_state.h"

namespace {

const WCHAR kProductKeyPath[] = TEXT("SOFTWARE\\Tarvex\\Lexovia");

HINSTANCE instance = nullptr;
LONG volatile objectCount = 0;
// Loaded when the library is, before any COM object exists; destroyed when
// the library is unloaded.
TranslitSettings settings(kProductKeyPath);

}  // namespace

HINSTANCE LibraryInstance() { return instance; }

void SetLibraryInstance(HINSTANCE handle) { instance = handle; }

LONG volatile* ObjectCount() { return &objectCount; }

void CountObjectCreated() { InterlockedIncrement(&objectCount); }

void CountObjectDestroyed() { InterlockedDecrement(&objectCount); }

// Writes 0 only where 0 already stands: a read that cannot tear.
bool AnyObjectLive() { return InterlockedCompareExchange(&objectCount, 0, 0) != 0; }

TranslitSettings& SharedTranslitSettings() { return settings; }
