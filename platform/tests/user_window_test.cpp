#include <functional>
#include <optional>

#include <device/message_log.h>
#include <windows.h>

#include "fresh_device.h"
#include "message_sequence.h"

namespace {

// What the test's windows do before DefWindowProcW; nothing when empty.
std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> reaction;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (reaction)
        if (std::optional<LRESULT> result = reaction(window, message, wParam, lParam)) return *result;
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK AnswerFortyTwo(HWND, UINT, WPARAM, LPARAM) { return 42; }

const LPCWSTR kTestClass = TEXT("TestWindow");

HWND Create(DWORD style, HWND parent, RECT rect, LPCWSTR name = nullptr, LPVOID param = nullptr)
{
    return CreateWindowExW(0, kTestClass, name, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, nullptr, nullptr, param);
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRect(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

}  // namespace

// RECT lives in the global namespace, where the comparisons must find these.
static bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

class UserWindowTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        WNDCLASSW info = {};
        info.lpfnWndProc = TestWindowProc;
        info.cbWndExtra = 12;
        info.lpszClassName = kTestClass;
        ASSERT_NE(RegisterClassW(&info), 0);
    }

    void TearDown() override
    {
        reaction = nullptr;
        FreshDevice::TearDown();
    }
};

TEST_F(UserWindowTest, ParentAndChildGoThroughTheirLivesWithThePlatformsMessages)
{
    HWND parent = Create(WS_POPUP | WS_VISIBLE, nullptr, {0, 26, 240, 294});
    HWND child = Create(WS_CHILD, parent, {0, 188, 240, 268});
    const ExpectedMessage creation[] = {
        {WM_CREATE, kMessageOnly, 0, 0, parent},
        {WM_SIZE, kWParam | kLParam, SIZE_RESTORED, MAKELPARAM(240, 268), parent},
        {WM_MOVE, kLParam, 0, MAKELPARAM(0, 26), parent},
        {WM_SHOWWINDOW, kWParam | kLParam, TRUE, 0, parent},
        {WM_CREATE, kMessageOnly, 0, 0, child},
        {WM_SIZE, kLParam, 0, MAKELPARAM(240, 80), child},
        {WM_MOVE, kLParam, 0, MAKELPARAM(0, 188), child},
    };
    EXPECT_TRUE(MessageLogMatches("create a visible parent and a hidden child", creation));

    EXPECT_FALSE(ShowWindow(child, SW_SHOW));
    EXPECT_TRUE(ShowWindow(child, SW_SHOWNA)) << "ShowWindow answers whether the window was visible";
    const ExpectedMessage showing[] = {{WM_SHOWWINDOW, kWParam, TRUE, 0, child}};
    EXPECT_TRUE(MessageLogMatches("show the child twice: one change, one message", showing));

    EXPECT_TRUE(MoveWindow(child, 0, 214, 240, 80, TRUE));
    EXPECT_TRUE(MoveWindow(child, 0, 214, 240, 106, TRUE));
    EXPECT_TRUE(MoveWindow(child, 0, 214, 240, 106, TRUE));
    const ExpectedMessage moves[] = {
        {WM_WINDOWPOSCHANGING, kMessageOnly, 0, 0, child},
        {WM_WINDOWPOSCHANGED, kMessageOnly, 0, 0, child},
        {WM_MOVE, kLParam, 0, MAKELPARAM(0, 214), child},
        {WM_WINDOWPOSCHANGING, kMessageOnly, 0, 0, child},
        {WM_WINDOWPOSCHANGED, kMessageOnly, 0, 0, child},
        {WM_SIZE, kLParam, 0, MAKELPARAM(240, 106), child},
        {WM_WINDOWPOSCHANGING, kMessageOnly, 0, 0, child},
    };
    EXPECT_TRUE(MessageLogMatches("move, then resize, then neither", moves));

    EXPECT_TRUE(DestroyWindow(parent));
    const ExpectedMessage destruction[] = {{WM_DESTROY, kMessageOnly, 0, 0, parent},
                                           {WM_DESTROY, kMessageOnly, 0, 0, child}};
    EXPECT_TRUE(MessageLogMatches("destroy the parent", destruction));
}

