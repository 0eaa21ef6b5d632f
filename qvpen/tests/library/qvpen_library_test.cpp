// The built qvpen library as the device loads it: registration, the hosted
// letter recogniser's life, the button images and the settings re-read when
// the panel shows.
#include <commctrl.h>
#include <sipapi.h>

#include <device/dialogs.h>
#include <device/faults.h>
#include <device/recogniser.h>
#include <device/sip.h>
#include <device/text_editor.h>

#include <string>

#include "qvpen_device.h"

namespace {

const WCHAR kClassKeyName[] = TEXT("{715587FD-C4DA-41da-A504-0BE8D297D0AD}");

using QvpenLibraryTest = QvpenDevice;

class UnhostedQvpenTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        ASSERT_NO_FATAL_FAILURE(InstallQvpen());
    }

    IInputMethod* Create()
    {
        IInputMethod* method = nullptr;
        EXPECT_EQ(CoCreateInstance(kQvpen, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                   reinterpret_cast<void**>(&method)),
                  S_OK);
        return method;
    }

    template <typename Function>
    Function Export(HMODULE library, const char* name)
    {
        return reinterpret_cast<Function>(GetProcAddress(library, name));
    }
};

// A value under the class key (SUBKEY may be null), or why there is none.
std::u16string ClassValue(LPCWSTR subkey, LPCWSTR name)
{
    std::u16string path = std::u16string(u"CLSID\\") + kClassKeyName;
    if (subkey) path += std::u16string(u"\\") + subkey;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, 0, &key) != ERROR_SUCCESS) return u"<no key>";
    WCHAR text[MAX_PATH] = {};
    DWORD size = sizeof text;
    LONG result = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::u16string(text) : u"<no value>";
}

// The class key's name as stored, found by listing the keys under CLSID.
std::u16string StoredClassKeyName()
{
    HKEY classes = nullptr;
    RegOpenKeyExW(HKEY_CLASSES_ROOT, TEXT("CLSID"), 0, 0, &classes);
    std::u16string found = u"<none>";
    WCHAR name[64];
    for (DWORD index = 0;; ++index) {
        DWORD length = 64;
        if (RegEnumKeyExW(classes, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (_wcsicmp(name, kClassKeyName) == 0) found = name;
    }
    RegCloseKey(classes);
    return found;
}

void ExpectImages(HANDLE list, int width, const char* what)
{
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetImageSize(static_cast<HIMAGELIST>(list), &cx, &cy)) << what;
    EXPECT_EQ(cx, width) << what;
    EXPECT_EQ(cy, 16) << what;
    EXPECT_EQ(ImageList_GetImageCount(static_cast<HIMAGELIST>(list)), 1) << what << ": qvpen's one image";
}

TEST_F(QvpenLibraryTest, RegistersUnderItsOwnSpellingOfTheClassKey)
{
    EXPECT_EQ(StoredClassKeyName(), kClassKeyName);
    EXPECT_EQ(ClassValue(nullptr, nullptr), u"QVPen Letter Recognizer");
    EXPECT_EQ(ClassValue(nullptr, TEXT("Desc")), u"Tarvex Lexovia - QVPen Letter Recognizer.");
    EXPECT_EQ(ClassValue(TEXT("IsSIPInputMethod"), nullptr), u"1");
    EXPECT_EQ(ClassValue(TEXT("InProcServer32"), nullptr), u"\\Windows\\qvpen.dll");
    EXPECT_EQ(ClassValue(TEXT("DefaultIcon"), nullptr), u"\\Windows\\qvpen.dll,0");
}

TEST_F(QvpenLibraryTest, EverySelectWritesTheClassEntriesAgain)
{
    HKEY classKey = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, (std::u16string(u"CLSID\\") + kClassKeyName).c_str(), 0, 0, &classKey),
              ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyW(classKey, TEXT("DefaultIcon")), ERROR_SUCCESS);
    RegCloseKey(classKey);
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    ASSERT_TRUE(device::SelectInputMethod(kQvpen));
    EXPECT_EQ(ClassValue(TEXT("DefaultIcon"), nullptr), u"\\Windows\\qvpen.dll,0");
}

TEST_F(QvpenLibraryTest, WritesRussianOnceTheSelectionIsReadAtTheNextShow)
{
    StoreSelectedTable(4);
    Write(u"p");
    EXPECT_EQ(device::EditorText(), u"p") << "the selection takes effect only when the panel is shown";
    device::HideInputPanel();
    device::ShowInputPanel();
    device::ClearEditor();
    Write(u"privet");
    EXPECT_EQ(device::EditorText(), u"привет");
}

TEST_F(QvpenLibraryTest, TheLetterBeforeSurvivesSwitchingThePanelAwayAndBack)
{
    StoreSelectedTable(3);
    device::HideInputPanel();
    device::ShowInputPanel();
    Write(u"a");
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    ASSERT_TRUE(device::SelectInputMethod(kQvpen));
    Write(u"\\");
    EXPECT_EQ(device::EditorText(), u"à");
}

