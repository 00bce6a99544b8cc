// A form built from a description, shown on the display, and checked as a
// user meets it: its window and caption, sizes, what is painted, mouse
// presses, timers, unloading, the modal loop, scroll bar and combo box
// events, keyboard focus.
#include "forms_win32.h"
#include "picture_bytes.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using forms::twipsToPixels;

int px(int twips) {
    return twipsToPixels(twips, forms::Screen::twipsPerPixelX());
}
int py(int twips) {
    return twipsToPixels(twips, forms::Screen::twipsPerPixelY());
}

// Runs the message loop until done() or the time is up.
template <class Done> bool pumpUntil(Done done, DWORD milliseconds = 3000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        forms::doEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

void pump(DWORD milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

// What a window paints into its client area, through WM_PRINTCLIENT.
forms::MemoryCanvas printed(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    forms::MemoryCanvas canvas(client.right, client.bottom);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    return canvas;
}

std::uint32_t rampColour(int x, int y) {
    return static_cast<std::uint32_t>(x * 12) << 16 | static_cast<std::uint32_t>(y * 25) << 8 |
           0x33;
}

COLORREF rampRef(int x, int y) {
    std::uint32_t c = rampColour(x, y);
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

constexpr COLORREF formBack = RGB(0x40, 0x40, 0x40);

// A user control that paints a horizontal gradient from StartColour to
// EndColour (persisted, black and blue by default) on every resize.
class GradientControl : public forms::UserControl {
  public:
    forms::Colour start = 0;
    forms::Colour end = 0x00FF0000;
    std::vector<forms::MouseEvent> presses;
    bool readProperties = false;

    COLORREF expected(int x) const {
        int last = scaleWidth() > 1 ? scaleWidth() - 1 : 1;
        auto mix = [&](int shift) {
            int a = static_cast<int>((start >> shift) & 0xFF);
            int b = static_cast<int>((end >> shift) & 0xFF);
            return a + (b - a) * x / last;
        };
        return RGB(mix(0), mix(8), mix(16));
    }

  protected:
    void UserControl_InitProperties() override {}
    void UserControl_ReadProperties(const forms::PropertyBag& bag) override {
        readProperties = true;
        start = bag.readColour("StartColour", 0);
        end = bag.readColour("EndColour", 0x00FF0000);
    }
    void UserControl_WriteProperties(forms::PropertyBag& bag) override {
        bag.writeColour("StartColour", start, 0);
        bag.writeColour("EndColour", end, 0x00FF0000);
    }
    void UserControl_Resize() override {
        HDC dc = hdc();
        for (int x = 0; x < scaleWidth(); ++x) {
            RECT column = {x, 0, x + 1, scaleHeight()};
            COLORREF colour = expected(x);
            forms::fillRectangle(dc, column, static_cast<forms::Colour>(colour));
        }
        refresh();
    }
    void UserControl_MouseDown(const forms::MouseEvent& event) override {
        presses.push_back(event);
    }
};

class TestForm : public forms::Form {
  public:
    using Form::Form;
    int loads = 0;
    int unloads = 0;
    bool cancelUnload = false;
    std::optional<forms::UnloadMode> lastMode;

  protected:
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override {
        lastMode = mode;
        cancel = cancelUnload;
    }
    void Form_Unload() override { ++unloads; }
};

const char* const caption = "■Kalendra■ テスト";

const char* const description = R"(
[Form Butterfly_Test]
Caption = "■Kalendra■ テスト"
ClientWidth = 6000
ClientHeight = 4500
BackColor = &H00404040
BorderStyle = 1

[Label lbl(0)]
Left = 150
Top = 150
Width = 1500
Height = 300
Caption = "Name"
BackColor = &H000000FF

[Label lbl(1)]
Left = 2250
Top = 2700
Width = 1500
Height = 600
Caption = "Over the form"
BackStyle = 0
BorderStyle = 1
Alignment = 2

[Shape Outline]
Left = 75
Top = 75
Width = 1800
Height = 600
BorderColor = &H0000FF00

[Image Img]
Left = 150
Top = 750
Width = 600
Height = 600
Picture = ramp

[PictureBox Pic_m]
Left = 3000
Top = 150
Width = 900
Height = 600
BackColor = &H00FF0000
BorderStyle = 0
Picture = ramp
MousePointer = 99
MouseIcon = hand
TabIndex = 3

[HScrollBar HS]
Left = 150
Top = 1800
Width = 3000
Height = 255
Min = 1
Max = 50
LargeChange = 10
Value = 5
TabIndex = 1

[ComboBox Combo]
Left = 150
Top = 2250
Width = 2250
Height = 315
Text = "track"
TabIndex = 2

[GradientControl Grad]
Left = 3000
Top = 1500
Width = 2400
Height = 1200
endcolour = &H00FF0000
startCOLOUR = &H00000000
TabIndex = 0

[Label Patch]
Container = Grad
Left = 300
Top = 300
Width = 600
Height = 300
BackColor = &H0000FF00

[Timer Tick]
Interval = 20
Enabled = False
)";

class FormsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ramp = forms::Picture::fromFileBytes(picture_bytes::rgbBitmap(20, 10, rampColour, false));
        hand = forms::Picture::fromResource(nullptr, L"HAND_CURSOR");
        ASSERT_TRUE(ramp);
        ASSERT_TRUE(hand);
        std::string error;
        auto parsed = forms::parseFormDescription(description, &error);
        ASSERT_TRUE(parsed) << error;
        forms::BuildContext context;
        context.makeUserControl = [](std::string_view kind) -> std::unique_ptr<forms::UserControl> {
            if (forms::keysEqual(kind, "GradientControl")) {
                return std::make_unique<GradientControl>();
            }
            return nullptr;
        };
        context.picture = [this](std::string_view name) -> forms::PictureRef {
            if (name == "ramp") {
                return ramp;
            }
            return name == "hand" ? hand : nullptr;
        };
        form = std::make_unique<TestForm>(*parsed, context);
    }

    void TearDown() override {
        if (form) {
            form->cancelUnload = false;
            form.reset();
        }
        EXPECT_EQ(forms::Form::loadedCount(), 0);
    }

    bool showForm() {
        if (!form->show()) {
            ADD_FAILURE() << form->loadError();
            return false;
        }
        UpdateWindow(form->handle());
        pump(50);
        return true;
    }

    template <class T> T* control(const char* name, int index = -1) {
        T* found = form->controls().find<T>(name, index);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    forms::PictureRef ramp;
    forms::PictureRef hand;
    std::unique_ptr<TestForm> form;
};

} // namespace

