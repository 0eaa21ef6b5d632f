// The framework's COM layer and module object, driven the way the SIP manager
// drives them, with the test module linked into this program.
#include <objbase.h>
#include <sipapi.h>

#include <device/message_log.h>

#include "fresh_device.h"
#include "message_sequence.h"
#include "test_module/test_module.h"

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv);
STDAPI DllCanUnloadNow();

namespace {

// Records what the input method reports through its callback.
class RecordingCallback : public IIMCallback {
public:
    STDMETHODIMP QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP SetImInfo(IMINFO* info) override
    {
        infos.push_back(*info);
        return S_OK;
    }
    STDMETHODIMP SendVirtualKey(BYTE, DWORD) override { return S_OK; }
    STDMETHODIMP SendCharEvents(UINT, UINT, UINT, UINT*, UINT*) override { return S_OK; }
    STDMETHODIMP SendString(BSTR, DWORD) override { return S_OK; }

    std::vector<IMINFO> infos;
};

const CLSID kOtherClsid = {0x42429667, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};

class SipServerTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        TheTestModule().settings.reloads = 0;
        TheTestModule().settings.reportChange = false;
        DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr);
        PanelCalls().clear();
        WNDCLASSW sipClass = {};
        sipClass.lpfnWndProc = DefWindowProcW;
        sipClass.lpszClassName = TEXT("TestSipWindow");
        RegisterClassW(&sipClass);
        sipWindow = CreateWindowExW(0, TEXT("TestSipWindow"), TEXT(""), WS_VISIBLE, 0, 214, 240, 80, nullptr,
                                    nullptr, nullptr, nullptr);
    }

    void TearDown() override
    {
        if (method && SipModule::Instance()->Window()) method->Deselect();
        if (method) method->Release();
        EXPECT_EQ(TheTestModule().objectCount, 0) << "every object made was released";
        FreshDevice::TearDown();
    }

    // The input method as the SIP manager gets it: factory, object, factory released.
    IInputMethodEx* Create()
    {
        IClassFactory* factory = nullptr;
        EXPECT_EQ(DllGetClassObject(kTestModuleClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IInputMethodEx, reinterpret_cast<void**>(&method)), S_OK);
        factory->Release();
        return method;
    }

    IInputMethodEx* Selected()
    {
        Create()->RegisterCallback(&callback);
        method->Select(sipWindow);
        return method;
    }

    HWND sipWindow = nullptr;
    IInputMethodEx* method = nullptr;
    RecordingCallback callback;
};

TEST_F(SipServerTest, AttachInitializesThePanelsOnlyWhileNoObjectIsAlive)
{
    DllMain(nullptr, DLL_THREAD_ATTACH, nullptr);
    EXPECT_EQ(PanelCalls(), (std::vector<std::string>{"first.Init", "second.Init"}));

    PanelCalls().clear();
    Create();
    DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr);
    DllMain(nullptr, DLL_PROCESS_DETACH, nullptr);
    EXPECT_TRUE(PanelCalls().empty());
}

TEST_F(SipServerTest, ForeignClassIsRefusedWithOutOfMemory)
{
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(DllGetClassObject(kOtherClsid, IID_IClassFactory, &object), E_OUTOFMEMORY);
    EXPECT_EQ(object, nullptr);
}

TEST_F(SipServerTest, LockServerHoldsTheLibraryLoaded)
{
    IClassFactory* factory = nullptr;
    ASSERT_EQ(DllGetClassObject(kTestModuleClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    factory->LockServer(TRUE);
    factory->Release();
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);

    ASSERT_EQ(DllGetClassObject(kTestModuleClsid, IID_IUnknown, reinterpret_cast<void**>(&factory)), S_OK);
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST_F(SipServerTest, FactoryNeverHandsOutAnObjectThatIsGone)
{
    IClassFactory* factory = nullptr;
    ASSERT_EQ(DllGetClassObject(kTestModuleClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    IInputMethod* first = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&first)), S_OK);
    EXPECT_EQ(first->Release(), 1u) << "the factory keeps its own reference";

    IInputMethod* second = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&second)), S_OK);
    EXPECT_EQ(second, first) << "the cached object is still alive and handed out again";
    EXPECT_EQ(TheTestModule().objectCount, 1);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);

    factory->Release();
    EXPECT_EQ(second->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST_F(SipServerTest, InterfacesAnsweredAreTheInputMethodOnes)
{
    Create();
    const struct {
        const IID* iid;
        HRESULT expected;
    } cases[] = {
        {&IID_IInputMethodEx, S_OK},
        {&IID_IInputMethod, S_OK},
        {&IID_IUnknown, S_OK},
        {&IID_IClassFactory, E_NOINTERFACE},
        {&IID_IIMCallback, E_NOINTERFACE},
    };
    for (const auto& c : cases) {
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(method->QueryInterface(*c.iid, &object), c.expected);
        if (c.expected == S_OK) {
            EXPECT_EQ(object, static_cast<void*>(method));
            method->Release();
        } else {
            EXPECT_EQ(object, nullptr) << "a refused interface leaves a null pointer";
        }
    }
}

TEST_F(SipServerTest, SelectCreatesTheHiddenPanelWindowAndReportsItsRectangle)
{
    device::ClearMessageLog();
    Selected();
    HWND window = SipModule::Instance()->Window();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), sipWindow);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_USERDATA), reinterpret_cast<LONG_PTR>(SipModule::Instance()))
        << "the window finds the module object in its user data";
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client, (RECT{0, 0, 240, 80}));

    ASSERT_FALSE(callback.infos.empty());
    const IMINFO& info = callback.infos.back();
    EXPECT_EQ(info.cbSize, 40u);
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
    EXPECT_EQ(info.rcSipRect, (RECT{0, 214, 240, 294}));
    EXPECT_EQ(PanelCalls(), (std::vector<std::string>{"first.OnSelect"}));

    const ExpectedMessage select[] = {
        {WM_CREATE, kMessageOnly, 0, 0, window},
        {WM_SIZE, kOptional},
        {WM_MOVE, kOptional},
        {WM_WINDOWPOSCHANGING, kMessageOnly, 0, 0, window},
    };
    EXPECT_TRUE(MessageLogMatches("select", select));
}

