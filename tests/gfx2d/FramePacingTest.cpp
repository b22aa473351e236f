#include "gfx2d/gl/FramePacing.h"
#include "gfx2d/gl/SwapWait.h"

#include <gtest/gtest.h>

#include <memory>

#include "zentoir.h"

#include "base/RuntimeContext.h"
#include "gfx2d/renderer/Renderer.h"
#include "support/RendererAccess.h"

namespace zentoir {
namespace {

TEST(FramePacing, IntervalFromLimit) {
  EXPECT_DOUBLE_EQ(FrameIntervalFor(60), 1000.0 / 60.0);
  EXPECT_DOUBLE_EQ(FrameIntervalFor(1), 1000.0);
  EXPECT_EQ(FrameIntervalFor(0), 2.0);
  EXPECT_EQ(FrameIntervalFor(-1), 2.0);
}

// On the running renderer, or on one without a window made for the test.
TEST(FramePacing, SetFrameRateLimitTruncatesToWholeFrames) {
  const bool made = Renderer() == nullptr;
  if (made) SetRenderer(std::make_unique<OpenGLRadazuri>());
  double& interval = RendererTestAccess::FrameInterval(*Renderer());
  const double kept = interval;
  SetFrameRateLimit(60);
  EXPECT_DOUBLE_EQ(interval, 16.666666666666668);
  for (double limit : {0.0, -1.0, 0.9, -0.5}) {
    interval = 99;
    SetFrameRateLimit(limit);
    EXPECT_EQ(interval, 2.0) << limit;
  }
  SetFrameRateLimit(60.9);
  EXPECT_DOUBLE_EQ(interval, 1000.0 / 60.0);
  interval = kept;
  if (made) ReleaseRenderer();
}

TEST(FramePacing, LimitGivenBackForNewWindow) {
  EXPECT_EQ(FramesPerSecondFor(2.0), 500);
  EXPECT_EQ(FramesPerSecondFor(1000.0 / 50.0), 50);
  EXPECT_EQ(FramesPerSecondFor(0), 5);
  EXPECT_EQ(FramesPerSecondFor(-3), 5);
  EXPECT_GT(FramesPerSecondFor(1e-300), 0);  // no overflow into a negative limit
}

TEST(FramePacing, OnTimeFrameAdvancesOneInterval) {
  EXPECT_DOUBLE_EQ(NextFrameTimeAfter(100, 10, 100.5), 110);
}

TEST(FramePacing, LateFrameSkipsWholeIntervals) {
  // Three intervals late: the next frame time lands past now in one step, and the
  // following frame then only waits for the remainder.
  EXPECT_DOUBLE_EQ(NextFrameTimeAfter(100, 10, 135), 140);
  EXPECT_DOUBLE_EQ(NextFrameTimeAfter(100, 10, 130), 130);  // exactly on a boundary
  const double interval = 1000.0 / 60.0;
  const double next = NextFrameTimeAfter(1000, interval, 1000 + 3.5 * interval);
  EXPECT_GE(next, 1000 + 3.5 * interval);
  EXPECT_LT(next, 1000 + 3.5 * interval + interval);
}

TEST(FramePacing, LongStallAndZeroIntervalEndPromptly) {
  const double next = NextFrameTimeAfter(0, 2, 1e12 + 1);
  EXPECT_GE(next, 1e12 + 1);
  EXPECT_LE(next, 1e12 + 3);
  EXPECT_EQ(NextFrameTimeAfter(50, 0, 1000), 50);  // no interval: nothing to skip
}

TEST(FrameTime, NeverZeroOrNegative) {
  RuntimeContext& rt = Runtime();
  rt.currentFrameTime = rt.previousFrameTime = 0;
  EXPECT_EQ(GetFrameTime(), 1);  // before any frame
  rt.previousFrameTime = 500;
  rt.currentFrameTime = 480;  // clock stamps out of order
  EXPECT_EQ(GetFrameTime(), 1);
  rt.currentFrameTime = 516.5;
  EXPECT_DOUBLE_EQ(GetFrameTime(), 16.5);
  rt.currentFrameTime = rt.previousFrameTime = 0;
}

TEST(FramePacing, SleepsInSlicesThenSpinsTheLastPart) {
  EXPECT_EQ(SleepBeforeFrameMs(16.0), 2.0);         // far off: a bounded slice, events in between
  EXPECT_DOUBLE_EQ(SleepBeforeFrameMs(2.5), 1.75);  // lands shortly before the frame is due
  EXPECT_EQ(SleepBeforeFrameMs(0.75), 0);           // the last part is spun
  EXPECT_EQ(SleepBeforeFrameMs(-3), 0);
}

// Swaps a refresh apart (vertical sync at work), or a frame that took longer, never
// count; only 30 quick swaps in a row mean that the swap does not wait.
TEST(SwapWait, OnlyManyQuickSwapsInARowMeanTheSwapDoesNotWait) {
  SwapWait wait;
  wait.Reset(SwapWait::RefreshIntervalFor(60));
  double now = 0;
  for (int i = 0; i < 200; ++i)
    wait.NoteSwap(now += 16.4);
  EXPECT_FALSE(wait.SwapsReturnAtOnce());
  for (int i = 0; i < 29; ++i)
    wait.NoteSwap(now += 2);
  wait.NoteSwap(now += 30);  // one slow frame starts the count again
  for (int i = 0; i < 29; ++i)
    wait.NoteSwap(now += 2);
  EXPECT_FALSE(wait.SwapsReturnAtOnce());
  wait.NoteSwap(now += 2);
  EXPECT_TRUE(wait.SwapsReturnAtOnce());
  wait.Reset(SwapWait::RefreshIntervalFor(144));
  EXPECT_FALSE(wait.SwapsReturnAtOnce());
  EXPECT_DOUBLE_EQ(wait.RefreshInterval(), 1000.0 / 144);
  EXPECT_DOUBLE_EQ(SwapWait::RefreshIntervalFor(0), 1000.0 / 60);  // unknown rate
}

}  // namespace
}  // namespace zentoir
