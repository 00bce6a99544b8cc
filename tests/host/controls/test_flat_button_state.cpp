#include "flat_button_state.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int W = 105;
constexpr int H = 33;

struct RecordingEvents : FlatButtonEvents {
    std::vector<std::string> log;
    void Paint(const ButtonPaint& p) override {
        log.push_back("paint " + std::to_string(p.state) + (p.focusRect ? " focus" : "") +
                      (p.enabled ? "" : " grey"));
    }
    void Click() override { log.push_back("click"); }
    void DblClick() override { log.push_back("dblclick"); }
    void MouseMove(int button, int, float, float) override {
        log.push_back("move " + std::to_string(button));
    }
    void FormActivate(int state) override { log.push_back("activate " + std::to_string(state)); }
    void TrackMouseLeave() override { log.push_back("track"); }
    void SendTab(bool backwards) override { log.push_back(backwards ? "shift+tab" : "tab"); }
    void ProcessPendingMessages() override { log.push_back("doevents"); }

    // The log since the last call.
    std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

// A button loaded on a running, active form, pointer away, no focus.
struct LoadedButton {
    RecordingEvents events;
    FlatButtonState button{events};

    LoadedButton() {
        button.SetEnabled(true);
        button.Loaded();
        button.FormActivation(true);
        events.Take();
    }
    void MoveIn() { button.MouseMove(0, 0, 10, 10, W, H); }
    void MoveOut() { button.MouseMove(LeftButton, 0, W + 5.0f, 10, W, H); }
};

} // namespace

TEST(FlatButtonState, NothingPaintsUntilLoadedOrEnabled) {
    RecordingEvents events;
    FlatButtonState button(events);
    EXPECT_TRUE(button.busy());
    button.Repaint();
    button.GotFocus();
    EXPECT_EQ(events.Take(), Log({}));
    // A paint refused while busy does not change the recorded look either.
    EXPECT_EQ(button.drawState(), StateDisabled);
    button.SetEnabled(true);
    EXPECT_EQ(events.Take(), Log({"paint 1"}));
    EXPECT_FALSE(button.busy());
}

TEST(FlatButtonState, MouseClickThroughTheLooks) {
    LoadedButton b;
    b.MoveIn();
    EXPECT_EQ(b.events.Take(), Log({"track", "paint 3", "move 0"}));
    b.button.MouseDown(LeftButton);
    EXPECT_EQ(b.events.Take(), Log({"paint 4 focus"}));
    // Out while held: focused look; releasing outside gives no click.
    b.MoveOut();
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus", "move 1"}));
    b.button.MouseUp(LeftButton);
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus"}));
    EXPECT_FALSE(b.button.pressed());

    // Back in while held, release inside: hot and a click.
    b.button.MouseDown(LeftButton);
    b.MoveOut();
    b.MoveIn();
    EXPECT_EQ(b.events.Take(), Log({"paint 4 focus", "paint 2 focus", "move 1", "track",
                                    "paint 4 focus", "move 0"}));
    b.button.MouseUp(LeftButton);
    EXPECT_EQ(b.events.Take(), Log({"paint 3 focus", "click"}));
}

TEST(FlatButtonState, EdgesCountAsInsideAndOtherButtonsDoNotPress) {
    LoadedButton b;
    b.button.MouseMove(0, 0, W, H, W, H);
    EXPECT_TRUE(b.button.hover());
    b.button.MouseMove(0, 0, W + 0.5f, H, W, H);
    EXPECT_FALSE(b.button.hover());
    b.button.MouseMove(0, 0, 0, -0.5f, W, H);
    EXPECT_FALSE(b.button.hover());
    b.events.Take();
    b.MoveIn();
    b.button.MouseDown(RightButton);
    b.button.MouseUp(RightButton);
    EXPECT_EQ(b.events.Take(), Log({"track", "paint 3", "move 0"}));
    // A double click counts only after a left press.
    b.button.DblClick();
    EXPECT_EQ(b.events.Take(), Log({}));
    b.button.MouseDown(LeftButton);
    b.button.MouseUp(LeftButton);
    b.button.DblClick();
    EXPECT_EQ(b.events.Take(),
              Log({"paint 4 focus", "paint 3 focus", "click", "paint 4 focus", "dblclick"}));
}

TEST(FlatButtonState, LeaveNotificationRestoresTheRestingLook) {
    LoadedButton b;
    b.MoveIn();
    b.events.Take();
    b.button.MouseLeave();
    EXPECT_EQ(b.events.Take(), Log({"paint 1"}));

    // With the focus the resting look is the focused one.
    b.button.GotFocus();
    b.MoveIn();
    b.events.Take();
    b.button.MouseLeave();
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus"}));
    b.button.MouseLeave();
    EXPECT_EQ(b.events.Take(), Log({}));

    // Leaving while pressed with the mouse held.
    b.MoveIn();
    b.button.MouseDown(LeftButton);
    b.events.Take();
    b.button.MouseLeave();
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus"}));
}

