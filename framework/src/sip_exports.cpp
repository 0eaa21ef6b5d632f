// The library's COM entry points, answered by the module object.
#include <aygshell.h>
#include <objbase.h>

#include <new>

#include "sip_class_factory.h"
#include "sip_module.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    SipModule* module = SipModule::Instance();
    bool attaching = reason == DLL_PROCESS_ATTACH || reason == DLL_THREAD_ATTACH;
    if (attaching && module->objectCount == 0) {
        module->SetModuleInstance(instance);
        module->Initialize();
    }
    return TRUE;
}

// A foreign class is answered with E_OUTOFMEMORY, not CLASS_E_CLASSNOTAVAILABLE:
// callers of this library have always seen that value.
STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    *ppv = nullptr;
    if (!IsEqualCLSID(rclsid, *SipModule::Instance()->Clsid())) return E_OUTOFMEMORY;
    SipClassFactory* factory = new (std::nothrow) SipClassFactory();
    if (!factory) return E_OUTOFMEMORY;
    HRESULT result = factory->QueryInterface(riid, ppv);
    factory->Release();
    return result;
}

STDAPI DllCanUnloadNow() { return SipModule::Instance()->objectCount != 0 ? S_FALSE : S_OK; }