TEST_F(FormsWindow, LoadsHiddenThenShowsWithItsJapaneseCaptionAndClientSize) {
    ASSERT_TRUE(form->load());
    EXPECT_EQ(form->loads, 1);
    ASSERT_NE(form->handle(), nullptr);
    EXPECT_FALSE(IsWindowVisible(form->handle()));
    EXPECT_EQ(forms::Form::loadedCount(), 1);

    ASSERT_TRUE(showForm());
    EXPECT_EQ(form->loads, 1);
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    std::wstring wideCaption = forms::widen(caption);
    EXPECT_EQ(FindWindowW(L"KalendraForm", wideCaption.c_str()), form->handle());
    wchar_t text[64] = {};
    GetWindowTextW(form->handle(), text, 64);
    EXPECT_EQ(std::wstring(text), wideCaption);
    EXPECT_EQ(form->caption(), caption);

    RECT client = {};
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, px(6000));
    EXPECT_EQ(client.bottom, py(4500));
    EXPECT_EQ(form->clientWidth(), 6000);
    EXPECT_EQ(form->clientHeight(), 4500);
    EXPECT_EQ(form->borderStyle(), forms::BorderStyle::FixedSingle);
    LONG_PTR style = GetWindowLongPtrW(form->handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & WS_THICKFRAME, 0);

    form->move(1500, 750);
    EXPECT_EQ(form->left(), 1500);
    EXPECT_EQ(form->top(), 750);
    RECT outer = {};
    GetWindowRect(form->handle(), &outer);
    EXPECT_EQ(outer.left, px(1500));

    // Windowed controls sit where their twips say.
    auto* box = control<forms::PictureBox>("Pic_m");
    RECT place = {};
    GetWindowRect(box->handle(), &place);
    MapWindowPoints(nullptr, form->handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, px(3000));
    EXPECT_EQ(place.top, py(150));
    EXPECT_EQ(place.right - place.left, px(900));
}

