// Pindrake's start-up time, from process start to the first title-screen frame, and the
// processor time one frame of the board screen takes.
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Board.h"
#include "Entry.h"
#include "Globals.h"
#include "Screens.h"

using namespace pindrake;

namespace {

double ProcessSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
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

  zentoir::StopMusic();
  NewGame();
  riseSpeed = 200;
  constexpr int kFrames = 300;
  const double before = ProcessSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  for (int i = 0; i < kFrames; ++i)
    RunFrame();
  const double cpu = (ProcessSeconds() - before) / kFrames * 1000;
  const double wall =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallBefore)
          .count() /
      kFrames;
  std::printf("Board screen: %.2f ms processor time per frame (%.2f ms wall), %d frames\n", cpu,
              wall, kFrames);
  std::fflush(stdout);
  std::_Exit(0);
}
