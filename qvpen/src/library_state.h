// What the library keeps for the whole process: its instance handle, the
// count of its live COM objects and server locks (the class factory counts
// as one), and the one transliteration settings store.
#pragma once

#include "translit_settings.h"

HINSTANCE LibraryInstance();
void SetLibraryInstance(HINSTANCE instance);

// Every change and every read of the count is interlocked.
LONG volatile* ObjectCount();
void CountObjectCreated();
void CountObjectDestroyed();
bool AnyObjectLive();

TranslitSettings& SharedTranslitSettings();
