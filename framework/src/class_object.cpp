#include "class_object.h"

HRESULT HandOutClassFactory(REFCLSID asked, REFCLSID own, IClassFactory* (*newFactory)(), REFIID riid, LPVOID* ppv)
{
    *ppv = nullptr;
    if (!IsEqualCLSID(asked, own)) return E_OUTOFMEMORY;
    IClassFactory* factory = newFactory();
    if (!factory) return E_OUTOFMEMORY;
    HRESULT result = factory->QueryInterface(riid, ppv);
    factory->Release();
    return result;
}
