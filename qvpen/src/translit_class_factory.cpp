#include "translit_class_factory.h"

#include <new>

#include "library_state.h"
#include "translit_input_method.h"

TranslitClassFactory::TranslitClassFactory() { CountObjectCreated(); }

TranslitClassFactory::~TranslitClassFactory() { CountObjectDestroyed(); }

HRESULT TranslitClassFactory::NewObject(IUnknown** created)
{
    TranslitInputMethod* method = new (std::nothrow) TranslitInputMethod();
    if (!method) return E_OUTOFMEMORY;
    HRESULT result = method->RecogniserResult();
    if (FAILED(result)) {
        delete method;
        return result;
    }
    *created = method;
    return S_OK;
}

LONG volatile* TranslitClassFactory::ObjectCount() { return ::ObjectCount(); }