TEST_F(UserWindowTest, CreationHandsTheArgumentsToAWindowThatAlreadyExists)
{
    HWND parent = Create(WS_POPUP | WS_VISIBLE, nullptr, {0, 26, 240, 294});
    int module = 0;
    CREATESTRUCTW seen = {};
    std::optional<LONG> styleDuringCreate;
    std::optional<LONG_PTR> userDataDuringCreate;
    reaction = [&](HWND window, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message != WM_CREATE) return std::nullopt;
        seen = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
        styleDuringCreate = GetWindowLongW(window, GWL_STYLE);
        userDataDuringCreate = GetWindowLongPtrW(window, GWL_USERDATA);
        return 0;
    };
    HWND keys = CreateWindowExW(WS_EX_TOPMOST, TEXT("testwindow"), TEXT("Keys"), WS_CHILD | WS_VISIBLE, 0, 188, 240, 80,
                                parent, reinterpret_cast<HMENU>(7), nullptr, &module);
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(seen.lpCreateParams, &module);
    EXPECT_EQ(seen.hwndParent, parent);
    EXPECT_EQ(seen.hMenu, reinterpret_cast<HMENU>(7));
    EXPECT_EQ((RECT{seen.x, seen.y, seen.x + seen.cx, seen.y + seen.cy}), (RECT{0, 188, 240, 268}));
    EXPECT_EQ(seen.style, static_cast<LONG>(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(seen.dwExStyle, static_cast<DWORD>(WS_EX_TOPMOST));
    EXPECT_EQ(std::u16string(seen.lpszName), u"Keys");
    EXPECT_EQ(styleDuringCreate, WS_CHILD) << "the window becomes visible after WM_CREATE";
    EXPECT_EQ(userDataDuringCreate, 0);
    EXPECT_TRUE(IsWindowVisible(keys));
    EXPECT_EQ(GetWindowLongW(keys, GWL_ID), 7);
    EXPECT_EQ(GetWindowLongW(keys, GWL_EXSTYLE), WS_EX_TOPMOST);
    EXPECT_EQ(GetParent(keys), parent);
}

TEST_F(UserWindowTest, CreationFailsWithThePlatformsErrors)
{
    HWND parent = Create(WS_POPUP, nullptr, {0, 0, 10, 10});
    HWND gone = Create(WS_POPUP, nullptr, {0, 0, 10, 10});
    DestroyWindow(gone);
    struct Case {
        const char* what;
        LPCWSTR className;
        DWORD style;
        HWND parent;
        DWORD error;
    };
    const Case cases[] = {
        {"an unknown class", TEXT("NoSuchClass"), WS_POPUP, nullptr, ERROR_CANNOT_FIND_WND_CLASS},
        {"no class", nullptr, WS_POPUP, nullptr, ERROR_CANNOT_FIND_WND_CLASS},
        {"a child without a parent", kTestClass, WS_CHILD, nullptr, ERROR_TLW_WITH_WSCHILD},
        {"a child of a destroyed window", kTestClass, WS_CHILD, gone, ERROR_INVALID_WINDOW_HANDLE},
        {"a popup owned by a destroyed window", kTestClass, WS_POPUP, gone, ERROR_INVALID_WINDOW_HANDLE},
        {"a child of a made-up handle", kTestClass, WS_CHILD, reinterpret_cast<HWND>(0x1234),
         ERROR_INVALID_WINDOW_HANDLE},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(CreateWindowExW(0, c.className, nullptr, c.style, 0, 0, 5, 5, c.parent, nullptr, nullptr, nullptr),
                  nullptr)
            << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    EXPECT_NE(Create(WS_CHILD, parent, {0, 0, 5, 5}), nullptr) << "the same child with a live parent";
}

TEST_F(UserWindowTest, CreateReturningMinusOneDestroysTheWindowAndWhatItMade)
{
    int refuse = 0;
    HWND made = nullptr;
    HWND child = nullptr;
    reaction = [&](HWND window, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message != WM_CREATE || reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams != &refuse)
            return std::nullopt;
        made = window;
        child = Create(WS_CHILD, window, {0, 0, 5, 5});
        return -1;
    };
    EXPECT_EQ(Create(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 10, 10}, nullptr, &refuse), nullptr);
    const ExpectedMessage refusal[] = {
        {WM_CREATE, kMessageOnly, 0, 0, made},
        {WM_CREATE, kMessageOnly, 0, 0, child},
        {WM_SIZE, kMessageOnly, 0, 0, child},
        {WM_MOVE, kMessageOnly, 0, 0, child},
        {WM_DESTROY, kMessageOnly, 0, 0, made},
        {WM_DESTROY, kMessageOnly, 0, 0, child},
    };
    EXPECT_TRUE(MessageLogMatches("a window that refuses to be created", refusal));
    EXPECT_FALSE(IsWindow(made));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_TRUE(UnregisterClassW(kTestClass, nullptr)) << "no window of the class is left";
}

