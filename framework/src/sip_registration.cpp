// Registration of the library as a SIP input method under HKCR\CLSID.
#include <objbase.h>

#include "clsid_text.h"
#include "input_method_class.h"
#include "sip_module.h"

STDAPI DllRegisterServer()
{
    SipModule& module = *SipModule::Instance();
    ClsidText clsidText;
    FormatClsid(*module.Clsid(), clsidText);
    RegisterInputMethodClass(clsidText, module.Name(), module.Description(), module.ModuleInstance());
    return S_OK;
}

STDAPI DllUnregisterServer()
{
    SipModule& module = *SipModule::Instance();
    ClsidText clsidText;
    FormatClsid(*module.Clsid(), clsidText);
    UnregisterInputMethodClass(*module.Clsid(), clsidText);
    return S_OK;
}
