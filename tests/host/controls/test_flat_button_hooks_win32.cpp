// The push button's subclassing on real windows: leave notifications from
// its own window, activation from its parent form, several buttons per form.
#include "flat_button_hooks_win32.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int W = 105;
constexpr int H = 33;

struct RecordingEvents : FlatButtonEvents {
    std::vector<std::string> log;
    void Paint(const ButtonPaint& p) override { log.push_back("paint " + std::to_string(p.state)); }
    void Click() override { log.push_back("click"); }
    void DblClick() override { log.push_back("dblclick"); }
    void MouseMove(int, int, float, float) override { log.push_back("move"); }
    void FormActivate(int state) override { log.push_back("activate " + std::to_string(state)); }
    void TrackMouseLeave() override { log.push_back("track"); }
    void SendTab(bool) override { log.push_back("tab"); }
    void ProcessPendingMessages() override {}
    std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

LRESULT CALLBACK TestWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The default handling of WM_ACTIVATE moves the focus, which activates
    // the window for real from inside the message sent by the test.
    return msg == WM_ACTIVATE ? 0 : DefWindowProcW(hWnd, msg, wParam, lParam);
}

const wchar_t* TestClass() {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KalendraButtonHookTest";
        return RegisterClassW(&wc);
    }();
    return atom ? L"KalendraButtonHookTest" : nullptr;
}

struct Window {
    HWND hWnd;
    Window(HWND parent, int x, int y, int w, int h)
        : hWnd(CreateWindowExW(0, TestClass(), L"hook test",
                               parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, x, y, w, h, parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~Window() {
        if (IsWindow(hWnd)) {
            DestroyWindow(hWnd);
        }
    }
};

// A loaded, enabled button on a form, hooked to its windows.
struct Button {
    RecordingEvents events;
    FlatButtonState state{events};
    FlatButtonHooks hooks{state};
    Window window;

    Button(HWND form, int x) : window(form, x, 10, W, H) {
        state.SetEnabled(true);
        state.Loaded();
    }
};

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
}

} // namespace

TEST(FlatButtonHooks, EveryButtonOnAFormSeesItsActivation) {
    Window form(nullptr, 0, 0, 400, 100);
    ASSERT_NE(form.hWnd, nullptr);
    std::vector<std::unique_ptr<Button>> buttons;
    for (int i = 0; i < 3; ++i) {
        buttons.push_back(std::make_unique<Button>(form.hWnd, 10 + 120 * i));
        ASSERT_TRUE(buttons.back()->hooks.Start(buttons.back()->window.hWnd, form.hWnd));
        buttons.back()->events.Take();
    }
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
    for (auto& b : buttons) {
        EXPECT_TRUE(b->state.formActive());
        EXPECT_EQ(b->events.Take(), Log({"activate 1"}));
    }
    // Deactivated while minimised: the high word is set, the form is off.
    SendMessageW(form.hWnd, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    for (auto& b : buttons) {
        EXPECT_FALSE(b->state.formActive());
        EXPECT_EQ(b->events.Take(), Log({"activate 0"}));
    }

    // The middle button goes first; the others still hear the form.
    buttons[1].reset();
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_EQ(buttons[0]->events.Take(), Log({"activate 1"}));
    EXPECT_EQ(buttons[2]->events.Take(), Log({"activate 1"}));
    buttons[0]->hooks.Stop();
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(buttons[0]->events.Take(), Log({}));
    EXPECT_EQ(buttons[2]->events.Take(), Log({"activate 0"}));
}

TEST(FlatButtonHooks, LeaveReachesOnlyTheButtonItWasSentTo) {
    Window form(nullptr, 0, 0, 400, 100);
    Button first(form.hWnd, 10);
    Button second(form.hWnd, 130);
    ASSERT_TRUE(first.hooks.Start(first.window.hWnd, form.hWnd));
    ASSERT_TRUE(second.hooks.Start(second.window.hWnd, form.hWnd));
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
    first.state.MouseMove(0, 0, 5, 5, W, H);
    second.state.MouseMove(0, 0, 5, 5, W, H);
    first.events.Take();
    second.events.Take();

    SendMessageW(first.window.hWnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(first.state.hover());
    EXPECT_EQ(first.events.Take(), Log({"paint 1"}));
    EXPECT_TRUE(second.state.hover());
    EXPECT_EQ(second.events.Take(), Log({}));
}

TEST(FlatButtonHooks, BadWindowsFailWithoutHarm) {
    RecordingEvents events;
    FlatButtonState state(events);
    FlatButtonHooks hooks(state);
    EXPECT_FALSE(hooks.Start(nullptr, nullptr));
    Window form(nullptr, 0, 0, 400, 100);
    Window button(form.hWnd, 10, 10, W, H);
    // Without a parent the button still hears its own leave messages.
    ASSERT_TRUE(hooks.Start(button.hWnd, nullptr));
    state.SetEnabled(true);
    events.Take();
    SendMessageW(button.hWnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(events.Take(), Log({}));
    hooks.Stop();
    hooks.Stop();
}

TEST(FlatButtonHooks, PointerSnapsToTheCentreAndLeavingIsReported) {
    Window form(nullptr, 100, 100, 400, 100);
    Button b(form.hWnd, 21);
    ShowWindow(form.hWnd, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(b.hooks.Start(b.window.hWnd, form.hWnd));
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
    Pump();

    SnapMouseTo(b.window.hWnd, W, H);
    POINT at{};
    ASSERT_TRUE(GetCursorPos(&at));
    // Client origin (121, 110) plus (52.5, 16.5): 173.5 and 126.5, halves
    // to even.
    EXPECT_EQ(at.x, 174);
    EXPECT_EQ(at.y, 126);

    // The pointer is over the button; a leave request is accepted and the
    // notification arrives once the pointer has gone.
    b.state.MouseMove(0, 0, 52, 16, W, H);
    b.events.Take();
    EXPECT_TRUE(RequestMouseLeave(b.window.hWnd));
    SetCursorPos(700, 700);
    for (int i = 0; i < 50 && b.state.hover(); ++i) {
        Sleep(20);
        Pump();
    }
    EXPECT_FALSE(b.state.hover());
    EXPECT_EQ(b.events.Take(), Log({"paint 1"}));
}
