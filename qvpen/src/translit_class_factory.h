// Hands out qvpen's input method. The factory itself counts as a live
// object of the library for as long as it exists.
#pragma once

#include "caching_class_factory.h"

class TranslitClassFactory : public CachingClassFactory {
public:
    TranslitClassFactory();
    ~TranslitClassFactory() override;

protected:
    // Fails as the letter recogniser's creation failed: without it the input
    // method could answer nothing.
    HRESULT NewObject(IUnknown** created) override;
    LONG volatile* ObjectCount() override;
};
