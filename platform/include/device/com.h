// COM as the driver sees it: classes that a test adds beside the platform's
// own built-in classes.
#pragma once

#include <unknwn.h>

namespace device {

typedef HRESULT (*ClassCreator)(IUnknown* outer, REFIID riid, void** ppv);

// Until the device closes, CoCreateInstance finds CLSID through CREATOR,
// before the class registry, as it finds the platform's own classes.
void AddBuiltinClass(const CLSID& clsid, ClassCreator creator);

}  // namespace device
