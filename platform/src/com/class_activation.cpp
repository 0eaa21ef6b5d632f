// CoCreateInstance: the platform's built-in classes first, then the in-process
// server that the class registry names.
#include <objbase.h>
#include <winreg.h>

#include <string>

#include "com/builtin_classes.h"
#include "com/server_libraries.h"

namespace {

const int kGuidTextSize = 39;

// The default value of the class's InProcServer32 key; false when the class
// is not registered there.
bool ReadServerPath(REFCLSID clsid, std::u16string& path)
{
    WCHAR clsidText[kGuidTextSize];
    StringFromGUID2(clsid, clsidText, kGuidTextSize);
    std::u16string keyPath = u"CLSID\\" + std::u16string(clsidText) + u"\\InProcServer32";
    HKEY key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    DWORD type = REG_NONE;
    DWORD size = 0;
    bool found = RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
                 (type == REG_SZ || type == REG_EXPAND_SZ);
    if (found) {
        path.assign(size / sizeof(WCHAR) + 1, u'\0');
        found = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(path.data()), &size) ==
                ERROR_SUCCESS;
        path.resize(path.find(u'\0'));
    }
    RegCloseKey(key);
    return found;
}

HRESULT CreateFromFactory(IClassFactory* factory, LPUNKNOWN outer, REFIID riid, LPVOID* ppv)
{
    HRESULT result = factory->CreateInstance(outer, riid, ppv);
    factory->Release();
    return result;
}

HRESULT CreateFromServer(REFCLSID clsid, LPUNKNOWN outer, REFIID riid, LPVOID* ppv)
{
    std::u16string path;
    if (!ReadServerPath(clsid, path)) return REGDB_E_CLASSNOTREG;
    HMODULE module = LoadLibraryW(path.c_str());
    if (!module) return CO_E_DLLNOTFOUND;
    auto getClassObject = platform::com::ServerEntryPoint<LPFNGETCLASSOBJECT>(module, "DllGetClassObject");
    if (!getClassObject) {
        FreeLibrary(module);
        return CO_E_ERRORINDLL;
    }
    platform::com::KeepServerLibrary(module);
    IClassFactory* factory = nullptr;
    HRESULT result = getClassObject(clsid, IID_IClassFactory, reinterpret_cast<LPVOID*>(&factory));
    if (FAILED(result)) return result;
    if (!factory) return E_UNEXPECTED;
    return CreateFromFactory(factory, outer, riid, ppv);
}

}  // namespace

HRESULT WINAPI CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (dwClsContext != CLSCTX_INPROC_SERVER) return E_NOTIMPL;
    device::ClassCreator create = platform::com::FindBuiltinClass(rclsid);
    HRESULT result = create ? create(pUnkOuter, riid, ppv) : CreateFromServer(rclsid, pUnkOuter, riid, ppv);
    if (FAILED(result)) *ppv = nullptr;
    return result;
}
