#include "sip_class_factory.h"

#include <new>

#include "sip_input_method.h"
#include "sip_module.h"

HRESULT SipClassFactory::NewObject(IUnknown** created)
{
    *created = new (std::nothrow) SipInputMethod();
    return *created ? S_OK : E_OUTOFMEMORY;
}

LONG volatile* SipClassFactory::ObjectCount() { return &SipModule::Instance()->objectCount; }