TEST_F(SipServerTest, GetInfoReportsTheWorkAreaWhileHiddenAndThePanelWhileShown)
{
    Selected();
    IMINFO info = {};
    info.cbSize = 40;
    method->GetInfo(&info);
    EXPECT_EQ(info.cbSize, 40u);
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
    EXPECT_EQ(info.rcSipRect, (RECT{0, 26, 240, 294}));

    method->Showing();
    method->GetInfo(&info);
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_DOCKED | SIPF_ON));
    EXPECT_EQ(info.rcSipRect, (RECT{0, 214, 240, 294}));
}

TEST_F(SipServerTest, ShowingReloadsSettingsOnlyWhenTheWindowWasHidden)
{
    Selected();
    TestSettings& settings = TheTestModule().settings;
    settings.reportChange = true;
    PanelCalls().clear();

    method->Showing();
    EXPECT_EQ(settings.reloads, 1);
    EXPECT_TRUE(IsWindowVisible(SipModule::Instance()->Window()));
    EXPECT_EQ(PanelCalls(),
              (std::vector<std::string>{"first.DropImageCache", "second.DropImageCache", "first.OnShowing"}));

    PanelCalls().clear();
    method->Showing();
    EXPECT_EQ(settings.reloads, 1) << "already visible: no reload";
    EXPECT_TRUE(PanelCalls().empty());

    method->Hiding();
    EXPECT_EQ(PanelCalls(), (std::vector<std::string>{"first.OnHiding"}));
    EXPECT_FALSE(IsWindowVisible(SipModule::Instance()->Window()));
}

TEST_F(SipServerTest, NextPanelAlternatesAndReportsTheNewPanelsRectangle)
{
    Selected();
    PanelCalls().clear();
    SipModule& module = *SipModule::Instance();

    module.NextPanel();
    EXPECT_EQ(module.CurrentPanel()->Height(), 60);
    EXPECT_EQ(callback.infos.back().rcSipRect, (RECT{0, 234, 240, 294}));
    module.NextPanel();
    EXPECT_EQ(module.CurrentPanel()->Height(), 80);
    EXPECT_EQ(callback.infos.back().rcSipRect, (RECT{0, 214, 240, 294}));
    EXPECT_EQ(PanelCalls(), (std::vector<std::string>{"first.OnDeselect", "second.OnSelect", "second.OnDeselect",
                                                      "first.OnSelect"}));
}

TEST_F(SipServerTest, WindowHandsPenAndTimerMessagesToTheCurrentPanel)
{
    Selected();
    HWND window = SipModule::Instance()->Window();
    PanelCalls().clear();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 90));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(-5, 90));
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 2));
    SendMessageW(window, WM_TIMER, 2, 0);
    ShowWindow(window, SW_SHOW);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(PanelCalls(), (std::vector<std::string>{"first.OnPenDown 10,20", "first.OnPenMove -5,90",
                                                      "first.OnPenUp -5,90", "first.OnDoubleTap 1,2",
                                                      "first.OnTimer 2", "first.Paint"}));
    RECT update = {};
    EXPECT_FALSE(GetUpdateRect(window, &update, FALSE)) << "painting validated the window";
}

TEST_F(SipServerTest, DeselectDestroysTheWindowAndFreesItsClassForTheNextSelect)
{
    Selected();
    HWND window = SipModule::Instance()->Window();
    PanelCalls().clear();
    method->Deselect();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SipModule::Instance()->Window(), nullptr);
    EXPECT_EQ(PanelCalls(), (std::vector<std::string>{"first.OnDeselect"}));

    method->Select(sipWindow);
    EXPECT_TRUE(IsWindow(SipModule::Instance()->Window())) << "the class was registered again";
    method->Deselect();
}

TEST_F(SipServerTest, OptionsReloadSettingsAndRefreshOnlyOnAChange)
{
    Selected();
    TestSettings& settings = TheTestModule().settings;
    PanelCalls().clear();
    method->UserOptionsDlg(sipWindow);
    EXPECT_EQ(settings.reloads, 1);
    EXPECT_TRUE(PanelCalls().empty());

    settings.reportChange = true;
    method->UserOptionsDlg(sipWindow);
    EXPECT_EQ(PanelCalls(), (std::vector<std::string>{"first.DropImageCache", "second.DropImageCache"}));
}

}  // namespace