TEST_F(FormsWindow, ContainerPaintsItselfThenItsWindowlessControls) {
    ASSERT_TRUE(showForm());
    forms::MemoryCanvas canvas = printed(form->handle());
    ASSERT_TRUE(canvas.valid());
    // The label's own background (bottom right, away from its text).
    EXPECT_EQ(canvas.pixel(px(1650) - 2, py(450) - 2), RGB(255, 0, 0));
    // The shape's outline over the form and over the label it surrounds.
    EXPECT_EQ(canvas.pixel(px(75), py(300)), RGB(0, 255, 0));
    EXPECT_EQ(canvas.pixel(px(1875) - 1, py(300)), RGB(0, 255, 0));
    EXPECT_EQ(canvas.pixel(px(900), py(75)), RGB(0, 255, 0));
    EXPECT_EQ(canvas.pixel(px(75) + 2, py(300)), formBack); // inside, not filled
    // The image: its picture at its own size from the top-left of its place.
    int left = px(150);
    int top = py(750);
    EXPECT_EQ(canvas.pixel(left, top), rampRef(0, 0));
    EXPECT_EQ(canvas.pixel(left + 19, top + 9), rampRef(19, 9));
    EXPECT_EQ(canvas.pixel(left + 25, top + 5), formBack);
    EXPECT_EQ(canvas.pixel(left + 5, top + 15), formBack);
    EXPECT_EQ(canvas.pixel(px(6000) - 1, py(4500) - 1), formBack);
    // A transparent label with a single border: the form shows through.
    EXPECT_EQ(canvas.pixel(px(2250), py(2700)), RGB(0, 0, 0));
    EXPECT_EQ(canvas.pixel(px(3750) - 1, py(3300) - 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.pixel(px(2250) + 3, py(3300) - 4), formBack);

    // The picture box: its colour, its picture at the top-left.
    auto* box = control<forms::PictureBox>("Pic_m");
    forms::MemoryCanvas boxCanvas = printed(box->handle());
    EXPECT_EQ(boxCanvas.pixel(3, 4), rampRef(3, 4));
    EXPECT_EQ(boxCanvas.pixel(30, 20), RGB(0, 0, 255));

    // The user control: its back buffer with the label inside drawn over it.
    auto* gradient = control<GradientControl>("Grad");
    ASSERT_TRUE(gradient->readProperties);
    EXPECT_EQ(gradient->scaleWidth(), px(2400));
    EXPECT_EQ(gradient->scaleHeight(), py(1200));
    forms::MemoryCanvas composed = printed(gradient->handle());
    int w = gradient->scaleWidth();
    EXPECT_EQ(composed.pixel(0, 5), RGB(0, 0, 0));
    EXPECT_EQ(composed.pixel(w - 1, 5), RGB(0, 0, 255));
    EXPECT_EQ(composed.pixel(w / 2, py(1200) - 1), gradient->expected(w / 2));
    EXPECT_EQ(composed.pixel(px(300) + 3, py(300) + 3), RGB(0, 255, 0));
    // The label is drawn over the buffer, not into it.
    EXPECT_EQ(GetPixel(gradient->hdc(), px(300) + 3, py(300) + 3), gradient->expected(px(300) + 3));
}

TEST_F(FormsWindow, WhatTheScreenShowsIsWhatWasPainted) {
    ASSERT_TRUE(showForm());
    HWND window = form->handle();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump(100);
    HDC dc = GetDC(window);
    EXPECT_EQ(GetPixel(dc, px(1650) - 2, py(450) - 2), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, px(75), py(300)), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, px(150) + 4, py(750) + 4), rampRef(4, 4));
    // Child windows: the user control with its label, the picture box.
    EXPECT_EQ(GetPixel(dc, px(3000) + px(300) + 3, py(1500) + py(300) + 3), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, px(3000) + 30, py(150) + 20), RGB(0, 0, 255));
    ReleaseDC(window, dc);
}

