// The platform's own COM objects count their references alike: one
// interface besides IUnknown, freed with the last reference.
#pragma once

#include <unknwn.h>

#include <new>
#include <utility>

namespace platform::com {

template <typename Interface, const IID& kInterfaceId>
class CountedObject : public Interface {
public:
    STDMETHOD(QueryInterface)(REFIID riid, void** ppvObject) override
    {
        if (!ppvObject) return E_POINTER;
        *ppvObject = nullptr;
        if (riid != kInterfaceId && riid != IID_IUnknown) return E_NOINTERFACE;
        *ppvObject = static_cast<Interface*>(this);
        this->AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++references; }
    STDMETHOD_(ULONG, Release)() override
    {
        ULONG remaining = --references;
        if (remaining == 0) delete this;
        return remaining;
    }

protected:
    virtual ~CountedObject() = default;

private:
    ULONG references = 0;
};

// A new Object, handed out as RIID; it goes at once when it has no such interface.
template <typename Object, typename... Arguments>
HRESULT CreateCountedObject(REFIID riid, void** ppv, Arguments&&... arguments)
{
    Object* object = new (std::nothrow) Object(std::forward<Arguments>(arguments)...);
    if (!object) return E_OUTOFMEMORY;
    object->AddRef();
    HRESULT result = object->QueryInterface(riid, ppv);
    object->Release();
    // The analyser cannot see that the last Release deletes the object.
    return result;  // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
}

}  // namespace platform::com
