#include <device/com.h>
#include <device/libraries.h>
#include <device/sip.h>
#include <objbase.h>
#include <sipapi.h>
#include <winreg.h>

#include "comserver.h"
#include "fresh_device.h"

namespace {

const CLSID kUnregistered = {0x5E5E5E5E, 0x0005, 0x0005, {5, 5, 5, 5, 5, 5, 5, 5}};
const CLSID kMissingLibrary = {0x6F6F6F6F, 0x0006, 0x0006, {6, 6, 6, 6, 6, 6, 6, 6}};
void* const kGarbage = reinterpret_cast<void*>(0x1234);

void RegisterServer(const CLSID& clsid, const std::u16string& path)
{
    WCHAR text[39];
    StringFromGUID2(clsid, text, 39);
    std::u16string keyPath = u"CLSID\\" + std::u16string(text) + u"\\InProcServer32";
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>((path.size() + 1) * sizeof(WCHAR)));
    RegCloseKey(key);
}

}  // namespace

using ComActivationTest = FreshDevice;

TEST_F(ComActivationTest, ThePlatformKeyboardIsABuiltInInputMethod)
{
    IInputMethod* keyboard = nullptr;
    ASSERT_EQ(CoCreateInstance(device::kPlatformKeyboardClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                               reinterpret_cast<void**>(&keyboard)),
              S_OK);
    ASSERT_NE(keyboard, nullptr);
    void* other = kGarbage;
    EXPECT_EQ(keyboard->QueryInterface(IID_IIMCallback, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(keyboard->Release(), 0u);
}

TEST_F(ComActivationTest, FailuresAnswerAsThePlatformDoesAndLeaveNoPointer)
{
    RegisterServer(kMissingLibrary, u"\\Windows\\missing.dll");
    int controllingObject = 0;  // never called: aggregation is refused before it is used
    IUnknown* outer = reinterpret_cast<IUnknown*>(&controllingObject);
    const struct {
        const char* situation;
        CLSID clsid;
        IUnknown* outer;
        DWORD context;
        IID iid;
        HRESULT expected;
    } cases[] = {
        {"a class nobody registered", kUnregistered, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
         REGDB_E_CLASSNOTREG},
        {"a registered class whose library is missing", kMissingLibrary, nullptr, CLSCTX_INPROC_SERVER,
         IID_IUnknown, CO_E_DLLNOTFOUND},
        {"aggregation asked of a class that refuses it", device::kPlatformKeyboardClsid, outer, CLSCTX_INPROC_SERVER,
         IID_IUnknown, CLASS_E_NOAGGREGATION},
        {"an interface the object lacks", device::kPlatformKeyboardClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IClassFactory,
         E_NOINTERFACE},
        {"a context other than in-process", device::kPlatformKeyboardClsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
         E_NOTIMPL},
    };
    for (const auto& test : cases) {
        void* object = kGarbage;
        EXPECT_EQ(CoCreateInstance(test.clsid, test.outer, test.context, test.iid, &object), test.expected)
            << test.situation;
        EXPECT_EQ(object, nullptr) << test.situation;
    }
    EXPECT_EQ(CoCreateInstance(device::kPlatformKeyboardClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, nullptr), E_POINTER);
}

namespace {

// A device with the COM test server placed and registered, and the platform's
// test library (no COM entry points) registered as a server too.
class ComServerTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        ASSERT_TRUE(device::PlaceLibrary(COM_SERVER_LIBRARY, u"\\Windows\\comserver.dll"));
        ASSERT_TRUE(device::PlaceLibrary(TEST_LIBRARY, u"\\Windows\\testlib.dll"));
        RegisterServer(kComServerClass, u"\\Windows\\comserver.dll");
        RegisterServer(kNotServed, u"\\Windows\\comserver.dll");
        RegisterServer(kNoEntryPoint, u"\\Windows\\testlib.dll");
    }

    static int DetachesOf(const std::u16string& path)
    {
        int detaches = 0;
        for (const device::DllMainCall& call : device::DllMainLog())
            detaches += call.reason == DLL_PROCESS_DETACH && call.module == path;
        return detaches;
    }

    static IUnknown* CreateServerObject()
    {
        IUnknown* object = nullptr;
        EXPECT_EQ(CoCreateInstance(kComServerClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   reinterpret_cast<void**>(&object)),
                  S_OK);
        return object;
    }

    static constexpr CLSID kNotServed = {0x8B8B8B8B, 0x0008, 0x0008, {8, 8, 8, 8, 8, 8, 8, 8}};
    static constexpr CLSID kNoEntryPoint = {0x9C9C9C9C, 0x0009, 0x0009, {9, 9, 9, 9, 9, 9, 9, 9}};
};

}  // namespace

TEST_F(ComServerTest, ARegisteredServerIsLoadedAndKeptUntilItCanUnload)
{
    IUnknown* first = CreateServerObject();
    IUnknown* second = CreateServerObject();
    ASSERT_TRUE(first && second);
    first->Release();
    CoFreeUnusedLibraries();
    EXPECT_EQ(DetachesOf(u"\\Windows\\comserver.dll"), 0) << "an object of the server is still alive";

    second->Release();
    EXPECT_EQ(DetachesOf(u"\\Windows\\comserver.dll"), 0) << "COM keeps the library until asked to free it";
    CoFreeUnusedLibraries();
    EXPECT_EQ(DetachesOf(u"\\Windows\\comserver.dll"), 1);
    CoFreeUnusedLibraries();
    EXPECT_EQ(DetachesOf(u"\\Windows\\comserver.dll"), 1) << "a freed library is not freed twice";
}

TEST_F(ComServerTest, TheServersOwnAnswersAndAMissingEntryPointReachTheCaller)
{
    void* object = kGarbage;
    EXPECT_EQ(CoCreateInstance(kNotServed, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);

    object = kGarbage;
    EXPECT_EQ(CoCreateInstance(kNoEntryPoint, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
              CO_E_ERRORINDLL);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(DetachesOf(u"\\Windows\\testlib.dll"), 1) << "a library that is no server is let go at once";
}