TEST_F(FormsWindow, PressesReachTheTopmostWindowlessControlWithTheirButton) {
    ASSERT_TRUE(showForm());
    auto* label = control<forms::Label>("lbl", 0);
    std::vector<forms::MouseEvent> presses;
    label->onMouseDown = [&](const forms::MouseEvent& event) { presses.push_back(event); };
    HWND window = form->handle();
    int x = px(150) + 40;
    int y = py(150) + 10;
    // The shape lies over the label, but lets presses through.
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(x + 1, y));
    PostMessageW(window, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(px(5000), py(4000)));
    ASSERT_TRUE(pumpUntil([&] { return presses.size() >= 3; }));
    pump(30);
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0].button, forms::MouseButton::Left);
    EXPECT_EQ(presses[0].x, 40.0f);
    EXPECT_EQ(presses[0].y, 10.0f);
    EXPECT_EQ(presses[1].button, forms::MouseButton::Right);
    EXPECT_EQ(presses[1].x, 41.0f);
    EXPECT_EQ(presses[1].shift, 1);
    EXPECT_EQ(presses[2].button, forms::MouseButton::Middle);

    // A hidden or disabled label lets presses through.
    label->setVisible(false);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    label->setVisible(true);
    label->setEnabled(false);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    pump(50);
    EXPECT_EQ(presses.size(), 3u);

    // Inside a user control: the label inside takes its presses, the
    // control gets the rest.
    auto* gradient = control<GradientControl>("Grad");
    auto* patch = control<forms::Label>("Patch");
    int patchPresses = 0;
    patch->onMouseDown = [&](const forms::MouseEvent&) { ++patchPresses; };
    PostMessageW(gradient->handle(), WM_RBUTTONDOWN, MK_RBUTTON,
                 MAKELPARAM(px(300) + 5, py(300) + 5));
    PostMessageW(gradient->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 60));
    PostMessageW(gradient->handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 60));
    ASSERT_TRUE(pumpUntil([&] { return !gradient->presses.empty(); }));
    EXPECT_EQ(patchPresses, 1);
    ASSERT_EQ(gradient->presses.size(), 1u);
    EXPECT_EQ(gradient->presses[0].button, forms::MouseButton::Left);
    EXPECT_EQ(gradient->presses[0].x, 100.0f);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FormsWindow, TimerTicksWhileEnabledOnly) {
    ASSERT_TRUE(showForm());
    auto* timer = control<forms::Timer>("Tick");
    int ticks = 0;
    timer->onTimer = [&] { ++ticks; };
    pump(100);
    EXPECT_EQ(ticks, 0);
    timer->setEnabled(true);
    ASSERT_TRUE(pumpUntil([&] { return ticks >= 3; }));
    timer->setEnabled(false);
    int stopped = ticks;
    pump(150);
    EXPECT_EQ(ticks, stopped);
    timer->setEnabled(true);
    timer->setInterval(0); // no interval: no ticks
    pump(150);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(FormsWindow, CloseRequestMayBeCancelledThenUnloads) {
    ASSERT_TRUE(showForm());
    HWND window = form->handle();
    form->cancelUnload = true;
    PostMessageW(window, WM_CLOSE, 0, 0);
    pump(50);
    EXPECT_TRUE(form->isLoaded());
    EXPECT_TRUE(IsWindow(window));
    ASSERT_TRUE(form->lastMode);
    EXPECT_EQ(*form->lastMode, forms::UnloadMode::FormControlMenu);
    EXPECT_EQ(form->unloads, 0);
    EXPECT_FALSE(form->unload());
    EXPECT_EQ(*form->lastMode, forms::UnloadMode::FormCode);

    form->cancelUnload = false;
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return !form->isLoaded(); }));
    EXPECT_EQ(form->unloads, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(form->handle(), nullptr);
    EXPECT_EQ(forms::Form::loadedCount(), 0);
    EXPECT_FALSE(form->unload());
    EXPECT_EQ(form->unloads, 1);
}

TEST_F(FormsWindow, UnloadFromAControlsOwnEventThenLoadAgain) {
    ASSERT_TRUE(showForm());
    std::size_t count = form->controls().size();
    auto* box = control<forms::PictureBox>("Pic_m");
    int clicks = 0;
    box->onClick = [&] {
        ++clicks;
        form->unload();
    };
    PostMessageW(box->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(box->handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(pumpUntil([&] { return !form->isLoaded(); }));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->unloads, 1);

    // Loaded again: a fresh window with fresh controls, none twice.
    ASSERT_TRUE(showForm());
    EXPECT_EQ(form->loads, 2);
    EXPECT_EQ(form->controls().size(), count);
    EXPECT_NE(control<forms::PictureBox>("Pic_m")->handle(), nullptr);
}

TEST_F(FormsWindow, PictureBoxClicksAndShowsItsCursor) {
    ASSERT_TRUE(showForm());
    auto* box = control<forms::PictureBox>("Pic_m");
    HWND window = box->handle();
    int clicks = 0;
    box->onClick = [&] { ++clicks; };
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    // Released outside the box: no click.
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(-20, 5));
    pump(80);
    EXPECT_EQ(clicks, 1);

    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand->cursor());
    // The screen-wide pointer wins over every control's.
    forms::Screen::setMousePointer(forms::MousePointer::Hourglass);
    EXPECT_EQ(forms::Screen::mousePointer(), forms::MousePointer::Hourglass);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, MAKEINTRESOURCEW(32514))); // IDC_WAIT
    forms::Screen::setMousePointer(forms::MousePointer::Default);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand->cursor());
}