TEST_F(UserWindowTest, DestroyReachesTheSubtreeDepthFirstAndThenEveryHandleDies)
{
    HWND root = Create(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    HWND first = Create(WS_CHILD | WS_VISIBLE, root, {0, 0, 50, 50});
    HWND grandchild = Create(WS_CHILD | WS_VISIBLE, first, {0, 0, 10, 10});
    HWND second = Create(WS_CHILD | WS_VISIBLE, root, {50, 50, 100, 100});
    const HWND tree[] = {root, first, grandchild, second};
    reaction = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_DESTROY) {
            for (HWND window : tree)
                EXPECT_TRUE(IsWindow(window)) << "handles stay good until every WM_DESTROY is sent";
        }
        return std::nullopt;
    };
    device::ClearMessageLog();
    EXPECT_TRUE(DestroyWindow(root));
    const ExpectedMessage destruction[] = {
        {WM_DESTROY, kMessageOnly, 0, 0, root},
        {WM_DESTROY, kMessageOnly, 0, 0, first},
        {WM_DESTROY, kMessageOnly, 0, 0, grandchild},
        {WM_DESTROY, kMessageOnly, 0, 0, second},
    };
    EXPECT_TRUE(MessageLogMatches("destroy a tree", destruction));

    HWND successor = Create(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    device::ClearMessageLog();
    RECT rect;
    struct DeadCall {
        const char* name;
        std::function<bool(HWND)> fails;
    };
    const DeadCall calls[] = {
        {"SendMessageW", [](HWND w) { return SendMessageW(w, WM_SETTEXT, 0, 0) == 0; }},
        {"ShowWindow", [](HWND w) { return !ShowWindow(w, SW_HIDE); }},
        {"MoveWindow", [](HWND w) { return !MoveWindow(w, 1, 1, 1, 1, TRUE); }},
        {"DestroyWindow", [](HWND w) { return !DestroyWindow(w); }},
        {"SetWindowLongPtrW", [](HWND w) { return SetWindowLongPtrW(w, GWL_USERDATA, 5) == 0; }},
        {"GetWindowLongW", [](HWND w) { return GetWindowLongW(w, GWL_STYLE) == 0; }},
        {"GetWindowRect", [&](HWND w) { return !GetWindowRect(w, &rect); }},
        {"GetClientRect", [&](HWND w) { return !GetClientRect(w, &rect); }},
        {"GetParent", [](HWND w) { return GetParent(w) == nullptr; }},
    };
    for (HWND dead : tree) {
        EXPECT_NE(dead, successor) << "handles are never reused";
        EXPECT_FALSE(IsWindow(dead));
        EXPECT_FALSE(IsWindowVisible(dead));
        for (const DeadCall& call : calls) {
            SetLastError(0);
            EXPECT_TRUE(call.fails(dead)) << call.name;
            EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE) << call.name;
        }
    }
    EXPECT_TRUE(device::MessageLog().empty()) << "no call through a dead handle reaches another window";
    EXPECT_TRUE(IsWindowVisible(successor));
}

TEST_F(UserWindowTest, AWindowDestroyedInsideItsProcedureStopsTheCallThatWasTalkingToIt)
{
    struct Case {
        const char* what;
        UINT destroyOn;
        std::function<void(HWND parent, HWND window)> operation;
    };
    const Case cases[] = {
        {"CreateWindowExW, in WM_CREATE", WM_CREATE,
         [](HWND parent, HWND) {
             EXPECT_EQ(Create(WS_CHILD | WS_VISIBLE, parent, {0, 0, 5, 5}), nullptr);
         }},
        {"CreateWindowExW, in WM_SIZE", WM_SIZE,
         [](HWND parent, HWND) {
             EXPECT_EQ(Create(WS_CHILD | WS_VISIBLE, parent, {0, 0, 5, 5}), nullptr);
         }},
        {"ShowWindow, in WM_SHOWWINDOW", WM_SHOWWINDOW, [](HWND, HWND window) { ShowWindow(window, SW_SHOW); }},
        {"MoveWindow, in WM_WINDOWPOSCHANGING", WM_WINDOWPOSCHANGING,
         [](HWND, HWND window) { EXPECT_FALSE(MoveWindow(window, 3, 3, 9, 9, TRUE)); }},
        {"MoveWindow, in WM_MOVE before WM_SIZE", WM_MOVE,
         [](HWND, HWND window) { MoveWindow(window, 3, 3, 9, 9, TRUE); }},
        {"SendMessageW, in its own message", WM_USER,
         [](HWND, HWND window) { EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 7); }},
    };
    for (const Case& c : cases) {
        HWND parent = Create(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100});
        HWND window = Create(WS_CHILD, parent, {0, 0, 5, 5});
        HWND destroyed = nullptr;
        reaction = [&](HWND self, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (self == parent || message != c.destroyOn || destroyed) return std::nullopt;
            destroyed = self;
            EXPECT_TRUE(DestroyWindow(self)) << c.what;
            EXPECT_EQ(SendMessageW(self, WM_USER + 1, 0, 0), 0) << c.what << ": the handle is dead at once";
            return 7;
        };
        device::ClearMessageLog();
        c.operation(parent, window);
        reaction = nullptr;
        ASSERT_NE(destroyed, nullptr) << c.what;
        EXPECT_FALSE(IsWindow(destroyed)) << c.what;
        const device::MessageRecord& last = device::MessageLog().back();
        EXPECT_TRUE(last.window == destroyed && last.message == WM_DESTROY) << c.what << ": nothing after WM_DESTROY";
        DestroyWindow(parent);
    }
}

