#include "sip_class_factory.h"

#include <new>

#include "sip_input_method.h"
#include "sip_module.h"

SipClassFactory::SipClassFactory() : references(1), cached(nullptr) {}

SipClassFactory::~SipClassFactory()
{
    if (cached) cached->Release();
}

STDMETHODIMP SipClassFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory)) return E_NOINTERFACE;
    AddRef();
    *ppv = static_cast<IClassFactory*>(this);
    return S_OK;
}

STDMETHODIMP_(ULONG) SipClassFactory::AddRef() { return ++references; }

STDMETHODIMP_(ULONG) SipClassFactory::Release()
{
    ULONG remaining = --references;
    if (remaining == 0) delete this;
    return remaining;
}

STDMETHODIMP SipClassFactory::CreateInstance(IUnknown*, REFIID riid, void** ppv)
{
    if (!cached) {
        cached = new (std::nothrow) SipInputMethod();
        if (!cached) return E_OUTOFMEMORY;
        cached->AddRef();
    }
    return cached->QueryInterface(riid, ppv);
}

STDMETHODIMP SipClassFactory::LockServer(BOOL fLock)
{
    if (fLock)
        InterlockedIncrement(&SipModule::Instance()->objectCount);
    else
        InterlockedDecrement(&SipModule::Instance()->objectCount);
    return S_OK;
}