TEST_F(FormsWindow, ScrollBarRaisesChangeAndScrollFromItsMessages) {
    ASSERT_TRUE(showForm());
    auto* bar = control<forms::HScrollBar>("HS");
    EXPECT_EQ(bar->value(), 5);
    EXPECT_EQ(bar->largeChange(), 10);
    int changes = 0;
    int scrolls = 0;
    bar->onChange = [&] { ++changes; };
    bar->onScroll = [&] { ++scrolls; };
    HWND form = this->form->handle();
    auto send = [&](int code, int position = 0) {
        SendMessageW(form, WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(bar->handle()));
    };
    send(SB_LINERIGHT);
    EXPECT_EQ(bar->value(), 6);
    send(SB_PAGERIGHT);
    EXPECT_EQ(bar->value(), 16);
    send(SB_LINELEFT);
    EXPECT_EQ(bar->value(), 15);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(scrolls, 0);
    EXPECT_EQ(GetScrollPos(bar->handle(), SB_CTL), 15 - 1);

    // Dragging the thumb: Scroll on each step, one Change at its end.
    send(SB_THUMBTRACK, 20);
    EXPECT_EQ(bar->value(), 21);
    send(SB_THUMBTRACK, 30);
    EXPECT_EQ(bar->value(), 31);
    EXPECT_EQ(scrolls, 2);
    EXPECT_EQ(changes, 3);
    send(SB_THUMBPOSITION, 30);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(bar->value(), 31);
    send(SB_ENDSCROLL);
    EXPECT_EQ(changes, 4);

    // The ends hold; a step past them changes nothing.
    send(SB_RIGHT);
    EXPECT_EQ(bar->value(), 50);
    send(SB_PAGERIGHT);
    EXPECT_EQ(bar->value(), 50);
    EXPECT_EQ(changes, 5);
    send(SB_LEFT);
    send(SB_LINELEFT);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(changes, 6);

    // From code: Change follows; a value outside the range is refused.
    EXPECT_TRUE(bar->setValue(10));
    EXPECT_EQ(changes, 7);
    EXPECT_FALSE(bar->setValue(0));
    EXPECT_FALSE(bar->setValue(51));
    EXPECT_EQ(bar->value(), 10);
    bar->setMax(8);
    EXPECT_EQ(bar->value(), 8);
    EXPECT_EQ(changes, 8);
}

TEST_F(FormsWindow, ComboBoxKeepsJapaneseTextAndItsList) {
    ASSERT_TRUE(showForm());
    auto* combo = control<forms::ComboBox>("Combo");
    EXPECT_EQ(combo->text(), "track");
    combo->addItem("1");
    combo->addItem("トラック 2");
    EXPECT_EQ(combo->listCount(), 2);
    EXPECT_EQ(combo->list(1), "トラック 2");
    EXPECT_EQ(combo->list(2), "");
    combo->setText("曲 7");
    EXPECT_EQ(combo->text(), "曲 7");
    combo->setListIndex(1);
    EXPECT_EQ(combo->listIndex(), 1);
    EXPECT_EQ(combo->text(), "トラック 2");
    combo->clear();
    EXPECT_EQ(combo->listCount(), 0);
    forms::FontDescription font;
    font.name = "Verdana";
    font.size = 10;
    combo->setFont(font);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(combo->handle(), WM_GETFONT, 0, 0)),
              combo->font().handle());
}

