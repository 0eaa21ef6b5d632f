// The recogniser's entries under HKEY_CLASSES_ROOT\CLSID.
#pragma once

void RegisterQvpen();
void UnregisterQvpen();