TEST_F(QvpenLibraryTest, TheOptionsCommandRereadsTheSettingsAndSucceeds)
{
    StoreSelectedTable(3);
    device::QueueUserAction([](HWND page) {
        WCHAR chosen[32] = {};
        GetDlgItemTextW(page, 1012, chosen, 32);
        EXPECT_EQ(std::u16string(chosen), u"Extended Latin");
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    EXPECT_EQ(device::OpenInputMethodOptions(), S_OK);
    EXPECT_EQ(device::OpenInputMethodOptions(), S_OK) << "a page the user leaves waiting";
    std::vector<std::string> faults = device::TakeFaults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find("dialog 519"), std::string::npos) << faults[0];
}

TEST_F(UnhostedQvpenTest, GetInfoReportsQvpensImagesOverTheRecognisersPanel)
{
    IInputMethod* method = Create();
    ASSERT_NE(method, nullptr);
    device::ShowInputPanel();
    method->Select(device::InputPanelWindow());
    method->Showing();
    IMINFO info = {};
    info.cbSize = sizeof info;
    info.iNarrow = info.iWide = 5;
    EXPECT_EQ(method->GetInfo(&info), S_OK);
    ExpectImages(info.hImageNarrow, 16, "narrow");
    ExpectImages(info.hImageWide, 32, "wide");
    EXPECT_EQ(info.iNarrow, 0);
    EXPECT_EQ(info.iWide, 0);
    EXPECT_EQ(info.fdwFlags, DWORD(SIPF_DOCKED | SIPF_ON)) << "the recogniser's state stays";
    EXPECT_EQ(info.rcSipRect.top, 214);

    void* callback = &info;
    EXPECT_EQ(method->QueryInterface(IID_IIMCallback, &callback), E_NOINTERFACE);
    EXPECT_EQ(callback, nullptr);
    method->Hiding();
    method->Deselect();
    method->Release();
}

TEST_F(UnhostedQvpenTest, TheRecogniserLivesExactlyAsLongAsTheInputMethod)
{
    IInputMethod* method = Create();
    ASSERT_NE(method, nullptr);
    EXPECT_EQ(device::LiveLetterRecognisers(), 1);
    method->AddRef();
    method->AddRef();
    method->Release();
    method->Release();
    EXPECT_EQ(device::LiveLetterRecognisers(), 1);
    method->Release();
    EXPECT_EQ(device::LiveLetterRecognisers(), 0);

    ASSERT_TRUE(device::SelectInputMethod(kQvpen));
    device::ShowInputPanel();
    EXPECT_EQ(device::LiveLetterRecognisers(), 1);
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    EXPECT_EQ(device::LiveLetterRecognisers(), 1) << "switching away keeps the wrapper and its recogniser";

    HMODULE library = LoadLibraryW(TEXT("\\Windows\\qvpen.dll"));
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(Export<HRESULT (*)()>(library, "DllUnregisterServer")(), S_OK);
    EXPECT_EQ(device::LiveLetterRecognisers(), 0) << "unregistering the class lets them go";
    EXPECT_EQ(Export<HRESULT (*)()>(library, "DllCanUnloadNow")(), S_OK);
    FreeLibrary(library);
}

TEST_F(UnhostedQvpenTest, WithoutTheLetterRecogniserTheInputMethodIsNotCreated)
{
    device::RemoveLetterRecogniser();
    IInputMethod* method = nullptr;
    EXPECT_EQ(CoCreateInstance(kQvpen, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                               reinterpret_cast<void**>(&method)),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(method, nullptr);
    EXPECT_FALSE(device::SelectInputMethod(kQvpen));
    EXPECT_NE(device::CurrentInputMethod(), kQvpen) << "the panel keeps the input method it had";

    HMODULE library = LoadLibraryW(TEXT("\\Windows\\qvpen.dll"));
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(Export<HRESULT (*)()>(library, "DllCanUnloadNow")(), S_OK) << "nothing is left alive";
    FreeLibrary(library);
}

TEST_F(UnhostedQvpenTest, TheFactoryAndServerLocksKeepTheLibraryLoaded)
{
    HMODULE library = LoadLibraryW(TEXT("\\Windows\\qvpen.dll"));
    ASSERT_NE(library, nullptr);
    auto getClassObject = Export<HRESULT (*)(REFCLSID, REFIID, LPVOID*)>(library, "DllGetClassObject");
    auto canUnloadNow = Export<HRESULT (*)()>(library, "DllCanUnloadNow");

    void* factory = &library;
    EXPECT_EQ(getClassObject(device::kLetterRecogniserClsid, IID_IClassFactory, &factory), E_OUTOFMEMORY);
    EXPECT_EQ(factory, nullptr) << "a foreign class gets no factory";

    ASSERT_EQ(getClassObject(kQvpen, IID_IClassFactory, &factory), S_OK);
    IClassFactory* classFactory = static_cast<IClassFactory*>(factory);
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "the factory counts as a live object";
    classFactory->LockServer(TRUE);
    classFactory->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "a server lock keeps the library";
    ASSERT_EQ(getClassObject(kQvpen, IID_IClassFactory, &factory), S_OK);
    classFactory = static_cast<IClassFactory*>(factory);
    classFactory->LockServer(FALSE);
    classFactory->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
    FreeLibrary(library);
}

TEST_F(UnhostedQvpenTest, BeforeACallbackIsRegisteredWritingReachesNobody)
{
    IInputMethod* method = Create();
    ASSERT_NE(method, nullptr);
    device::ShowInputPanel();
    device::ClearCallbackLog();
    EXPECT_EQ(method->RegisterCallback(nullptr), S_OK);
    method->Select(device::InputPanelWindow());
    method->Showing();
    EXPECT_TRUE(device::WriteCharacters(u"a\\")) << device::RecogniserFailure();
    EXPECT_TRUE(device::WriteBackspace());
    EXPECT_TRUE(device::CallbackLog().empty());
    EXPECT_EQ(device::EditorText(), u"");
    method->Deselect();
    method->Release();
}

}  // namespace