TEST_F(FormsWindow, TabMovesByTabIndexSkippingDisabledControls) {
    ASSERT_TRUE(showForm());
    auto* gradient = control<GradientControl>("Grad");
    auto* bar = control<forms::HScrollBar>("HS");
    auto* combo = control<forms::ComboBox>("Combo");
    auto* box = control<forms::PictureBox>("Pic_m");
    std::vector<forms::WindowedControl*> order = form->tabOrder();
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0], gradient);
    EXPECT_EQ(order[1], bar);
    EXPECT_EQ(order[2], combo);
    EXPECT_EQ(order[3], box);

    auto pressTab = [&](bool shift) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message = {};
        message.hwnd = GetFocus();
        message.message = WM_KEYDOWN;
        message.wParam = VK_TAB;
        forms::dispatchMessage(message);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    };
    ASSERT_TRUE(gradient->setFocus());
    EXPECT_EQ(form->focusedControl(), gradient);
    pressTab(false);
    EXPECT_EQ(form->focusedControl(), bar);
    combo->setEnabled(false);
    pressTab(false);
    EXPECT_EQ(form->focusedControl(), box);
    pressTab(false); // round to the first
    EXPECT_EQ(form->focusedControl(), gradient);
    pressTab(true);
    EXPECT_EQ(form->focusedControl(), box);
    pressTab(true);
    EXPECT_EQ(form->focusedControl(), bar);
    combo->setEnabled(true);
    pressTab(false);
    EXPECT_EQ(form->focusedControl(), combo);
}

namespace {

// A user control that records the keys that reach it as a button would.
class KeyTaker : public forms::UserControl {
  public:
    std::vector<int> keys;
    std::vector<std::string> ambientChanges;

  protected:
    void UserControl_AccessKeyPress(int key) override { keys.push_back(key); }
    void UserControl_AmbientChanged(std::string_view name) override {
        ambientChanges.emplace_back(name);
    }
};

} // namespace

