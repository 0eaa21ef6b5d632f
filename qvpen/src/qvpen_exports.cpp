// The library's COM entry points.
#include <objbase.h>

#include <new>

#include "class_object.h"
#include "library_state.h"
#include "qvpen_identity.h"
#include "qvpen_registration.h"
#include "translit_class_factory.h"

namespace {

IClassFactory* NewFactory() { return new (std::nothrow) TranslitClassFactory(); }

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID)
{
    SetLibraryInstance(instance);
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    return HandOutClassFactory(rclsid, kQvpenClsid, NewFactory, riid, ppv);
}

STDAPI DllCanUnloadNow() { return AnyObjectLive() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer()
{
    RegisterQvpen();
    return S_OK;
}

STDAPI DllUnregisterServer()
{
    UnregisterQvpen();
    return S_OK;
}
