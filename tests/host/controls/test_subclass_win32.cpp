// Subclassing real windows: the system's procedure chain, several owners,
// removal in any order.
#include "subclass_win32.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace controls;

namespace {

constexpr UINT Probe = WM_APP + 1;
constexpr UINT Other = WM_APP + 2;
constexpr LRESULT ProbeResult = 1234;

std::vector<std::string> journal;

LRESULT CALLBACK testWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == Probe || msg == Other) {
        journal.push_back("window " + std::to_string(msg - WM_APP) + " " + std::to_string(wParam) +
                          " " + std::to_string(lParam));
        return msg == Probe ? ProbeResult : static_cast<LRESULT>(wParam + lParam);
    }
    if (msg == WM_ACTIVATE) {
        // Handled here: the default handling would move the focus, which
        // activates the window again from inside this message.
        journal.push_back("window activate");
        return 0;
    }
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

struct SubclassTestWindow : TestWindow {
    SubclassTestWindow()
        : TestWindow(testWindowClass(L"KalendraSubclassTest", testWindowProc), nullptr,
                     WS_OVERLAPPEDWINDOW, 0, 0, 200, 100) {}
};

// Records its callbacks in the journal; optional behaviour per direction.
struct Owner : SubclassOwner {
    std::string name;
    WindowSubclasser subclasser{*this};
    std::function<void(bool, bool&, MessageResult&)> react;

    explicit Owner(std::string n) : name(std::move(n)) {}

    void onSubclassedMessage(bool before, bool& handled, MessageResult& result, WindowId&,
                             MessageId& message, WordParam& wParam, LongParam&) override {
        journal.push_back(name + (before ? " before " : " after ") + std::to_string(message) + " " +
                          std::to_string(wParam) + " ret " + std::to_string(result));
        if (react) {
            react(before, handled, result);
        }
    }
};

std::vector<std::string> takeJournal() {
    return std::exchange(journal, {});
}

using Lines = std::vector<std::string>;

class Subclassing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(window.hWnd, nullptr);
        journal.clear();
    }
    LRESULT send(UINT msg, WPARAM w = 0, LPARAM l = 0) {
        return SendMessageW(window.hWnd, msg, w, l);
    }
    SubclassTestWindow window;
};

const std::string ProbeText = std::to_string(Probe);

} // namespace

TEST_F(Subclassing, RegisteredMessageReachesTheOwnerAfterThePreviousProcedure) {
    Owner a("a");
    ASSERT_EQ(a.subclasser.start(window.hWnd), 0);
    a.subclasser.addMessage(window.hWnd, Probe, handleAfter);
    EXPECT_EQ(send(Probe, 5, 6), ProbeResult);
    EXPECT_EQ(takeJournal(), Lines({"window 1 5 6", "a after " + ProbeText + " 5 ret 1234"}));

    // The after callback may replace the window's result.
    a.react = [](bool, bool&, MessageResult& r) { r = 99; };
    EXPECT_EQ(send(Probe, 5, 6), 99);

    // Unregistered messages pass through untouched, without a callback.
    takeJournal();
    EXPECT_EQ(send(Other, 30, 12), 42);
    EXPECT_EQ(takeJournal(), Lines({"window 2 30 12"}));
}

TEST_F(Subclassing, BeforeCallbackMayHandleTheMessageAlone) {
    Owner a("a");
    a.subclasser.start(window.hWnd);
    a.subclasser.addMessage(window.hWnd, Probe, handleBefore | handleAfter);
    EXPECT_EQ(send(Probe, 1, 2), ProbeResult);
    EXPECT_EQ(takeJournal(), Lines({"a before " + ProbeText + " 1 ret 0", "window 1 1 2",
                                    "a after " + ProbeText + " 1 ret 1234"}));
    a.react = [](bool before, bool& handled, MessageResult& r) {
        if (before) {
            handled = true;
            r = 7;
        }
    };
    EXPECT_EQ(send(Probe, 1, 2), 7);
    EXPECT_EQ(takeJournal(), Lines({"a before " + ProbeText + " 1 ret 0"}));
}

TEST_F(Subclassing, RegisteringTwiceKeepsOneEntryAndOneCallback) {
    Owner a("a");
    a.subclasser.start(window.hWnd);
    a.subclasser.addMessage(window.hWnd, Probe, handleAfter);
    a.subclasser.addMessage(window.hWnd, Probe, handleAfter);
    EXPECT_EQ(a.subclasser.table().entry(0)->afterCount(), 1);
    send(Probe);
    EXPECT_EQ(takeJournal().size(), 2u);
    // Starting the same window again keeps its one subclass.
    EXPECT_EQ(a.subclasser.start(window.hWnd), 0);
    send(Probe);
    EXPECT_EQ(takeJournal().size(), 2u);
}

TEST_F(Subclassing, StoppedEntriesAreReused) {
    SubclassTestWindow second;
    SubclassTestWindow third;
    Owner a("a");
    EXPECT_EQ(a.subclasser.start(window.hWnd), 0);
    EXPECT_EQ(a.subclasser.start(second.hWnd), 1);
    a.subclasser.addMessage(second.hWnd, Probe, handleAfter);
    a.subclasser.stop(window.hWnd);
    EXPECT_EQ(a.subclasser.start(third.hWnd), 0);
    EXPECT_EQ(a.subclasser.table().size(), 2);
    // The second window's registration is untouched by the reuse.
    SendMessageW(second.hWnd, Probe, 0, 0);
    EXPECT_EQ(takeJournal().size(), 2u);
    // Windows that are not subclassed are skipped; bad handles fail.
    a.subclasser.stop(window.hWnd);
    a.subclasser.addMessage(window.hWnd, Probe, handleAfter);
    EXPECT_EQ(a.subclasser.start(reinterpret_cast<HWND>(0x7777)), -1);
    EXPECT_EQ(a.subclasser.start(nullptr), -1);
    EXPECT_EQ(send(Probe), ProbeResult);
    EXPECT_EQ(takeJournal(), Lines({"window 1 0 0"}));
}

