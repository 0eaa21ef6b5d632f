#include "caching_class_factory.h"

CachingClassFactory::CachingClassFactory() : references(1), cached(nullptr) {}

CachingClassFactory::~CachingClassFactory()
{
    if (cached) cached->Release();
}

STDMETHODIMP CachingClassFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory)) return E_NOINTERFACE;
    AddRef();
    *ppv = static_cast<IClassFactory*>(this);
    return S_OK;
}

STDMETHODIMP_(ULONG) CachingClassFactory::AddRef() { return ++references; }

STDMETHODIMP_(ULONG) CachingClassFactory::Release()
{
    ULONG remaining = --references;
    if (remaining == 0) delete this;
    return remaining;
}

STDMETHODIMP CachingClassFactory::CreateInstance(IUnknown*, REFIID riid, void** ppv)
{
    if (!cached) {
        IUnknown* created = nullptr;
        HRESULT result = NewObject(&created);
        if (FAILED(result)) return result;
        cached = created;
        cached->AddRef();
    }
    return cached->QueryInterface(riid, ppv);
}

STDMETHODIMP CachingClassFactory::LockServer(BOOL fLock)
{
    if (fLock)
        InterlockedIncrement(ObjectCount());
    else
        InterlockedDecrement(ObjectCount());
    return S_OK;
}
