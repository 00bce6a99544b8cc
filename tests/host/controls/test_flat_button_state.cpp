#include "flat_button_state.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace controls;

namespace {

constexpr int W = 105;
constexpr int H = 33;

struct RecordingEvents : FlatButtonEvents {
    std::vector<std::string> log;
    void paint(const ButtonPaint& p) override {
        log.push_back("paint " + std::to_string(p.state) + (p.focusRect ? " focus" : "") +
                      (p.enabled ? "" : " grey"));
    }
    void click() override { log.push_back("click"); }
    void dblClick() override { log.push_back("dblclick"); }
    void mouseMove(int button, int, float, float) override {
        log.push_back("move " + std::to_string(button));
    }
    void formActivate(int state) override { log.push_back("activate " + std::to_string(state)); }
    void trackMouseLeave() override { log.push_back("track"); }
    void sendTab(bool backwards) override { log.push_back(backwards ? "shift+tab" : "tab"); }
    void processPendingMessages() override { log.push_back("doevents"); }

    // The log since the last call.
    std::vector<std::string> take() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

// A button loaded on a running, active form, pointer away, no focus.
struct LoadedButton {
    RecordingEvents events;
    FlatButtonState button{events};

    LoadedButton() {
        button.setEnabled(true);
        button.loaded();
        button.formActivation(true);
        events.take();
    }
    void moveIn() { button.mouseMove(0, 0, 10, 10, W, H); }
    void moveOut() { button.mouseMove(leftButton, 0, W + 5.0f, 10, W, H); }
};

} // namespace

TEST(FlatButtonState, NothingPaintsUntilLoadedOrEnabled) {
    RecordingEvents events;
    FlatButtonState button(events);
    EXPECT_TRUE(button.busy());
    button.repaint();
    button.gotFocus();
    EXPECT_EQ(events.take(), Log({}));
    // A paint refused while busy does not change the recorded look either.
    EXPECT_EQ(button.drawState(), StateDisabled);
    button.setEnabled(true);
    EXPECT_EQ(events.take(), Log({"paint 1"}));
    EXPECT_FALSE(button.busy());
}

TEST(FlatButtonState, MouseClickThroughTheLooks) {
    LoadedButton b;
    b.moveIn();
    EXPECT_EQ(b.events.take(), Log({"track", "paint 3", "move 0"}));
    b.button.mouseDown(leftButton);
    EXPECT_EQ(b.events.take(), Log({"paint 4 focus"}));
    // Out while held: focused look; releasing outside gives no click.
    b.moveOut();
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus", "move 1"}));
    b.button.mouseUp(leftButton);
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus"}));
    EXPECT_FALSE(b.button.pressed());

    // Back in while held, release inside: hot and a click.
    b.button.mouseDown(leftButton);
    b.moveOut();
    b.moveIn();
    EXPECT_EQ(b.events.take(), Log({"paint 4 focus", "paint 2 focus", "move 1", "track",
                                    "paint 4 focus", "move 0"}));
    b.button.mouseUp(leftButton);
    EXPECT_EQ(b.events.take(), Log({"paint 3 focus", "click"}));
}

TEST(FlatButtonState, EdgesCountAsInsideAndOtherButtonsDoNotPress) {
    LoadedButton b;
    b.button.mouseMove(0, 0, W, H, W, H);
    EXPECT_TRUE(b.button.hover());
    b.button.mouseMove(0, 0, W + 0.5f, H, W, H);
    EXPECT_FALSE(b.button.hover());
    b.button.mouseMove(0, 0, 0, -0.5f, W, H);
    EXPECT_FALSE(b.button.hover());
    b.events.take();
    b.moveIn();
    b.button.mouseDown(rightButton);
    b.button.mouseUp(rightButton);
    EXPECT_EQ(b.events.take(), Log({"track", "paint 3", "move 0"}));
    // A double click counts only after a left press.
    b.button.dblClick();
    EXPECT_EQ(b.events.take(), Log({}));
    b.button.mouseDown(leftButton);
    b.button.mouseUp(leftButton);
    b.button.dblClick();
    EXPECT_EQ(b.events.take(),
              Log({"paint 4 focus", "paint 3 focus", "click", "paint 4 focus", "dblclick"}));
}

TEST(FlatButtonState, LeaveNotificationRestoresTheRestingLook) {
    LoadedButton b;
    b.moveIn();
    b.events.take();
    b.button.mouseLeave();
    EXPECT_EQ(b.events.take(), Log({"paint 1"}));

    // With the focus the resting look is the focused one.
    b.button.gotFocus();
    b.moveIn();
    b.events.take();
    b.button.mouseLeave();
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus"}));
    b.button.mouseLeave();
    EXPECT_EQ(b.events.take(), Log({}));

    // Leaving while pressed with the mouse held.
    b.moveIn();
    b.button.mouseDown(leftButton);
    b.events.take();
    b.button.mouseLeave();
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus"}));
}

TEST(FlatButtonState, FocusedButtonAwayFromThePointer) {
    LoadedButton b;
    b.button.gotFocus();
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus"}));
    b.button.setFocusRect(false);
    EXPECT_EQ(b.events.take(), Log({"paint 2"}));
    b.button.setFocusRect(true);
    b.button.lostFocus();
    // The normal look never shows a focus rectangle.
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus", "paint 1"}));
    b.button.setFocusRect(false);
    EXPECT_EQ(b.events.take(), Log({}));
}

TEST(FlatButtonState, SpaceClicksOnReleaseAndAnAccessKeyCancelsIt) {
    LoadedButton b;
    b.button.gotFocus();
    b.events.take();
    b.button.keyDown(keyCodeSpace);
    EXPECT_EQ(b.events.take(), Log({"paint 4 focus"}));
    // While Space is held mouse moves neither repaint nor raise MouseMove.
    b.moveIn();
    EXPECT_EQ(b.events.take(), Log({"track"}));
    b.button.keyUp(keyCodeSpace);
    EXPECT_EQ(b.events.take(), Log({"paint 3 focus", "click"}));

    b.moveOut();
    b.button.keyDown(keyCodeSpace);
    b.events.take();
    b.button.keyUp(keyCodeSpace);
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus", "click"}));

    b.button.keyDown(keyCodeSpace);
    b.button.accessKeyPress();
    EXPECT_EQ(b.events.take(), Log({"paint 4 focus", "paint 2 focus"}));
    b.button.keyUp(keyCodeSpace);
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus"}));
}

TEST(FlatButtonState, SpaceIsIgnoredWhileTheMouseButtonIsHeld) {
    LoadedButton b;
    b.moveIn();
    b.button.mouseDown(leftButton);
    b.events.take();
    b.button.keyDown(keyCodeSpace);
    b.button.keyUp(keyCodeSpace);
    EXPECT_EQ(b.events.take(), Log({}));
    EXPECT_FALSE(b.button.spaceDown());
    b.button.mouseUp(leftButton);
    EXPECT_EQ(b.events.take(), Log({"paint 3 focus", "click"}));
}

TEST(FlatButtonState, EnterClicksAtOnceAndArrowsMoveTheFocus) {
    LoadedButton b;
    b.button.gotFocus();
    b.events.take();
    b.button.keyDown(keyCodeReturn);
    EXPECT_EQ(b.events.take(), Log({"click"}));
    EXPECT_EQ(b.button.drawState(), StateFocused);
    b.button.keyDown(keyCodeLeft);
    b.button.keyDown(keyCodeUp);
    b.button.keyDown(keyCodeRight);
    b.button.keyDown(keyCodeDown);
    b.button.keyDown('A');
    b.button.keyUp(keyCodeReturn);
    EXPECT_EQ(b.events.take(), Log({"shift+tab", "shift+tab", "tab", "tab"}));
}

TEST(FlatButtonState, AccessKeyClicksAfterPendingMessagesOnlyWhileEnabled) {
    LoadedButton b;
    b.button.accessKeyPress();
    EXPECT_EQ(b.events.take(), Log({"doevents", "click"}));
    b.button.setEnabled(false);
    b.events.take();
    b.button.accessKeyPress();
    EXPECT_EQ(b.events.take(), Log({}));
}

TEST(FlatButtonState, DeactivationForgetsThePress) {
    LoadedButton b;
    b.moveIn();
    b.button.mouseDown(leftButton);
    b.events.take();
    b.button.formActivation(false);
    EXPECT_EQ(b.events.take(), Log({"paint 1", "activate 0"}));
    EXPECT_FALSE(b.button.pressed());
    EXPECT_FALSE(b.button.mouseHeld());
    b.button.mouseUp(leftButton);
    EXPECT_EQ(b.events.take(), Log({}));
    // Inactive: hover changes neither the look nor raise MouseMove.
    b.moveIn();
    EXPECT_EQ(b.events.take(), Log({"track"}));
    b.button.formActivation(true);
    EXPECT_EQ(b.events.take(), Log({"paint 3 focus", "activate 1"}));
}

TEST(FlatButtonState, TheFormStartsInactive) {
    RecordingEvents events;
    FlatButtonState button(events);
    button.setEnabled(true);
    button.loaded();
    events.take();
    button.mouseMove(0, 0, 5, 5, W, H);
    button.mouseDown(leftButton);
    button.mouseUp(leftButton);
    EXPECT_EQ(events.take(), Log({"track", "paint 4 focus"}));
}

TEST(FlatButtonState, EnabledRepaintsDisabledNormalDefaultOrHot) {
    LoadedButton b;
    b.button.setEnabled(false);
    EXPECT_EQ(b.events.take(), Log({"paint 0 grey"}));
    b.button.setEnabled(true);
    EXPECT_EQ(b.events.take(), Log({"paint 1"}));

    b.button.ambientChanged("DisplayAsDefault", true);
    EXPECT_EQ(b.events.take(), Log({"paint 2"}));
    b.button.setEnabled(false);
    b.button.setEnabled(true);
    EXPECT_EQ(b.events.take(), Log({"paint 0 grey", "paint 2"}));

    b.moveIn();
    b.button.setEnabled(false);
    b.button.setEnabled(true);
    EXPECT_EQ(b.events.take(), Log({"track", "paint 3", "move 0", "paint 0 grey", "paint 3"}));
    // Disabled buttons ignore the leave notification.
    b.button.setEnabled(false);
    b.events.take();
    b.button.mouseLeave();
    EXPECT_EQ(b.events.take(), Log({}));
}

TEST(FlatButtonState, DefaultButtonFollowsTheAmbientProperty) {
    LoadedButton b;
    // Another ambient property updates the flag but does not repaint.
    b.button.ambientChanged("BackColor", true);
    EXPECT_TRUE(b.button.isDefault());
    EXPECT_EQ(b.events.take(), Log({}));
    b.button.ambientChanged("displayasdefault", true);
    EXPECT_EQ(b.events.take(), Log({}));
    b.button.ambientChanged("DisplayAsDefault", false);
    b.button.ambientChanged("DisplayAsDefault", true);
    EXPECT_EQ(b.events.take(), Log({"paint 2"}));
    // The default button rests in the focused look after losing the focus.
    b.button.gotFocus();
    b.button.lostFocus();
    EXPECT_EQ(b.events.take(), Log({"paint 2 focus", "paint 2"}));
    b.moveIn();
    b.button.mouseLeave();
    EXPECT_EQ(b.events.take(), Log({"track", "paint 3", "move 0", "paint 2"}));
}

TEST(FlatButtonState, CaptionOrFontChangesRepaintTheCurrentLook) {
    LoadedButton b;
    b.moveIn();
    b.events.take();
    b.button.repaint();
    b.button.sizeSettled();
    EXPECT_EQ(b.events.take(), Log({"paint 3", "paint 3"}));
}

TEST(FlatButtonState, RepaintRequestedDuringAPaintIsDropped) {
    struct Nesting : RecordingEvents {
        FlatButtonState* button = nullptr;
        void paint(const ButtonPaint& p) override {
            RecordingEvents::paint(p);
            button->repaint();
        }
    } events;
    FlatButtonState button(events);
    events.button = &button;
    button.setEnabled(true);
    EXPECT_EQ(events.take(), Log({"paint 1"}));
    EXPECT_FALSE(button.busy());
}

TEST(FlatButtonCaptions, accessKeyOf) {
    EXPECT_EQ(accessKeyOf("&OK"), "o");
    EXPECT_EQ(accessKeyOf("&Cancel"), "c");
    EXPECT_EQ(accessKeyOf("Save &As"), "a");
    EXPECT_EQ(accessKeyOf("OK"), "");
    EXPECT_EQ(accessKeyOf(""), "");
    EXPECT_EQ(accessKeyOf("&"), "");
    EXPECT_EQ(accessKeyOf("OK&"), "");
    EXPECT_EQ(accessKeyOf("A&&B"), "");
    EXPECT_EQ(accessKeyOf("Fish && &Chips"), "c");
    EXPECT_EQ(accessKeyOf("&&&x"), "x");
    // Two characters are enough for a key: the underlined letter works.
    EXPECT_EQ(accessKeyOf("&X"), "x");
    EXPECT_EQ(accessKeyOf("&7"), "7");
    // A non-ASCII key is one whole UTF-8 character, left as it is.
    EXPECT_EQ(accessKeyOf("\xE8\xA8\xAD&\xE5\xAE\x9A!"), "\xE5\xAE\x9A");
    EXPECT_EQ(accessKeyOf("&\xC3\x84"), "\xC3\x84");
}

TEST(FlatButtonGeometry, MinimumSizeAndCentre) {
    const TwipsSize small = minimumButtonSize({50, 50});
    EXPECT_EQ(small.width, 100);
    EXPECT_EQ(small.height, 100);
    const TwipsSize wide = minimumButtonSize({1575, 60});
    EXPECT_EQ(wide.width, 1575);
    EXPECT_EQ(wide.height, 100);

    const PixelPoint centre = snapTarget(200, 100, 105, 33);
    EXPECT_EQ(centre.x, 252); // 252.5 rounds to even
    EXPECT_EQ(centre.y, 116); // 116.5 rounds to even
    EXPECT_EQ(snapTarget(201, 101, 105, 33).x, 254);
}

TEST(FlatButtonActivation, MessagesAndTheirState) {
    EXPECT_TRUE(activationTurnsOn(messageActivate, 1));
    EXPECT_TRUE(activationTurnsOn(messageActivate, 2));
    EXPECT_FALSE(activationTurnsOn(messageActivate, 0));
    // Deactivated while minimised: the high word is set, the state is off.
    EXPECT_FALSE(activationTurnsOn(messageActivate, 0x10000));
    EXPECT_TRUE(activationTurnsOn(messageActivate, 0x10001));
}