TEST(FlatButtonState, FocusedButtonAwayFromThePointer) {
    LoadedButton b;
    b.button.GotFocus();
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus"}));
    b.button.SetFocusRect(false);
    EXPECT_EQ(b.events.Take(), Log({"paint 2"}));
    b.button.SetFocusRect(true);
    b.button.LostFocus();
    // The normal look never shows a focus rectangle.
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus", "paint 1"}));
    b.button.SetFocusRect(false);
    EXPECT_EQ(b.events.Take(), Log({}));
}

TEST(FlatButtonState, SpaceClicksOnReleaseAndAnAccessKeyCancelsIt) {
    LoadedButton b;
    b.button.GotFocus();
    b.events.Take();
    b.button.KeyDown(KeyCodeSpace);
    EXPECT_EQ(b.events.Take(), Log({"paint 4 focus"}));
    // While Space is held mouse moves neither repaint nor raise MouseMove.
    b.MoveIn();
    EXPECT_EQ(b.events.Take(), Log({"track"}));
    b.button.KeyUp(KeyCodeSpace);
    EXPECT_EQ(b.events.Take(), Log({"paint 3 focus", "click"}));

    b.MoveOut();
    b.button.KeyDown(KeyCodeSpace);
    b.events.Take();
    b.button.KeyUp(KeyCodeSpace);
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus", "click"}));

    b.button.KeyDown(KeyCodeSpace);
    b.button.AccessKeyPress();
    EXPECT_EQ(b.events.Take(), Log({"paint 4 focus", "paint 2 focus"}));
    b.button.KeyUp(KeyCodeSpace);
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus"}));
}

TEST(FlatButtonState, SpaceIsIgnoredWhileTheMouseButtonIsHeld) {
    LoadedButton b;
    b.MoveIn();
    b.button.MouseDown(LeftButton);
    b.events.Take();
    b.button.KeyDown(KeyCodeSpace);
    b.button.KeyUp(KeyCodeSpace);
    EXPECT_EQ(b.events.Take(), Log({}));
    EXPECT_FALSE(b.button.spaceDown());
    b.button.MouseUp(LeftButton);
    EXPECT_EQ(b.events.Take(), Log({"paint 3 focus", "click"}));
}

TEST(FlatButtonState, EnterClicksAtOnceAndArrowsMoveTheFocus) {
    LoadedButton b;
    b.button.GotFocus();
    b.events.Take();
    b.button.KeyDown(KeyCodeReturn);
    EXPECT_EQ(b.events.Take(), Log({"click"}));
    EXPECT_EQ(b.button.drawState(), StateFocused);
    b.button.KeyDown(KeyCodeLeft);
    b.button.KeyDown(KeyCodeUp);
    b.button.KeyDown(KeyCodeRight);
    b.button.KeyDown(KeyCodeDown);
    b.button.KeyDown('A');
    b.button.KeyUp(KeyCodeReturn);
    EXPECT_EQ(b.events.Take(), Log({"shift+tab", "shift+tab", "tab", "tab"}));
}

TEST(FlatButtonState, AccessKeyClicksAfterPendingMessagesOnlyWhileEnabled) {
    LoadedButton b;
    b.button.AccessKeyPress();
    EXPECT_EQ(b.events.Take(), Log({"doevents", "click"}));
    b.button.SetEnabled(false);
    b.events.Take();
    b.button.AccessKeyPress();
    EXPECT_EQ(b.events.Take(), Log({}));
}

TEST(FlatButtonState, DeactivationForgetsThePress) {
    LoadedButton b;
    b.MoveIn();
    b.button.MouseDown(LeftButton);
    b.events.Take();
    b.button.FormActivation(false);
    EXPECT_EQ(b.events.Take(), Log({"paint 1", "activate 0"}));
    EXPECT_FALSE(b.button.pressed());
    EXPECT_FALSE(b.button.mouseDown());
    b.button.MouseUp(LeftButton);
    EXPECT_EQ(b.events.Take(), Log({}));
    // Inactive: hover changes neither the look nor raise MouseMove.
    b.MoveIn();
    EXPECT_EQ(b.events.Take(), Log({"track"}));
    b.button.FormActivation(true);
    EXPECT_EQ(b.events.Take(), Log({"paint 3 focus", "activate 1"}));
}

TEST(FlatButtonState, TheFormStartsInactive) {
    RecordingEvents events;
    FlatButtonState button(events);
    button.SetEnabled(true);
    button.Loaded();
    events.Take();
    button.MouseMove(0, 0, 5, 5, W, H);
    button.MouseDown(LeftButton);
    button.MouseUp(LeftButton);
    EXPECT_EQ(events.Take(), Log({"track", "paint 4 focus"}));
}

