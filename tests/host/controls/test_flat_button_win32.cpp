// The push button as a user control on a real form: activation through the
// parent's subclass, input from posted window messages as the system
// delivers them, what its back buffer shows, and its stored properties.
// Then its subclassing on bare windows: leave notifications from its own
// window, activation from its parent form, several buttons per form.
#include "../window_test.h"
#include "flat_button_paint_win32.h"
#include "flat_button_win32.h"
#include "gdi_win32.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace controls;

namespace {

constexpr char japaneseFont[] = "ＭＳ Ｐゴシック; 9.75; 400; 0; 0; 0; 128";

struct Recorder {
    int clicks = 0;
    int dblClicks = 0;
    std::vector<int> activations;
    int moves = 0;

    void attach(FlatButton& button) {
        button.onClick = [this] { ++clicks; };
        button.onDblClick = [this] { ++dblClicks; };
        button.onFormActivate = [this](int state) { activations.push_back(state); };
        button.onMouseMove = [this](int, int, float, float) { ++moves; };
    }
};

LPARAM point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}

class FlatButtonOnForm : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<CodeForm>();
        form->setCaption("FlatButton test");
        form->setBorderStyle(forms::BorderStyle::FixedSingle);
        form->setBackColour(0x00E0E0E0);
        // Three buttons and a scroll bar, in this keyboard order.
        form->build = [this](CodeForm& made) {
            made.setClientSize(6000, 2400);
            buttons = {addUserControl<FlatButton>(made, made, {300, 300, 1575, 495},
                                                  {{"Caption", "設定"}, {"Font", japaneseFont}}, 1),
                       addUserControl<FlatButton>(made, made, {2100, 300, 1515, 495},
                                                  {{"Caption", "ｷｬﾝｾﾙ"}, {"Font", japaneseFont}},
                                                  2),
                       addUserControl<FlatButton>(made, made, {3900, 300, 1515, 495},
                                                  {{"Caption", "&Apply"}}, 3)};
            bar = made.controls().add(
                std::make_unique<forms::HScrollBar>(made, forms::Placement{300, 1200, 3000, 255}));
            bar->setTabIndex(4);
        };
        ASSERT_TRUE(form->load());
        for (FlatButton* button : buttons) {
            ASSERT_NE(button, nullptr);
        }
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            recorders[i].attach(*buttons[i]);
        }
    }

    void TearDown() override {
        form.reset();
        EXPECT_EQ(forms::Form::loadedCount(), 0);
    }

    void showActive() {
        ASSERT_TRUE(form->show());
        SetForegroundWindow(form->handle());
        ASSERT_TRUE(pumpUntil([&] { return buttons[2]->state().formActive(); }))
            << "the form was not activated";
    }

    // The pointer really on (x, y) of the button, and the move it causes.
    void moveTo(FlatButton& button, int x, int y) {
        POINT screen{x, y};
        ClientToScreen(button.handle(), &screen);
        SetCursorPos(screen.x, screen.y);
        PostMessageW(button.handle(), WM_MOUSEMOVE, 0, point(x, y));
        pump(30);
    }

    void post(FlatButton& button, UINT message, WPARAM wParam, LPARAM lParam = 0) {
        PostMessageW(button.handle(), message, wParam, lParam);
        pump(30);
    }

    std::unique_ptr<CodeForm> form;
    forms::HScrollBar* bar = nullptr;
    std::vector<FlatButton*> buttons;
    Recorder recorders[3];
};

} // namespace

