// The test input method as the device knows it: a library placed in the file
// tree, registered through its own entry point, created through the registry
// and driven by the SIP manager.
#include <aygshell.h>
#include <commctrl.h>
#include <objbase.h>
#include <sipapi.h>

#include <device/com.h>
#include <device/libraries.h>
#include <device/sip.h>

#include "callback_sequence.h"
#include "fresh_device.h"

namespace {

const CLSID kTestInputMethod = {0x6B1D2F40, 0x7C3A, 0x4E5B, {0x9A, 0x8C, 0x0D, 0x1E, 0x2F, 0x3A, 0x4B, 0x5C}};
const WCHAR kClassKey[] = TEXT("CLSID\\{6B1D2F40-7C3A-4E5B-9A8C-0D1E2F3A4B5C}");
const WCHAR kLibraryPath[] = TEXT("\\Windows\\testim.dll");

std::u16string DefaultText(LPCWSTR keyPath, LPCWSTR name = nullptr)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, keyPath, 0, 0, &key) != ERROR_SUCCESS) return u"<no key>";
    WCHAR text[MAX_PATH] = {};
    DWORD size = sizeof(text);
    DWORD type = REG_NONE;
    LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(text), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return u"<no value>";
    return type == REG_SZ ? std::u16string(text) : u"<not a string>";
}

// An input method that does nothing, to be current while the test one is not.
class OtherInputMethod final : public IInputMethod {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IInputMethod)) return E_NOINTERFACE;
        *ppv = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override
    {
        ULONG remaining = --references;
        if (remaining == 0) delete this;
        return remaining;
    }
    STDMETHODIMP Select(HWND) override { return S_OK; }
    STDMETHODIMP Deselect() override { return S_OK; }
    STDMETHODIMP Showing() override { return S_OK; }
    STDMETHODIMP Hiding() override { return S_OK; }
    STDMETHODIMP GetInfo(IMINFO*) override { return S_OK; }
    STDMETHODIMP ReceiveSipInfo(SIPINFO*) override { return S_OK; }
    STDMETHODIMP RegisterCallback(IIMCallback*) override { return S_OK; }
    STDMETHODIMP GetImData(DWORD, LPVOID) override { return S_OK; }
    STDMETHODIMP SetImData(DWORD, LPVOID) override { return S_OK; }
    STDMETHODIMP UserOptionsDlg(HWND) override { return S_OK; }

private:
    ULONG references = 0;
};

const CLSID kOtherInputMethod = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};

HRESULT CreateOtherInputMethod(IUnknown*, REFIID riid, void** ppv)
{
    OtherInputMethod* method = new OtherInputMethod();
    method->AddRef();
    HRESULT result = method->QueryInterface(riid, ppv);
    method->Release();
    return result;
}

class SipLibraryTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        ASSERT_TRUE(device::PlaceLibrary(TEST_INPUT_METHOD, kLibraryPath));
    }

    HRESULT CallEntry(const char* name)
    {
        HMODULE library = LoadLibraryW(kLibraryPath);
        EXPECT_NE(library, nullptr) << device::LastLibraryFailure();
        auto entry = reinterpret_cast<HRESULT (*)()>(GetProcAddress(library, name));
        EXPECT_NE(entry, nullptr) << name;
        HRESULT result = entry ? entry() : E_FAIL;
        FreeLibrary(library);
        return result;
    }

    static CLSID Current()
    {
        CLSID current = {};
        SHSipInfo(SPI_GETCURRENTIM, 0, &current, 0);
        return current;
    }
};

TEST_F(SipLibraryTest, RegistrationWritesTheInputMethodsClassKey)
{
    EXPECT_EQ(CallEntry("DllRegisterServer"), S_OK);
    EXPECT_EQ(DefaultText(kClassKey), u"Test input method");
    EXPECT_EQ(DefaultText(kClassKey, TEXT("Desc")), u"A test client of the framework.");
    EXPECT_EQ(DefaultText((std::u16string(kClassKey) + u"\\IsSIPInputMethod").c_str()), u"1");
    EXPECT_EQ(DefaultText((std::u16string(kClassKey) + u"\\InProcServer32").c_str()), u"\\Windows\\testim.dll");
    EXPECT_EQ(DefaultText((std::u16string(kClassKey) + u"\\DefaultIcon").c_str()), u"\\Windows\\testim.dll,0");
}