TEST(FlatButtonState, EnabledRepaintsDisabledNormalDefaultOrHot) {
    LoadedButton b;
    b.button.SetEnabled(false);
    EXPECT_EQ(b.events.Take(), Log({"paint 0 grey"}));
    b.button.SetEnabled(true);
    EXPECT_EQ(b.events.Take(), Log({"paint 1"}));

    b.button.AmbientChanged("DisplayAsDefault", true);
    EXPECT_EQ(b.events.Take(), Log({"paint 2"}));
    b.button.SetEnabled(false);
    b.button.SetEnabled(true);
    EXPECT_EQ(b.events.Take(), Log({"paint 0 grey", "paint 2"}));

    b.MoveIn();
    b.button.SetEnabled(false);
    b.button.SetEnabled(true);
    EXPECT_EQ(b.events.Take(), Log({"track", "paint 3", "move 0", "paint 0 grey", "paint 3"}));
    // Disabled buttons ignore the leave notification.
    b.button.SetEnabled(false);
    b.events.Take();
    b.button.MouseLeave();
    EXPECT_EQ(b.events.Take(), Log({}));
}

TEST(FlatButtonState, DefaultButtonFollowsTheAmbientProperty) {
    LoadedButton b;
    // Another ambient property updates the flag but does not repaint.
    b.button.AmbientChanged("BackColor", true);
    EXPECT_TRUE(b.button.isDefault());
    EXPECT_EQ(b.events.Take(), Log({}));
    b.button.AmbientChanged("displayasdefault", true);
    EXPECT_EQ(b.events.Take(), Log({}));
    b.button.AmbientChanged("DisplayAsDefault", false);
    b.button.AmbientChanged("DisplayAsDefault", true);
    EXPECT_EQ(b.events.Take(), Log({"paint 2"}));
    // The default button rests in the focused look after losing the focus.
    b.button.GotFocus();
    b.button.LostFocus();
    EXPECT_EQ(b.events.Take(), Log({"paint 2 focus", "paint 2"}));
    b.MoveIn();
    b.button.MouseLeave();
    EXPECT_EQ(b.events.Take(), Log({"track", "paint 3", "move 0", "paint 2"}));
}

TEST(FlatButtonState, CaptionOrFontChangesRepaintTheCurrentLook) {
    LoadedButton b;
    b.MoveIn();
    b.events.Take();
    b.button.Repaint();
    b.button.SizeSettled();
    EXPECT_EQ(b.events.Take(), Log({"paint 3", "paint 3"}));
}

TEST(FlatButtonState, RepaintRequestedDuringAPaintIsDropped) {
    struct Nesting : RecordingEvents {
        FlatButtonState* button = nullptr;
        void Paint(const ButtonPaint& p) override {
            RecordingEvents::Paint(p);
            button->Repaint();
        }
    } events;
    FlatButtonState button(events);
    events.button = &button;
    button.SetEnabled(true);
    EXPECT_EQ(events.Take(), Log({"paint 1"}));
    EXPECT_FALSE(button.busy());
}

TEST(FlatButtonCaptions, AccessKeyOf) {
    EXPECT_EQ(AccessKeyOf("&OK"), "o");
    EXPECT_EQ(AccessKeyOf("&Cancel"), "c");
    EXPECT_EQ(AccessKeyOf("Save &As"), "a");
    EXPECT_EQ(AccessKeyOf("OK"), "");
    EXPECT_EQ(AccessKeyOf(""), "");
    EXPECT_EQ(AccessKeyOf("&"), "");
    EXPECT_EQ(AccessKeyOf("OK&"), "");
    EXPECT_EQ(AccessKeyOf("A&&B"), "");
    EXPECT_EQ(AccessKeyOf("Fish && &Chips"), "c");
    EXPECT_EQ(AccessKeyOf("&&&x"), "x");
    // Two characters are enough for a key: the underlined letter works.
    EXPECT_EQ(AccessKeyOf("&X"), "x");
    EXPECT_EQ(AccessKeyOf("&7"), "7");
    // A non-ASCII key is one whole UTF-8 character, left as it is.
    EXPECT_EQ(AccessKeyOf("\xE8\xA8\xAD&\xE5\xAE\x9A!"), "\xE5\xAE\x9A");
    EXPECT_EQ(AccessKeyOf("&\xC3\x84"), "\xC3\x84");
}

TEST(FlatButtonGeometry, MinimumSizeAndCentre) {
    const TwipsSize small = MinimumButtonSize({50, 50});
    EXPECT_EQ(small.width, 100);
    EXPECT_EQ(small.height, 100);
    const TwipsSize wide = MinimumButtonSize({1575, 60});
    EXPECT_EQ(wide.width, 1575);
    EXPECT_EQ(wide.height, 100);

    const PixelPoint centre = SnapTarget(200, 100, 105, 33);
    EXPECT_EQ(centre.x, 252); // 252.5 rounds to even
    EXPECT_EQ(centre.y, 116); // 116.5 rounds to even
    EXPECT_EQ(SnapTarget(201, 101, 105, 33).x, 254);
}

TEST(FlatButtonActivation, MessagesAndTheirState) {
    EXPECT_TRUE(ActivationTurnsOn(WmActivate, 1));
    EXPECT_TRUE(ActivationTurnsOn(WmActivate, 2));
    EXPECT_FALSE(ActivationTurnsOn(WmActivate, 0));
    // Deactivated while minimised: the high word is set, the state is off.
    EXPECT_FALSE(ActivationTurnsOn(WmActivate, 0x10000));
    EXPECT_TRUE(ActivationTurnsOn(WmActivate, 0x10001));
}
