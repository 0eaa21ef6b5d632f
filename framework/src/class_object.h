// What DllGetClassObject answers.
#pragma once

#include <unknwn.h>

// A new factory from NEW_FACTORY (one reference, or null), handed out as RIID
// when ASKED is the library's own class OWN; *ppv is null unless that
// succeeds. A foreign class is answered with E_OUTOFMEMORY, not
// CLASS_E_CLASSNOTAVAILABLE: callers of these libraries have always seen that value.
HRESULT HandOutClassFactory(REFCLSID asked, REFCLSID own, IClassFactory* (*newFactory)(), REFIID riid, LPVOID* ppv);