TEST_F(FlatButtonOnForm, EveryButtonOfTheFormSeesItsActivationAndDeactivation) {
    for (FlatButton* button : buttons) {
        EXPECT_FALSE(button->state().formActive()) << "active before the form was shown";
    }
    showActive();
    // Three subclasses chained on one parent window: each gets the message.
    ASSERT_TRUE(pumpUntil(
        [&] { return buttons[0]->state().formActive() && buttons[1]->state().formActive(); }));
    for (const Recorder& recorder : recorders) {
        EXPECT_EQ(recorder.activations, std::vector<int>{1});
    }

    forms::Form other;
    other.setCaption("Another form");
    other.setBorderStyle(forms::BorderStyle::FixedSingle);
    ASSERT_TRUE(other.show());
    SetForegroundWindow(other.handle());
    ASSERT_TRUE(pumpUntil([&] { return !buttons[0]->state().formActive(); }));
    pump(50);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_FALSE(buttons[i]->state().formActive());
        EXPECT_EQ(recorders[i].activations, (std::vector<int>{1, 0})) << i;
        EXPECT_EQ(buttons[i]->drawState(), StateNormal) << i;
    }
}

TEST_F(FlatButtonOnForm, MousePressesClickOnlyWhenReleasedOverTheButton) {
    showActive();
    FlatButton& button = *buttons[0];
    Recorder& seen = recorders[0];
    const int w = button.scaleWidth();
    const int h = button.scaleHeight();

    moveTo(button, w / 2, h / 2);
    EXPECT_TRUE(button.state().hover());
    EXPECT_EQ(button.drawState(), StateHot);
    EXPECT_GT(seen.moves, 0);

    post(button, WM_LBUTTONDOWN, MK_LBUTTON, point(w / 2, h / 2));
    EXPECT_EQ(button.drawState(), StatePressed);
    EXPECT_EQ(form->focusedControl(), &button);
    post(button, WM_LBUTTONUP, 0, point(w / 2, h / 2));
    EXPECT_EQ(seen.clicks, 1);
    EXPECT_EQ(button.drawState(), StateHot);

    // Pressed, dragged off and released outside: no click.
    post(button, WM_LBUTTONDOWN, MK_LBUTTON, point(w / 2, h / 2));
    moveTo(button, w + 40, h + 40);
    EXPECT_FALSE(button.state().hover());
    EXPECT_EQ(button.drawState(), StateFocused);
    post(button, WM_LBUTTONUP, 0, point(w + 40, h + 40));
    EXPECT_EQ(seen.clicks, 1);
    EXPECT_EQ(button.drawState(), StateFocused);

    // Back in while held, released inside: one more click.
    post(button, WM_LBUTTONDOWN, MK_LBUTTON, point(w / 2, h / 2));
    moveTo(button, w + 40, h / 2);
    moveTo(button, w / 2, h / 2);
    EXPECT_EQ(button.drawState(), StatePressed);
    post(button, WM_LBUTTONUP, 0, point(w / 2, h / 2));
    EXPECT_EQ(seen.clicks, 2);

    // The system's leave notification, once the pointer has really gone.
    POINT away{w + 60, h + 60};
    ClientToScreen(button.handle(), &away);
    SetCursorPos(away.x, away.y);
    EXPECT_TRUE(pumpUntil([&] { return !button.state().hover(); }))
        << "no leave notification arrived";
    EXPECT_EQ(button.drawState(), StateFocused);

    // A double click shows the pressed look and raises DblClick.
    post(button, WM_LBUTTONDBLCLK, MK_LBUTTON, point(w / 2, h / 2));
    EXPECT_EQ(seen.dblClicks, 1);
    EXPECT_EQ(button.drawState(), StatePressed);
    post(button, WM_LBUTTONUP, 0, point(w / 2, h / 2));
    EXPECT_EQ(seen.clicks, 2);
}

