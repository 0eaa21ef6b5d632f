// The library's COM entry points, answered by the module object.
#include <aygshell.h>
#include <objbase.h>

#include <new>

#include "class_object.h"
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

namespace {

IClassFactory* NewFactory() { return new (std::nothrow) SipClassFactory(); }

}  // namespace

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    return HandOutClassFactory(rclsid, *SipModule::Instance()->Clsid(), NewFactory, riid, ppv);
}

STDAPI DllCanUnloadNow() { return SipModule::Instance()->objectCount != 0 ? S_FALSE : S_OK; }
