// Prints what an empty frame costs (wall and processor time per PresentFrame, with and
// without waiting for the vertical refresh) and the processor time used per second
// while the program is paused. Runs headless where no display is set.
#include <SDL2/SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "zentoir.h"

#include "base/Hooks.h"
#include "base/RuntimeContext.h"

using namespace zentoir;

namespace {

double ProcessorMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void MeasureFrames(const char* label, int frames) {
  const double wallStart = GetTimeMs();
  const double cpuStart = ProcessorMs();
  for (int i = 0; i < frames; ++i)
    PresentFrame();
  const double wall = (GetTimeMs() - wallStart) / frames;
  const double cpu = (ProcessorMs() - cpuStart) / frames;
  std::printf("%-34s %8.3f ms/frame wall %8.3f ms/frame processor\n", label, wall, cpu);
}

// At a frame limit: processor time per frame beside how exactly the frames are spaced
// (median interval and the share of intervals within 1 ms of the limit's interval).
void MeasurePacing(int framesPerSecond, int frames) {
  SetFrameRateLimit(framesPerSecond);
  PresentFrame();  // start on the limit's rhythm
  std::vector<double> intervals;
  double last = GetTimeMs();
  const double cpuStart = ProcessorMs();
  for (int i = 0; i < frames; ++i) {
    PresentFrame();
    const double now = GetTimeMs();
    intervals.push_back(now - last);
    last = now;
  }
  const double cpu = (ProcessorMs() - cpuStart) / frames;
  const double interval = 1000.0 / framesPerSecond;
  const auto within = std::count_if(intervals.begin(), intervals.end(),
                                    [&](double d) { return std::fabs(d - interval) <= 1.0; });
  std::sort(intervals.begin(), intervals.end());
  std::printf(
      "limit %d, no vsync: median %.3f ms (aim %.3f), %.1f %% within 1 ms, "
      "%.3f ms processor per frame (%.1f %% of the interval)\n",
      framesPerSecond, intervals[intervals.size() / 2], interval, 100.0 * double(within) / frames,
      cpu, 100.0 * cpu / interval);
}

constexpr int kPausedTicks = 20;  // 100 ms each
int pausedTicks = 0;

// The pause loop asks for Alt once a pass (100 ms): the focus comes back after the
// twentieth pass. No key reads as down.
bool ResumeAfterTwoSeconds(int keyCode) {
  constexpr int kKeyAlt = 56;
  if (keyCode != kKeyAlt || !Runtime().paused || ++pausedTicks < kPausedTicks) return false;
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  event.window.windowID = SDL_GetWindowID(Runtime().mainWindow);
  SDL_PushEvent(&event);
  return false;
}

void MeasurePause() {
  SetFrameKeyReader(ResumeAfterTwoSeconds);
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  event.window.windowID = SDL_GetWindowID(Runtime().mainWindow);
  SDL_PushEvent(&event);
  PumpMessages();
  const double wallStart = GetTimeMs();
  const double cpuStart = ProcessorMs();
  PresentFrame();  // returns when the key reader gives the focus back
  const double seconds = (GetTimeMs() - wallStart) / 1000.0;
  std::printf("%-34s %8.3f ms processor per second paused\n", "paused",
              (ProcessorMs() - cpuStart) / seconds);
}

}  // namespace

int main() {
  if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("ZENTOIR_NO_MESSAGE_BOX", "1", 0);
  InitRuntime("", 1, "Bench");
  std::printf("video driver: %s\n", SDL_GetCurrentVideoDriver());
  SetVerticalSync(0);
  MeasureFrames("no limit (2 ms), no vsync", 500);
  MeasurePacing(60, 300);
  SetFrameRateLimit(0);
  SetVerticalSync(1);
  MeasureFrames("no limit (2 ms), vsync", 120);
  MeasurePause();
  StopProgram();
}
