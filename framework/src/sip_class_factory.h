// Hands out the library's input-method object. The factory holds a
// reference on the object it caches, so it never hands out one that is gone.
#pragma once

#include <unknwn.h>

class SipInputMethod;

class SipClassFactory : public IClassFactory {
public:
    SipClassFactory();
    virtual ~SipClassFactory();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL fLock) override;

private:
    ULONG references;
    SipInputMethod* cached;
};
