#include "renderer_watch.h"

#include <gtest/gtest.h>

namespace {

TEST(RendererWatch, RunLastsWhileTheWindowIsThere) {
    RendererWatch watch(5000);
    EXPECT_FALSE(watch.runIsOver(true, false, 500));
    EXPECT_FALSE(watch.runIsOver(true, false, 60000));
    EXPECT_TRUE(watch.windowSeen());
}

TEST(RendererWatch, RunEndsWhenTheWindowGoesAfterItWasSeen) {
    RendererWatch watch(5000);
    EXPECT_FALSE(watch.runIsOver(true, false, 500));
    EXPECT_TRUE(watch.runIsOver(false, false, 1000));
    // Once over it stays over, even if a window of that title comes back.
    EXPECT_TRUE(watch.runIsOver(true, false, 1500));
}

TEST(RendererWatch, SlowStartDoesNotEndTheRun) {
    RendererWatch watch(5000);
    EXPECT_FALSE(watch.runIsOver(false, false, 500));
    EXPECT_FALSE(watch.runIsOver(false, false, 4999));
    EXPECT_FALSE(watch.runIsOver(true, false, 5500));
    EXPECT_FALSE(watch.runIsOver(true, false, 6000));
}

TEST(RendererWatch, NoWindowWithinTheStartupWaitEndsTheRun) {
    RendererWatch watch(5000);
    EXPECT_FALSE(watch.runIsOver(false, false, 4500));
    EXPECT_TRUE(watch.runIsOver(false, false, 5000));
}

TEST(RendererWatch, EndedOrMissingRendererEndsTheRunAtOnce) {
    // Ended before its window appeared (or never started).
    RendererWatch notStarted;
    EXPECT_TRUE(notStarted.runIsOver(false, true, 500));
    // Ended while a window of that title is still listed.
    RendererWatch ended;
    EXPECT_FALSE(ended.runIsOver(true, false, 500));
    EXPECT_TRUE(ended.runIsOver(true, true, 1000));
}

TEST(RendererWatch, DefaultStartupWaitIsSeveralSeconds) {
    RendererWatch watch;
    EXPECT_FALSE(watch.runIsOver(false, false, 3000));
    EXPECT_TRUE(watch.runIsOver(false, false, RendererWatch::defaultStartupWaitMs));
}

TEST(RendererWatch, WindowUnansweredForTheLimitEndsTheRunAndTheRenderer) {
    RendererWatch watch(5000, 10000);
    EXPECT_FALSE(watch.runIsOver(true, false, 500, true));
    // Unanswered since 500: a few seconds change nothing.
    EXPECT_FALSE(watch.runIsOver(true, false, 1000, false));
    EXPECT_FALSE(watch.runIsOver(true, false, 10499, false));
    EXPECT_FALSE(watch.rendererToEnd());
    EXPECT_TRUE(watch.runIsOver(true, false, 10500, false));
    EXPECT_TRUE(watch.rendererToEnd());
}

TEST(RendererWatch, StallsShorterThanTheLimitKeepTheRunGoing) {
    RendererWatch watch(5000, 10000);
    // A window seen first at 500 counts as answering then.
    EXPECT_FALSE(watch.runIsOver(true, false, 500, false));
    EXPECT_FALSE(watch.runIsOver(true, false, 4500, false));
    EXPECT_FALSE(watch.runIsOver(true, false, 5000, true));
    EXPECT_FALSE(watch.runIsOver(true, false, 14999, false));
    EXPECT_TRUE(watch.runIsOver(true, false, 15000, false));
}

TEST(RendererWatch, OnlyARendererStillRunningIsToBeEnded) {
    RendererWatch neverShown(5000);
    EXPECT_TRUE(neverShown.runIsOver(false, false, 5000));
    EXPECT_TRUE(neverShown.rendererToEnd());
    RendererWatch endedHung(5000, 1000);
    EXPECT_FALSE(endedHung.runIsOver(true, false, 500));
    EXPECT_TRUE(endedHung.runIsOver(true, true, 2000, false));
    EXPECT_FALSE(endedHung.rendererToEnd());
    RendererWatch closed(5000);
    EXPECT_FALSE(closed.runIsOver(true, false, 500));
    EXPECT_TRUE(closed.runIsOver(false, false, 1000, false));
    EXPECT_FALSE(closed.rendererToEnd());
}

} // namespace