TEST_F(FormsWindow, EnterEscapeAndAccessKeysReachTheirButtons) {
    ASSERT_TRUE(showForm());
    auto makeButton = [&](const char* name, int left) {
        auto button = std::make_unique<KeyTaker>();
        EXPECT_TRUE(button->create(*form, {left, 3600, 1200, 450}, nullptr));
        button->setName(name);
        return form->controls().add(std::move(button));
    };
    KeyTaker* ok = makeButton("Cmd_OK", 150);
    KeyTaker* cancel = makeButton("Cmd_Cancel", 1500);
    ok->setAccessKeys("O");
    form->setDefaultButton(ok);
    form->setCancelButton(cancel);
    EXPECT_TRUE(ok->ambientDisplayAsDefault());
    EXPECT_FALSE(cancel->ambientDisplayAsDefault());
    ASSERT_EQ(ok->ambientChanges.size(), 1u);
    EXPECT_EQ(ok->ambientChanges[0], "DisplayAsDefault");

    auto* bar = control<forms::HScrollBar>("HS");
    ASSERT_TRUE(bar->setFocus());
    auto send = [&](UINT message, WPARAM key) {
        MSG msg = {};
        msg.hwnd = GetFocus();
        msg.message = message;
        msg.wParam = key;
        forms::dispatchMessage(msg);
    };
    send(WM_KEYDOWN, VK_RETURN);
    send(WM_KEYDOWN, VK_ESCAPE);
    ASSERT_EQ(ok->keys, std::vector<int>{VK_RETURN});
    ASSERT_EQ(cancel->keys, std::vector<int>{VK_ESCAPE});
    // Alt+O: the control with that access key takes the focus and the key.
    send(WM_SYSCHAR, 'O');
    EXPECT_EQ(ok->keys, (std::vector<int>{VK_RETURN, 'o'}));
    EXPECT_EQ(form->focusedControl(), ok);
    // A disabled default button takes no Enter.
    ok->setWindowEnabled(false);
    send(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(ok->keys.size(), 2u);
    // Clearing the default tells the button that was it.
    form->setDefaultButton(nullptr);
    EXPECT_EQ(ok->ambientChanges.size(), 2u);
}

TEST_F(FormsWindow, UserControlPropertiesComeFromTheDescriptionWithoutRegardToCase) {
    ASSERT_TRUE(form->load());
    auto* gradient = control<GradientControl>("Grad");
    EXPECT_EQ(gradient->start, 0u);
    EXPECT_EQ(gradient->end, 0x00FF0000u);
    gradient->end = 0x000000FF;
    forms::PropertyBag saved = gradient->saveProperties();
    // StartColour equals its default and is not stored.
    ASSERT_EQ(saved.entries().size(), 1u);
    EXPECT_EQ(saved.readColour("ENDCOLOUR", 0), 0x000000FFu);
    EXPECT_EQ(gradient->ambientBackColour(), 0x00404040u);
    EXPECT_EQ(gradient->parentFormHandle(), form->handle());
    EXPECT_FLOAT_EQ(gradient->scaleWidthTwips(),
                    static_cast<float>(px(2400)) * forms::Screen::twipsPerPixelX());
}

TEST(Forms, ShowModalReturnsAfterUnloadWithOtherWindowsDisabledMeanwhile) {
    TestForm owner;
    owner.setCaption("Owner");
    ASSERT_TRUE(owner.show());

    class ModalForm : public TestForm {
      public:
        forms::Timer closer{*this, 20, true};
        int ticks = 0;
        bool ownerWasEnabled = true;
        HWND ownerWindow = nullptr;
        ModalForm() {
            closer.onTimer = [this] {
                ownerWasEnabled = ownerWasEnabled && IsWindowEnabled(ownerWindow);
                if (++ticks == 3) {
                    unload();
                }
            };
        }
    } modal;
    modal.ownerWindow = owner.handle();
    modal.setCaption("Modal");
    ASSERT_TRUE(modal.showModal());
    EXPECT_EQ(modal.ticks, 3);
    EXPECT_FALSE(modal.ownerWasEnabled);
    EXPECT_FALSE(modal.isLoaded());
    EXPECT_EQ(modal.loads, 1);
    EXPECT_EQ(modal.unloads, 1);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    EXPECT_TRUE(owner.isLoaded());
    EXPECT_TRUE(owner.unload());
}

TEST(Forms, ChildFormUnloadsWhenTheWindowItLivesInGoes) {
    TestForm host;
    host.setCaption("Preview host");
    ASSERT_TRUE(host.show());
    TestForm preview;
    preview.setBorderStyle(forms::BorderStyle::None);
    ASSERT_TRUE(preview.load());
    HWND window = preview.handle();
    SetWindowLongPtrW(window, GWL_STYLE,
                      (GetWindowLongPtrW(window, GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
    SetParent(window, host.handle());
    preview.move(150, 300, 1500, 1200);
    ASSERT_TRUE(preview.show());
    EXPECT_EQ(preview.left(), 150);
    EXPECT_EQ(preview.top(), 300);
    EXPECT_EQ(preview.width(), 1500);
    EXPECT_TRUE(IsWindowVisible(window));

    DestroyWindow(host.handle());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(preview.isLoaded());
    EXPECT_EQ(preview.unloads, 1);
    EXPECT_EQ(host.unloads, 1);
    EXPECT_EQ(forms::Form::loadedCount(), 0);
}

TEST(Forms, DescriptionThatCannotBeBuiltLeavesNoWindow) {
    auto parsed = forms::parseFormDescription(
        "[Form Broken]\nCaption = Broken form\n[Label L]\nColour = 1\n");
    ASSERT_TRUE(parsed);
    TestForm form(*parsed, {});
    EXPECT_FALSE(form.load());
    EXPECT_EQ(form.loadError(), "Label L: unknown property Colour");
    EXPECT_EQ(form.loads, 0);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(FindWindowW(L"KalendraForm", L"Broken form"), nullptr);
    EXPECT_EQ(forms::Form::loadedCount(), 0);

    auto unknownKind = forms::parseFormDescription("[Form F]\n[FlatButton Cmd_OK]\n");
    TestForm second(*unknownKind, {});
    EXPECT_FALSE(second.load());
    EXPECT_EQ(second.loadError(), "FlatButton Cmd_OK: no such kind of control");
}

TEST(Forms, ScreenSizeInTwipsFollowsItsPixels) {
    HDC dc = GetDC(nullptr);
    float perPixel = 1440.0f / static_cast<float>(GetDeviceCaps(dc, LOGPIXELSX));
    ReleaseDC(nullptr, dc);
    EXPECT_FLOAT_EQ(forms::Screen::twipsPerPixelX(), perPixel);
    EXPECT_EQ(forms::Screen::widthPixels(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_FLOAT_EQ(forms::Screen::widthTwips(),
                    static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * perPixel);
    EXPECT_FLOAT_EQ(forms::Screen::heightTwips(),
                    static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) *
                        forms::Screen::twipsPerPixelY());
}