TEST_F(Subclassing, ThreeOwnersEachGetTheParentsActivation) {
    Owner a("a"), b("b"), c("c");
    for (Owner* o : {&a, &b, &c}) {
        ASSERT_EQ(o->subclasser.start(window.hWnd), 0);
        o->subclasser.addMessage(window.hWnd, WM_ACTIVATE, handleAfter);
    }
    EXPECT_EQ(send(WM_ACTIVATE, WA_ACTIVE), 0);
    // The newest subclass runs first, so the after callbacks unwind oldest first.
    EXPECT_EQ(takeJournal(), Lines({"window activate", "a after 6 1 ret 0", "b after 6 1 ret 0",
                                    "c after 6 1 ret 0"}));

    // A real activation change reaches all three as well.
    SubclassTestWindow other;
    ShowWindow(window.hWnd, SW_SHOW);
    ShowWindow(other.hWnd, SW_SHOW);
    SetActiveWindow(other.hWnd);
    takeJournal();
    SetActiveWindow(window.hWnd);
    const Lines seen = takeJournal();
    for (const char* name : {"a", "b", "c"}) {
        EXPECT_EQ(std::count(seen.begin(), seen.end(), std::string(name) + " after 6 1 ret 0"), 1)
            << name;
    }
}

TEST_F(Subclassing, OwnersMayStopInAnyOrder) {
    std::array<int, 3> order = {0, 1, 2};
    do {
        std::vector<std::unique_ptr<Owner>> owners;
        for (const char* name : {"a", "b", "c"}) {
            owners.push_back(std::make_unique<Owner>(name));
            owners.back()->subclasser.start(window.hWnd);
            owners.back()->subclasser.addMessage(window.hWnd, Probe, handleAfter);
        }
        std::vector<bool> active = {true, true, true};
        for (int index : order) {
            owners[index]->subclasser.stop(window.hWnd);
            active[index] = false;
            takeJournal();
            ASSERT_EQ(send(Probe), ProbeResult);
            Lines expected = {"window 1 0 0"};
            for (int i = 0; i < 3; ++i) {
                if (active[i]) {
                    expected.push_back(owners[i]->name + " after " + ProbeText + " 0 ret 1234");
                }
            }
            ASSERT_EQ(takeJournal(), expected)
                << "order " << order[0] << order[1] << order[2] << ", stopped " << index;
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(Subclassing, OwnerMayStopItselfDuringACallback) {
    Owner a("a"), b("b");
    for (Owner* o : {&a, &b}) {
        o->subclasser.start(window.hWnd);
        o->subclasser.addMessage(window.hWnd, Probe, handleBefore | handleAfter);
    }
    b.react = [&](bool before, bool&, MessageResult&) {
        if (before) {
            b.subclasser.stop(window.hWnd);
        }
    };
    EXPECT_EQ(send(Probe), ProbeResult);
    EXPECT_EQ(takeJournal(),
              Lines({"b before " + ProbeText + " 0 ret 0", "a before " + ProbeText + " 0 ret 0",
                     "window 1 0 0", "a after " + ProbeText + " 0 ret 1234"}));
    EXPECT_EQ(send(Probe), ProbeResult);
    EXPECT_EQ(takeJournal().size(), 3u);
}

TEST_F(Subclassing, NestedMessagesFromACallbackAreDispatchedToo) {
    Owner a("a");
    a.subclasser.start(window.hWnd);
    a.subclasser.addMessage(window.hWnd, Probe, handleAfter);
    a.subclasser.addMessage(window.hWnd, Other, handleAfter);
    bool nested = false;
    a.react = [&](bool, bool&, MessageResult&) {
        if (!nested) {
            nested = true;
            SendMessageW(window.hWnd, Other, 1, 1);
        }
    };
    EXPECT_EQ(send(Probe), ProbeResult);
    EXPECT_EQ(takeJournal(),
              Lines({"window 1 0 0", "a after " + ProbeText + " 0 ret 1234", "window 2 1 1",
                     "a after " + std::to_string(Other) + " 1 ret 2"}));
}

TEST_F(Subclassing, DestroyedOwnersAndWindowsLeaveNothingBehind) {
    {
        Owner gone("gone");
        gone.subclasser.start(window.hWnd);
        gone.subclasser.addMessage(window.hWnd, Probe, handleAfter);
    }
    EXPECT_EQ(send(Probe), ProbeResult);
    EXPECT_EQ(takeJournal(), Lines({"window 1 0 0"}));

    Owner a("a");
    auto doomed = std::make_unique<SubclassTestWindow>();
    const HWND handle = doomed->hWnd;
    a.subclasser.start(handle);
    a.subclasser.addMessage(handle, WM_NCDESTROY, handleAfter);
    doomed.reset();
    EXPECT_EQ(takeJournal(), Lines({"a after 130 0 ret 0"}));
    // The entry was freed with the window; stopping later is harmless.
    EXPECT_EQ(a.subclasser.table().findEntry(reinterpret_cast<WindowId>(handle), false), -1);
    a.subclasser.stop(handle);
    EXPECT_EQ(a.subclasser.start(window.hWnd), 0);
}
