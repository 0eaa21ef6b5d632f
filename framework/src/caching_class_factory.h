// A class factory that creates its library's input-method object on the
// first request and hands the same object out again while the factory lives.
// The factory holds a reference on the object it caches, so it never hands
// out one that is gone.
#pragma once

#include <windows.h>
#include <unknwn.h>

class CachingClassFactory : public IClassFactory {
public:
    CachingClassFactory();
    virtual ~CachingClassFactory();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL fLock) override;

protected:
    // A new object without references, or why there is none.
    virtual HRESULT NewObject(IUnknown** created) = 0;
    // The library's count of live objects and server locks.
    virtual LONG volatile* ObjectCount() = 0;

private:
    ULONG references;
    IUnknown* cached;
};
