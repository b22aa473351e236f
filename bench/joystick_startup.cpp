// How long the joystick start-up adds to the program's start: SDL's joystick subsystem
// started and the attached devices opened, then stopped again, several times.
#include <SDL2/SDL.h>

#include <chrono>
#include <cstdio>

#include "BenchTimer.h"
#include "input/Joysticks.h"

int main() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  SDL_Init(SDL_INIT_EVENTS);
  const double ns = bench::NanosecondsPerOp(
      1,
      [](long) {
        zentoir::JoystickSet joysticks;
        joysticks.Start();
        bench::Keep(joysticks.Count());
      },
      5);
  std::printf("%-44s %9.2f ms\n", "joystick start-up and release", ns / 1e6);
  SDL_Quit();
}
