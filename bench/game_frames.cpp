// Pindrake's start-up time, from process start to the first title-screen frame, and the
// processor time one frame of the title screen (full of balloons) and of the board screen
// takes, through shaders and on the fixed-function pipeline.
#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <time.h>

#include <algorithm>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Board.h"
#include "Entry.h"
#include "Globals.h"
#include "HighScores.h"
#include "Screens.h"
#include "Widgets.h"
#include "base/RuntimeContext.h"
#include "gfx2d/gl/DrawBackend.h"
#include "gfx2d/renderer/Renderer.h"
#include "zentoir.h"

using namespace pindrake;

namespace {

double ProcessSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

constexpr int kFrames = 200;
constexpr int kRounds = 3;

struct Cost {
  double processorMs = 1e30, wallMs = 1e30;
  void KeepBest(const Cost& other) {
    processorMs = std::min(processorMs, other.processorMs);
    wallMs = std::min(wallMs, other.wallMs);
  }
};

template <typename Frame>
Cost Measure(Frame&& frame) {
  const double before = ProcessSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  for (int i = 0; i < kFrames; ++i)
    frame();
  const double cpu = (ProcessSeconds() - before) / kFrames * 1000;
  const double wall =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallBefore)
          .count() /
      kFrames;
  return {cpu, wall};
}

void EndBareFrame() {
  zentoir::Renderer()->ForgetGLState();
  SDL_GL_SwapWindow(zentoir::Runtime().mainWindow);
  glClear(GL_COLOR_BUFFER_BIT);
  glFinish();
}

// What the title screen's parts cost on their own, each followed by a bare swap.
void TitleScreenParts(NumberArray& floaters) {
  Cost sky, balloons, table, bare;
  for (int round = 0; round < kRounds; ++round) {
    sky.KeepBest(Measure([] {
      zentoir::SetAlphaMode(0);
      TileSprite(cloudsSprite);
      EndBareFrame();
    }));
    balloons.KeepBest(Measure([&] {
      zentoir::SetAlphaMode(-0.75);
      for (double i = 0; i < zentoir::ArrayBound(floaters, 0); ++i)
        zentoir::DrawSprite(zentoir::ElementAt(floaters, i, 0), zentoir::ElementAt(floaters, i, 1),
                            zentoir::ElementAt(floaters, i, 2));
      EndBareFrame();
    }));
    table.KeepBest(Measure([] {
      zentoir::SetAlphaMode(-0.75);
      DrawHighScores();
      EndBareFrame();
    }));
    bare.KeepBest(Measure(EndBareFrame));
  }
  std::printf(
      "  its parts: the sky %.2f, the balloons %.2f, the high-score table %.2f, a bare"
      " swap %.2f\n",
      sky.processorMs, balloons.processorMs, table.processorMs, bare.processorMs);
}

}  // namespace

int main() {
  const auto start = std::chrono::steady_clock::now();
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("ZENTOIR_NO_MESSAGE_BOX", "1", 1);
  setenv("ZENTOIR_WINDOWED", "1", 1);
  zentoir::InitRuntime("", 1, "Pindrake");
  // The game names its archive "Pindrake" in the current folder: the packed game's.
  const std::string program = PINDRAKE_PROGRAM;
  zentoir::ChangeDirectory(program.substr(0, program.rfind('/')).c_str());
  LoadGame();
  NumberArray floaters;
  double lastSpawn = 0;
  TitleScreenFrame(floaters, lastSpawn);
  const double startup =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("Start-up to the first title-screen frame: %.0f ms (%s)\n", startup,
              "offscreen, software OpenGL, data from the packed executable");

  zentoir::OpenGLRadazuri& renderer = *zentoir::Renderer();
  // The title screen as a player who waits sees it: a balloon rises every second, up to
  // a hundred.
  for (int i = 0; i < 100; ++i) {
    lastSpawn = -1e9;
    TitleScreenFrame(floaters, lastSpawn);
  }
  auto titleFrame = [&] {
    TitleScreenFrame(floaters, lastSpawn);
    glFinish();
  };
  Cost title, titleFixed;
  for (int round = 0; round < kRounds; ++round) {
    title.KeepBest(Measure(titleFrame));
    renderer.UseDrawBackend(zentoir::DrawBackendKind::FixedFunction);
    titleFixed.KeepBest(Measure(titleFrame));
    renderer.UseDrawBackend(zentoir::DrawBackendKind::Shaders);
  }
  // The limit: 40 % of one core at the 60 frames a second the title screen is paced at.
  const double titleLimitMs = 0.4 * 1000 / 60;
  std::printf("Title screen, %d balloons, per frame (processor ms, wall ms):\n",
              int(zentoir::ArrayBound(floaters, 0)));
  std::printf(
      "  through shaders           %6.2f  %6.2f   %.0f %% of a core at 60 a second"
      " (limit %.2f ms, 40 %%): %.2f x the limit\n",
      title.processorMs, title.wallMs, title.processorMs * 6, titleLimitMs,
      title.processorMs / titleLimitMs);
  std::printf("  fixed-function pipeline   %6.2f  %6.2f   %.0f %% of a core at 60 a second\n",
              titleFixed.processorMs, titleFixed.wallMs, titleFixed.processorMs * 6);
  TitleScreenParts(floaters);

  zentoir::StopMusic();
  NewGame();
  riseSpeed = 200;
  // The board screen with and without the quad batch and the fragment shortcuts, beside the least a
  // frame costs: a bare clear and swap. They take turns; each keeps its best round. Every frame
  // ends with glFinish, so the frame's rendering is counted, not just queued.
  auto boardFrame = [] {
    RunFrame();
    glFinish();
  };
  auto endFrame = EndBareFrame;
  Cost batched, fullState, unbatched, background, bare;
  for (int round = 0; round < kRounds; ++round) {
    renderer.SetBatching(true);
    batched.KeepBest(Measure(boardFrame));
    renderer.SetFragmentShortcuts(false);
    fullState.KeepBest(Measure(boardFrame));
    renderer.SetFragmentShortcuts(true);
    renderer.SetBatching(false);
    unbatched.KeepBest(Measure(boardFrame));
    renderer.SetBatching(true);
    background.KeepBest(Measure([&] {  // the least the board draws: its sky
      zentoir::SetAlphaMode(-0.999);
      TileSprite(cloudsSprite);
      endFrame();
    }));
    bare.KeepBest(Measure(endFrame));
  }
  std::printf("Per frame, best of %d rounds of %d frames (processor ms, wall ms):\n", kRounds,
              kFrames);
  std::printf("  board screen, batched     %6.2f  %6.2f   processor %.2f x the bare frame\n",
              batched.processorMs, batched.wallMs, batched.processorMs / bare.processorMs);
  std::printf("  batched, no shortcuts     %6.2f  %6.2f   processor %.2f x the bare frame\n",
              fullState.processorMs, fullState.wallMs, fullState.processorMs / bare.processorMs);
  std::printf("  board screen, unbatched   %6.2f  %6.2f   processor %.2f x the bare frame\n",
              unbatched.processorMs, unbatched.wallMs, unbatched.processorMs / bare.processorMs);
  std::printf("  the sky alone             %6.2f  %6.2f   processor %.2f x the bare frame\n",
              background.processorMs, background.wallMs, background.processorMs / bare.processorMs);
  std::printf("  bare clear and swap       %6.2f  %6.2f\n", bare.processorMs, bare.wallMs);
  std::fflush(stdout);
  std::_Exit(0);
}