TEST_F(UserWindowTest, RectanglesAreInScreenCoordinatesAndClientAreasStartAtZero)
{
    HWND top = Create(WS_POPUP | WS_VISIBLE, nullptr, {10, 30, 210, 230});
    HWND child = Create(WS_CHILD | WS_CAPTION | WS_BORDER, top, {5, 7, 105, 57});
    HWND grandchild = Create(WS_CHILD, child, {-3, 2, 17, 12});
    HWND flat = Create(WS_CHILD, top, {4, 4, 0, 0});
    HWND application = CreateWindowExW(0, kTestClass, nullptr, WS_OVERLAPPED, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                                       nullptr, nullptr, nullptr, nullptr);
    HWND defaultedChild = CreateWindowExW(0, kTestClass, nullptr, WS_CHILD, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, top,
                                          nullptr, nullptr, nullptr);
    struct Case {
        const char* what;
        HWND window;
        RECT screen;
        RECT client;
    };
    const Case cases[] = {
        {"a top-level window is placed on the screen", top, {10, 30, 210, 230}, {0, 0, 200, 200}},
        {"a child is placed in its parent's client area, caption or not", child, {15, 37, 115, 87}, {0, 0, 100, 50}},
        {"a grandchild adds both offsets", grandchild, {12, 39, 32, 49}, {0, 0, 20, 10}},
        {"a negative size is taken as none", flat, {14, 34, 14, 34}, {0, 0, 0, 0}},
        {"a defaulted application window fills the work area", application, {0, 26, 240, 294}, {0, 0, 240, 268}},
        {"a defaulted child starts empty at the origin", defaultedChild, {10, 30, 10, 30}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowRect(c.window), c.screen) << c.what;
        EXPECT_EQ(ClientRect(c.window), c.client) << c.what;
    }
    SetLastError(0);
    EXPECT_FALSE(GetWindowRect(top, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(UserWindowTest, AWindowIsVisibleOnlyWhenItAndEveryAncestorAreShown)
{
    struct Case {
        DWORD topStyle, childStyle, grandchildStyle;
        bool childVisible, grandchildVisible;
    };
    const Case cases[] = {
        {WS_VISIBLE, WS_VISIBLE, WS_VISIBLE, true, true},
        {0, WS_VISIBLE, WS_VISIBLE, false, false},
        {WS_VISIBLE, 0, WS_VISIBLE, false, false},
        {WS_VISIBLE, WS_VISIBLE, 0, true, false},
    };
    for (const Case& c : cases) {
        HWND top = Create(WS_POPUP | c.topStyle, nullptr, {0, 0, 50, 50});
        HWND child = Create(WS_CHILD | c.childStyle, top, {0, 0, 20, 20});
        HWND grandchild = Create(WS_CHILD | c.grandchildStyle, child, {0, 0, 5, 5});
        EXPECT_EQ(IsWindowVisible(child), c.childVisible) << "case " << &c - cases;
        EXPECT_EQ(IsWindowVisible(grandchild), c.grandchildVisible) << "case " << &c - cases;
    }

    HWND hidden = Create(WS_POPUP, nullptr, {0, 0, 5, 5});
    device::ClearMessageLog();
    SetWindowLongW(hidden, GWL_STYLE, GetWindowLongW(hidden, GWL_STYLE) | WS_VISIBLE);
    EXPECT_TRUE(IsWindowVisible(hidden));
    EXPECT_TRUE(device::MessageLog().empty()) << "WS_VISIBLE set through the style sends nothing";
}

TEST_F(UserWindowTest, AnOwnedPopupStandsOnTheScreenAndGoesBeforeItsOwner)
{
    HWND sip = Create(WS_POPUP | WS_VISIBLE, nullptr, {0, 214, 240, 294});
    HWND keys = Create(WS_CHILD | WS_VISIBLE, sip, {0, 0, 240, 80});
    HWND dialog = Create(WS_POPUP | WS_VISIBLE, keys, {0, 26, 240, 294});
    EXPECT_EQ(GetParent(dialog), sip) << "the owner is the top-level window of the window given";
    EXPECT_EQ(WindowRect(dialog), (RECT{0, 26, 240, 294}));
    ShowWindow(sip, SW_HIDE);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "an owner is not an ancestor";

    device::ClearMessageLog();
    DestroyWindow(sip);
    const ExpectedMessage destruction[] = {
        {WM_DESTROY, kMessageOnly, 0, 0, dialog},
        {WM_DESTROY, kMessageOnly, 0, 0, sip},
        {WM_DESTROY, kMessageOnly, 0, 0, keys},
    };
    EXPECT_TRUE(MessageLogMatches("destroy an owner", destruction));
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(UserWindowTest, WindowLongsAnswerTheOldValueRefuseUnknownIndexesAndSubclass)
{
    HWND window = Create(WS_POPUP, nullptr, {0, 0, 10, 10});
    struct Case {
        int index;
        LONG_PTR value;
    };
    const Case cases[] = {
        {GWL_STYLE, WS_POPUP | WS_VISIBLE},
        {GWL_EXSTYLE, WS_EX_TOPMOST},
        {GWL_USERDATA, reinterpret_cast<LONG_PTR>(&cases)},
        {GWL_ID, 1011},
        {0, reinterpret_cast<LONG_PTR>(&window)},  // the class's extra bytes
    };
    for (const Case& c : cases) {
        LONG_PTR before = GetWindowLongPtrW(window, c.index);
        EXPECT_EQ(SetWindowLongPtrW(window, c.index, c.value), before) << "index " << c.index;
        EXPECT_EQ(GetWindowLongPtrW(window, c.index), c.value) << "index " << c.index;
    }
    EXPECT_EQ(SetWindowLongW(window, 8, -5), 0) << "the last four extra bytes";
    EXPECT_EQ(GetWindowLongW(window, 8), -5);

    struct Refused {
        int index;
        bool pointerSized;
    };
    const Refused refused[] = {{-22, true}, {-1, false}, {9, false}, {8, true}, {12, false}, {GWL_WNDPROC, false}};
    for (const Refused& r : refused) {
        SetLastError(0);
        EXPECT_EQ(r.pointerSized ? GetWindowLongPtrW(window, r.index) : GetWindowLongW(window, r.index), 0)
            << "index " << r.index;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX) << "index " << r.index;
    }

    LONG_PTR old = SetWindowLongPtrW(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(AnswerFortyTwo));
    EXPECT_EQ(old, reinterpret_cast<LONG_PTR>(TestWindowProc)) << "subclassing answers the old procedure";
    EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 42) << "and the new one gets the messages";
}

TEST_F(UserWindowTest, DefWindowProcKeepsTheTextAndClosesTheWindow)
{
    HWND window = Create(WS_POPUP, nullptr, {0, 0, 10, 10}, TEXT("Options"));
    WCHAR buffer[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 7);
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_EQ(std::u16string(buffer), u"Opt") << "the text is cut to fit with its terminator";
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_TRUE(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"Ab")));
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_EQ(std::u16string(buffer), u"Ab");
    EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 0) << "other messages answer 0";

    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(UserWindowTest, TheWorkAreaLiesBetweenTheNavigationBarAndTheMenuBar)
{
    RECT workArea = {};
    EXPECT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0));
    EXPECT_EQ(workArea, (RECT{0, 26, 240, 294}));
    for (auto [action, target] : {std::pair<UINT, PVOID>{SPI_GETWORKAREA, nullptr}, {0x00E0, &workArea}}) {
        SetLastError(0);
        EXPECT_FALSE(SystemParametersInfoW(action, 0, target, 0)) << "action " << action;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << "action " << action;
    }
}

TEST_F(UserWindowTest, ANewDeviceStartsWithoutTheOldOnesWindowsOrClasses)
{
    HWND window = Create(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 10, 10});
    ASSERT_TRUE(device::CreateFresh());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(device::MessageLog().empty());
    WNDCLASSW info = {};
    info.lpfnWndProc = DefWindowProcW;
    info.lpszClassName = kTestClass;
    EXPECT_NE(RegisterClassW(&info), 0) << "the class went with the old device";
}