TEST_F(FlatButtonOnForm, SpaceEnterAndAccessKeysClick) {
    showActive();
    FlatButton& apply = *buttons[2];
    Recorder& seen = recorders[2];
    SetCursorPos(0, 0);
    ASSERT_TRUE(apply.setFocus());
    pump(30);
    EXPECT_EQ(apply.drawState(), StateFocused);

    post(apply, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(apply.drawState(), StatePressed);
    EXPECT_EQ(seen.clicks, 0);
    post(apply, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(seen.clicks, 1);
    EXPECT_EQ(apply.drawState(), StateFocused);

    // Enter on the focused button clicks at once, without the pressed look.
    std::vector<int> looks;
    apply.onClick = [&] {
        ++seen.clicks;
        looks.push_back(apply.drawState());
    };
    post(apply, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(seen.clicks, 2);
    EXPECT_EQ(looks, std::vector<int>{StateFocused});

    // Alt+A, as the system delivers it: the access key clicks.
    const LPARAM altDown = 1 | (1 << 29);
    post(apply, WM_SYSCHAR, 'a', altDown);
    EXPECT_EQ(seen.clicks, 3);

    // The access key while Space is held cancels that press: no click.
    post(apply, WM_KEYDOWN, VK_SPACE);
    post(apply, WM_SYSCHAR, 'A', altDown);
    EXPECT_FALSE(apply.state().spaceDown());
    post(apply, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(seen.clicks, 3);
}

TEST_F(FlatButtonOnForm, EnterElsewhereClicksTheDefaultButton) {
    showActive();
    FlatButton& set = *buttons[0];
    form->setDefaultButton(&set);
    EXPECT_TRUE(set.state().isDefault());
    EXPECT_EQ(set.drawState(), StateFocused) << "the default button shows the blue band";

    ASSERT_TRUE(bar->setFocus());
    PostMessageW(bar->handle(), WM_KEYDOWN, VK_RETURN, 0);
    pump(50);
    EXPECT_EQ(recorders[0].clicks, 1);
    EXPECT_EQ(recorders[1].clicks + recorders[2].clicks, 0);

    // No longer the default: the plain look again.
    form->setDefaultButton(nullptr);
    EXPECT_EQ(set.drawState(), StateNormal);
}

TEST_F(FlatButtonOnForm, BackBufferShowsWhatThePainterPaints) {
    showActive();
    FlatButton& button = *buttons[0];
    const int w = button.scaleWidth();
    const int h = button.scaleHeight();
    ASSERT_EQ(w, 105);
    ASSERT_EQ(h, 33);

    auto expectPainted = [&](int state, bool focusRect) {
        forms::MemoryCanvas expected(w, h);
        FlatButtonLook look;
        look.caption = button.caption();
        look.font = button.font().handle();
        look.captionColour = button.captionColour();
        look.enabled = button.enabled();
        look.focusRect = focusRect;
        look.backColour = forms::colorRefOf(button.backColour());
        paintFlatButton(expected.dc(), w, h, state, look);
        forms::MemoryCanvas shown = printed(button.handle());
        int differing = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                differing += shown.pixel(x, y) != expected.pixel(x, y);
            }
        }
        EXPECT_EQ(differing, 0) << "look " << state;
    };

    button.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button.handle()));
    EXPECT_EQ(button.drawState(), StateDisabled);
    expectPainted(StateDisabled, false);
    {
        forms::MemoryCanvas shown = printed(button.handle());
        EXPECT_EQ(shown.pixel(w / 2, 1), RGB(245, 244, 234)) << "flat pale face";
        EXPECT_EQ(shown.pixel(3, 0), RGB(201, 199, 186)) << "grey outline";
        int grey = 0;
        for (int y = 3; y < h - 3; ++y) {
            for (int x = 3; x < w - 3; ++x) {
                grey += shown.pixel(x, y) == RGB(161, 161, 146);
            }
        }
        EXPECT_GT(grey, 10) << "the caption is drawn in grey";
    }

    button.setEnabled(true);
    EXPECT_EQ(button.drawState(), StateNormal);
    SetCursorPos(0, 0);
    ASSERT_TRUE(button.setFocus());
    post(button, WM_KEYDOWN, VK_SPACE);
    ASSERT_EQ(button.drawState(), StatePressed);
    expectPainted(StatePressed, true);
    post(button, WM_KEYUP, VK_SPACE);

    // The window's shape: corners cut by 3 x 3 ellipses.
    forms::GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button.handle(), region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.get(), 3, 0));
    EXPECT_TRUE(PtInRegion(region.get(), w / 2, h / 2));
    EXPECT_TRUE(PtInRegion(region.get(), w - 1, h / 2));
}

