// A form made in code, shown on the display, and checked as a
// user meets it: its window and caption, sizes, what is painted, mouse
// presses, timers, unloading, the modal loop, scroll bar and combo box
// events, keyboard focus.
#include "../window_test.h"
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
// EndColour (read from its bag, black and blue by default) on every resize.
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
    void handleReadProperties(const forms::PropertyBag& bag) override {
        readProperties = true;
        start = bag.readColour("StartColour", 0);
        end = bag.readColour("EndColour", 0x00FF0000);
    }
    void handleResize() override {
        HDC dc = hdc();
        for (int x = 0; x < scaleWidth(); ++x) {
            RECT column = {x, 0, x + 1, scaleHeight()};
            COLORREF colour = expected(x);
            forms::fillRectangle(dc, column, static_cast<forms::Colour>(colour));
        }
        refresh();
    }
    void handleMouseDown(const forms::MouseEvent& event) override { presses.push_back(event); }
};

class TestForm : public forms::Form {
  public:
    int loads = 0;
    int unloads = 0;
    bool cancelUnload = false;
    int queries = 0;

  protected:
    void handleLoad() override { ++loads; }
    void handleQueryUnload(bool& cancel) override {
        ++queries;
        cancel = cancelUnload;
    }
    void handleUnload() override { ++unloads; }
};

const char* const caption = "■Kalendra■ テスト";

// A form with one control of every kind, made when it loads.
class ControlsForm : public TestForm {
  public:
    ControlsForm(forms::PictureRef ramp, forms::PictureRef hand)
        : ramp_(std::move(ramp)), hand_(std::move(hand)) {
        setCaption(::caption);
        setBorderStyle(forms::BorderStyle::FixedSingle);
        setBackColour(0x00404040);
    }

    forms::Label* name = nullptr;
    forms::Label* overForm = nullptr;
    forms::Image* image = nullptr;
    forms::PictureBox* box = nullptr;
    forms::HScrollBar* bar = nullptr;
    forms::ComboBox* combo = nullptr;
    GradientControl* gradient = nullptr;
    forms::Label* patch = nullptr;
    forms::Timer tick{*this, 20, false};

  protected:
    void handleLoad() override {
        setClientSize(6000, 4500);
        forms::ControlSet& set = controls();
        name = set.add(
            std::make_unique<forms::Label>(*this, forms::Placement{150, 150, 1500, 300}, "Name"));
        name->setFont(font());
        name->setBackColour(0x000000FF);
        overForm = set.add(std::make_unique<forms::Label>(
            *this, forms::Placement{2250, 2700, 1500, 600}, "Over the form"));
        overForm->setFont(font());
        overForm->setTransparent(true);
        overForm->setSingleBorder(true);
        overForm->setAlignment(forms::Alignment::Centre);
        auto* outline =
            set.add(std::make_unique<forms::Shape>(*this, forms::Placement{75, 75, 1800, 600}));
        outline->setBorderColour(0x0000FF00);
        image = set.add(
            std::make_unique<forms::Image>(*this, forms::Placement{150, 750, 600, 600}, ramp_));
        box = set.add(
            std::make_unique<forms::PictureBox>(*this, forms::Placement{3000, 150, 900, 600}));
        box->setBackColour(0x00FF0000);
        box->setPicture(ramp_);
        box->setCursor(hand_);
        box->setTabIndex(3);
        bar = set.add(
            std::make_unique<forms::HScrollBar>(*this, forms::Placement{150, 1800, 3000, 255}));
        bar->setMin(1);
        bar->setMax(50);
        bar->setLargeChange(10);
        bar->setValue(5);
        bar->setTabIndex(1);
        combo = set.add(
            std::make_unique<forms::ComboBox>(*this, forms::Placement{150, 2250, 2250, 315}));
        combo->setFont(font());
        combo->setText("track");
        combo->setTabIndex(2);
        auto made = std::make_unique<GradientControl>();
        forms::PropertyBag properties;
        // Keys match without regard to case.
        properties.setText("endcolour", "&H00FF0000");
        properties.setText("startCOLOUR", "&H00000000");
        made->create(*this, {3000, 1500, 2400, 1200}, &properties);
        gradient = set.add(std::move(made));
        gradient->setTabIndex(0);
        patch = set.add(
            std::make_unique<forms::Label>(*gradient, forms::Placement{300, 300, 600, 300}));
        patch->setFont(font());
        patch->setBackColour(0x0000FF00);
        TestForm::handleLoad();
    }

  private:
    forms::PictureRef ramp_;
    forms::PictureRef hand_;
};

class FormsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ramp = forms::Picture::fromFileBytes(picture_bytes::rgbBitmap(20, 10, rampColour, false));
        hand = forms::Picture::fromResource(nullptr, L"HAND_CURSOR");
        ASSERT_TRUE(ramp);
        ASSERT_TRUE(hand);
        form = std::make_unique<ControlsForm>(ramp, hand);
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
            ADD_FAILURE() << "the form did not load";
            return false;
        }
        UpdateWindow(form->handle());
        pump(50);
        return true;
    }

    forms::PictureRef ramp;
    forms::PictureRef hand;
    std::unique_ptr<ControlsForm> form;
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
    LONG_PTR style = GetWindowLongPtrW(form->handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & WS_THICKFRAME, 0);

    form->move(1500, 750);
    RECT outer = {};
    GetWindowRect(form->handle(), &outer);
    EXPECT_EQ(outer.left, px(1500));

    // Windowed controls sit where their twips say.
    auto* box = form->box;
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
    auto* box = form->box;
    forms::MemoryCanvas boxCanvas = printed(box->handle());
    EXPECT_EQ(boxCanvas.pixel(3, 4), rampRef(3, 4));
    EXPECT_EQ(boxCanvas.pixel(30, 20), RGB(0, 0, 255));

    // The user control: its back buffer with the label inside drawn over it.
    auto* gradient = form->gradient;
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
    auto* label = form->name;
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

    // A hidden label lets presses through.
    label->setVisible(false);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    pump(50);
    EXPECT_EQ(presses.size(), 3u);

    // Inside a user control: the label inside takes its presses, the
    // control gets the rest.
    auto* gradient = form->gradient;
    auto* patch = form->patch;
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
    auto* timer = &form->tick;
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
    EXPECT_EQ(form->queries, 1);
    EXPECT_EQ(form->unloads, 0);
    EXPECT_FALSE(form->unload());
    EXPECT_EQ(form->queries, 2);

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
    auto* box = form->box;
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
    EXPECT_NE(form->box->handle(), nullptr);
}

TEST_F(FormsWindow, PictureBoxClicksAndShowsItsCursor) {
    ASSERT_TRUE(showForm());
    auto* box = form->box;
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
    auto* bar = form->bar;
    EXPECT_EQ(bar->value(), 5);
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
    auto* combo = form->combo;
    EXPECT_EQ(combo->text(), "track");
    combo->addItem("1");
    combo->addItem("トラック 2");
    EXPECT_EQ(SendMessageW(combo->handle(), CB_GETCOUNT, 0, 0), 2);
    combo->setText("曲 7");
    EXPECT_EQ(combo->text(), "曲 7");
    forms::FontDescription font;
    font.name = "Verdana";
    font.size = 10;
    combo->setFont(font);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(combo->handle(), WM_GETFONT, 0, 0)),
              combo->font().handle());
}

TEST_F(FormsWindow, TabMovesByTabIndexSkippingDisabledControls) {
    ASSERT_TRUE(showForm());
    auto* gradient = form->gradient;
    auto* bar = form->bar;
    auto* combo = form->combo;
    auto* box = form->box;
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
    void handleAccessKeyPress(int key) override { keys.push_back(key); }
    void handleAmbientChanged(std::string_view name) override { ambientChanges.emplace_back(name); }
};

} // namespace

TEST_F(FormsWindow, EnterEscapeAndAccessKeysReachTheirButtons) {
    ASSERT_TRUE(showForm());
    auto makeButton = [&](int left) {
        auto button = std::make_unique<KeyTaker>();
        EXPECT_TRUE(button->create(*form, {left, 3600, 1200, 450}, nullptr));
        return form->controls().add(std::move(button));
    };
    KeyTaker* ok = makeButton(150);
    KeyTaker* cancel = makeButton(1500);
    ok->setAccessKeys("O");
    form->setDefaultButton(ok);
    form->setCancelButton(cancel);
    EXPECT_TRUE(ok->ambientDisplayAsDefault());
    EXPECT_FALSE(cancel->ambientDisplayAsDefault());
    ASSERT_EQ(ok->ambientChanges.size(), 1u);
    EXPECT_EQ(ok->ambientChanges[0], "DisplayAsDefault");

    auto* bar = form->bar;
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

TEST_F(FormsWindow, UserControlPropertiesComeFromTheirBagWithoutRegardToCase) {
    ASSERT_TRUE(form->load());
    auto* gradient = form->gradient;
    EXPECT_TRUE(gradient->readProperties);
    EXPECT_EQ(gradient->start, 0u);
    EXPECT_EQ(gradient->end, 0x00FF0000u);
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
    EXPECT_EQ(preview.width(), 1500);
    EXPECT_TRUE(IsWindowVisible(window));

    DestroyWindow(host.handle());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(preview.isLoaded());
    EXPECT_EQ(preview.unloads, 1);
    EXPECT_EQ(host.unloads, 1);
    EXPECT_EQ(forms::Form::loadedCount(), 0);
}

TEST(Forms, ScreenSizeInTwipsFollowsItsPixels) {
    HDC dc = GetDC(nullptr);
    float perPixel = 1440.0f / static_cast<float>(GetDeviceCaps(dc, LOGPIXELSX));
    ReleaseDC(nullptr, dc);
    EXPECT_FLOAT_EQ(forms::Screen::twipsPerPixelX(), perPixel);
    EXPECT_FLOAT_EQ(forms::Screen::widthTwips(),
                    static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * perPixel);
    EXPECT_FLOAT_EQ(forms::Screen::heightTwips(),
                    static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) *
                        forms::Screen::twipsPerPixelY());
}
