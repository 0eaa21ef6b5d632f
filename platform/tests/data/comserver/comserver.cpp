// A small in-process COM server for the activation tests: one class whose
// objects answer IUnknown only, counted so that DllCanUnloadNow can tell
// whether any is alive. It counts references as the platform's own objects do.
#include <objbase.h>

#include "com/counted_object.h"
#include "comserver.h"

namespace {

LONG liveObjects = 0;  // objects and class factories, plus server locks

class ServerObject final : public platform::com::CountedObject<IUnknown, IID_IUnknown> {
public:
    ServerObject() { InterlockedIncrement(&liveObjects); }
    ~ServerObject() override { InterlockedDecrement(&liveObjects); }
};

class Factory final : public platform::com::CountedObject<IClassFactory, IID_IClassFactory> {
public:
    Factory() { InterlockedIncrement(&liveObjects); }
    ~Factory() override { InterlockedDecrement(&liveObjects); }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return platform::com::CreateCountedObject<ServerObject>(riid, ppv);
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        lock ? InterlockedIncrement(&liveObjects) : InterlockedDecrement(&liveObjects);
        return S_OK;
    }
};

}  // namespace

// Present so that the driver's DllMain log shows the server coming and going.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    *ppv = nullptr;
    if (rclsid != kComServerClass) return CLASS_E_CLASSNOTAVAILABLE;
    return platform::com::CreateCountedObject<Factory>(riid, ppv);
}

STDAPI DllCanUnloadNow() { return liveObjects == 0 ? S_OK : S_FALSE; }