TEST_F(FlatButtonOnForm, PropertiesComeFromTheBagWithoutRegardToCase) {
    FlatButton& apply = *buttons[2];
    EXPECT_EQ(apply.caption(), "&Apply");
    EXPECT_EQ(apply.accessKeys(), "a");
    EXPECT_EQ(apply.captionFont(), defaultFlatButtonFont());

    forms::PropertyBag bag;
    bag.setText("caption", "&&Save && &Go");
    bag.setText("enabled", "False");
    bag.setText("FORECOLOR", "&H000000FF");
    bag.setText("focusrect", "0");
    bag.setText("Font", "ＭＳ Ｐゴシック; 9.75; 700; 0; 1; 0; 128");
    FlatButton loaded;
    ASSERT_TRUE(loaded.create(*form, {300, 1700, 1500, 450}, &bag));
    EXPECT_EQ(loaded.caption(), "&&Save && &Go");
    EXPECT_EQ(loaded.accessKeys(), "g");
    EXPECT_FALSE(loaded.enabled());
    EXPECT_FALSE(IsWindowEnabled(loaded.handle()));
    EXPECT_EQ(loaded.drawState(), StateDisabled);
    EXPECT_EQ(loaded.captionColour(), 0x000000FF);
    EXPECT_FALSE(loaded.focusRect());
    EXPECT_EQ(loaded.captionFont().name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(loaded.captionFont().weight, 700);
    EXPECT_TRUE(loaded.captionFont().underline);
    EXPECT_EQ(loaded.captionFont().charset, 128);
}

TEST_F(FlatButtonOnForm, ButtonsKeepAMinimumSize) {
    FlatButton button;
    ASSERT_TRUE(button.create(*form, {300, 1700, 50, 50}, nullptr));
    FlatButton* tiny = &button;
    EXPECT_EQ(tiny->placement().width, 100);
    EXPECT_EQ(tiny->placement().height, 100);
    const int side = tiny->scaleWidth();
    EXPECT_EQ(side, forms::twipsToPixels(100, forms::Screen::twipsPerPixelX()));
    EXPECT_EQ(tiny->drawState(), StateNormal);
    forms::MemoryCanvas shown = printed(tiny->handle());
    EXPECT_EQ(shown.pixel(3, 0), RGB(0, 60, 116)) << "outline of the repainted button";
    EXPECT_EQ(shown.pixel(side - 1, 3), RGB(0, 60, 116));
}

namespace {

constexpr int W = 105;
constexpr int H = 33;

struct RecordingEvents : FlatButtonEvents {
    std::vector<std::string> log;
    void paint(const ButtonPaint& p) override { log.push_back("paint " + std::to_string(p.state)); }
    void click() override { log.push_back("click"); }
    void dblClick() override { log.push_back("dblclick"); }
    void mouseMove(int, int, float, float) override { log.push_back("move"); }
    void formActivate(int state) override { log.push_back("activate " + std::to_string(state)); }
    void trackMouseLeave() override { log.push_back("track"); }
    void sendTab(bool) override { log.push_back("tab"); }
    void processPendingMessages() override {}
    std::vector<std::string> take() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

LRESULT CALLBACK testWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The default handling of WM_ACTIVATE moves the focus, which activates
    // the window for real from inside the message sent by the test.
    return msg == WM_ACTIVATE ? 0 : DefWindowProcW(hWnd, msg, wParam, lParam);
}

// A form (no parent) or a button's window on one.
struct Window : TestWindow {
    Window(HWND parent, int x, int y, int w, int h)
        : TestWindow(testWindowClass(L"KalendraButtonHookTest", testWindowProc), parent,
                     parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, x, y, w, h) {}
};

// A loaded, enabled button on a form, hooked to its windows.
struct Button {
    RecordingEvents events;
    FlatButtonState state{events};
    FlatButtonHooks hooks{state};
    Window window;

    Button(HWND form, int x) : window(form, x, 10, W, H) {
        state.setEnabled(true);
        state.loaded();
    }
};

void drainMessages() {
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
        ASSERT_TRUE(buttons.back()->hooks.start(buttons.back()->window.hWnd, form.hWnd));
        buttons.back()->events.take();
    }
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
    for (auto& b : buttons) {
        EXPECT_TRUE(b->state.formActive());
        EXPECT_EQ(b->events.take(), Log({"activate 1"}));
    }
    // Deactivated while minimised: the high word is set, the form is off.
    SendMessageW(form.hWnd, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    for (auto& b : buttons) {
        EXPECT_FALSE(b->state.formActive());
        EXPECT_EQ(b->events.take(), Log({"activate 0"}));
    }

    // The middle button goes first; the others still hear the form.
    buttons[1].reset();
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_EQ(buttons[0]->events.take(), Log({"activate 1"}));
    EXPECT_EQ(buttons[2]->events.take(), Log({"activate 1"}));
    buttons[0]->hooks.stop();
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(buttons[0]->events.take(), Log({}));
    EXPECT_EQ(buttons[2]->events.take(), Log({"activate 0"}));
}

TEST(FlatButtonHooks, LeaveReachesOnlyTheButtonItWasSentTo) {
    Window form(nullptr, 0, 0, 400, 100);
    Button first(form.hWnd, 10);
    Button second(form.hWnd, 130);
    ASSERT_TRUE(first.hooks.start(first.window.hWnd, form.hWnd));
    ASSERT_TRUE(second.hooks.start(second.window.hWnd, form.hWnd));
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
    first.state.mouseMove(0, 0, 5, 5, W, H);
    second.state.mouseMove(0, 0, 5, 5, W, H);
    first.events.take();
    second.events.take();

    SendMessageW(first.window.hWnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(first.state.hover());
    EXPECT_EQ(first.events.take(), Log({"paint 1"}));
    EXPECT_TRUE(second.state.hover());
    EXPECT_EQ(second.events.take(), Log({}));
}

TEST(FlatButtonHooks, BadWindowsFailWithoutHarm) {
    RecordingEvents events;
    FlatButtonState state(events);
    FlatButtonHooks hooks(state);
    EXPECT_FALSE(hooks.start(nullptr, nullptr));
    Window form(nullptr, 0, 0, 400, 100);
    Window button(form.hWnd, 10, 10, W, H);
    // Without a parent the button still hears its own leave messages.
    ASSERT_TRUE(hooks.start(button.hWnd, nullptr));
    state.setEnabled(true);
    events.take();
    SendMessageW(button.hWnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(events.take(), Log({}));
    hooks.stop();
    hooks.stop();
}

TEST(FlatButtonHooks, PointerSnapsToTheCentreAndLeavingIsReported) {
    Window form(nullptr, 100, 100, 400, 100);
    Button b(form.hWnd, 21);
    ShowWindow(form.hWnd, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(b.hooks.start(b.window.hWnd, form.hWnd));
    SendMessageW(form.hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
    drainMessages();

    snapMouseTo(b.window.hWnd, W, H);
    POINT at{};
    ASSERT_TRUE(GetCursorPos(&at));
    // Client origin (121, 110) plus (52.5, 16.5): 173.5 and 126.5, halves
    // to even.
    EXPECT_EQ(at.x, 174);
    EXPECT_EQ(at.y, 126);

    // The pointer is over the button; a leave request is accepted and the
    // notification arrives once the pointer has gone.
    b.state.mouseMove(0, 0, 52, 16, W, H);
    b.events.take();
    EXPECT_TRUE(requestMouseLeave(b.window.hWnd));
    SetCursorPos(700, 700);
    for (int i = 0; i < 50 && b.state.hover(); ++i) {
        Sleep(20);
        drainMessages();
    }
    EXPECT_FALSE(b.state.hover());
    EXPECT_EQ(b.events.take(), Log({"paint 1"}));
}
