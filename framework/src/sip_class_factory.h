// Hands out the keyboard library's input-method object.
#pragma once

#include "caching_class_factory.h"

class SipClassFactory : public CachingClassFactory {
protected:
    HRESULT NewObject(IUnknown** created) override;
    LONG volatile* ObjectCount() override;
};