TEST_F(SipLibraryTest, RegisteredInputMethodIsCreatedThroughTheRegistryWithItsButtonImages)
{
    IInputMethod* method = nullptr;
    EXPECT_EQ(CoCreateInstance(kTestInputMethod, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                               reinterpret_cast<void**>(&method)),
              REGDB_E_CLASSNOTREG);
    ASSERT_EQ(CallEntry("DllRegisterServer"), S_OK);
    ASSERT_EQ(CoCreateInstance(kTestInputMethod, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                               reinterpret_cast<void**>(&method)),
              S_OK);

    IMINFO info = {};
    method->GetInfo(&info);
    int width = 0, height = 0;
    HIMAGELIST narrow = static_cast<HIMAGELIST>(info.hImageNarrow);
    HIMAGELIST wide = static_cast<HIMAGELIST>(info.hImageWide);
    EXPECT_EQ(ImageList_GetImageCount(narrow), 1);
    EXPECT_TRUE(ImageList_GetImageSize(narrow, &width, &height));
    EXPECT_EQ(width * 100 + height, 16 * 100 + 16);
    EXPECT_EQ(ImageList_GetImageCount(wide), 1);
    EXPECT_TRUE(ImageList_GetImageSize(wide, &width, &height));
    EXPECT_EQ(width * 100 + height, 32 * 100 + 16);
    EXPECT_EQ(method->Release(), 0u);
}

// The module reports its rectangle when the callback is registered and when
// it is selected; showing and hiding are read back through GetInfo.
TEST_F(SipLibraryTest, SipManagerSelectsShowsHidesAndSwitchesAway)
{
    ASSERT_EQ(CallEntry("DllRegisterServer"), S_OK);
    device::ShowInputPanel();
    device::ClearCallbackLog();

    ASSERT_TRUE(device::SelectInputMethod(kTestInputMethod));
    const ExpectedCallback select[] = {
        {"SetImInfo({0, 214, 240, 294}, 0x2)"},  // RegisterCallback: no window yet
        {"SetImInfo({0, 214, 240, 294}, 0x2)"},  // Select: the window is created hidden
    };
    EXPECT_TRUE(CallbackLogMatches("select", select));
    EXPECT_EQ(device::InputPanelRect().top, 214);
    EXPECT_TRUE(device::IsInputPanelOn()) << "GetInfo after Showing reports the panel on";

    device::HideInputPanel();
    EXPECT_FALSE(device::IsInputPanelOn());
    device::ShowInputPanel();
    EXPECT_TRUE(device::IsInputPanelOn());
    EXPECT_TRUE(CallbackLogMatches("hide and show", {}));

    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    EXPECT_EQ(Current(), device::kPlatformKeyboardClsid);
}

TEST_F(SipLibraryTest, UnregisteringTheCurrentInputMethodGivesThePanelBackToThePlatformKeyboard)
{
    ASSERT_EQ(CallEntry("DllRegisterServer"), S_OK);
    ASSERT_TRUE(device::SelectInputMethod(kTestInputMethod));
    EXPECT_EQ(CallEntry("DllUnregisterServer"), S_OK);
    EXPECT_EQ(Current(), device::kPlatformKeyboardClsid);
    EXPECT_EQ(DefaultText(kClassKey), u"<no key>");
}

// The library's object count tells whether the panel still holds its object.
TEST_F(SipLibraryTest, ThePanelKeepsTheInputMethodItSwitchedAwayFromUntilItsClassIsUnregistered)
{
    ASSERT_EQ(CallEntry("DllRegisterServer"), S_OK);
    ASSERT_TRUE(device::SelectInputMethod(kTestInputMethod));
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    EXPECT_EQ(CallEntry("DllCanUnloadNow"), S_FALSE) << "kept for the way back";
    ASSERT_TRUE(device::SelectInputMethod(kTestInputMethod));
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));

    EXPECT_EQ(CallEntry("DllUnregisterServer"), S_OK);
    EXPECT_EQ(CallEntry("DllCanUnloadNow"), S_OK) << "released with its class";
    EXPECT_FALSE(device::SelectInputMethod(kTestInputMethod));
}

TEST_F(SipLibraryTest, DeletingTheCurrentInputMethodsClassDeselectsAndReleasesIt)
{
    ASSERT_EQ(CallEntry("DllRegisterServer"), S_OK);
    ASSERT_TRUE(device::SelectInputMethod(kTestInputMethod));
    device::ShowInputPanel();
    HWND panelWindow = GetWindow(device::InputPanelWindow(), GW_CHILD);
    ASSERT_NE(panelWindow, nullptr);

    HKEY classes = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, TEXT("clsid"), 0, 0, &classes), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyW(classes, TEXT("{6b1d2f40-7c3a-4e5b-9a8c-0d1e2f3a4b5c}\\InProcServer32")), ERROR_SUCCESS);
    RegCloseKey(classes);
    EXPECT_FALSE(IsWindow(panelWindow)) << "deselected: its window is gone";
    EXPECT_EQ(CallEntry("DllCanUnloadNow"), S_OK);
    EXPECT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
}

TEST_F(SipLibraryTest, UnregisteringAnotherInputMethodLeavesTheCurrentOneAlone)
{
    ASSERT_EQ(CallEntry("DllRegisterServer"), S_OK);
    device::AddBuiltinClass(kOtherInputMethod, CreateOtherInputMethod);
    ASSERT_TRUE(device::SelectInputMethod(kOtherInputMethod));
    EXPECT_EQ(CallEntry("DllUnregisterServer"), S_OK);
    EXPECT_EQ(Current(), kOtherInputMethod);
    EXPECT_EQ(DefaultText(kClassKey), u"<no key>");
}

}  // namespace
