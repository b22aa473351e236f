// Input tests: the runtime is started once per test program on SDL's offscreen driver;
// each test pushes SDL events as the window system would send them and reads them back
// through the runtime's commands.
#pragma once

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <set>

namespace zentoir::testing {

class InputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Key events; text is the character the key types (UTF-8), sent right after it.
  void Press(SDL_Scancode key, const char* text = nullptr);
  void Repeat(SDL_Scancode key, const char* text = nullptr);
  void Release(SDL_Scancode key);
  void Motion(int xrel, int yrel, int x = 0, int y = 0);
  void Button(Uint8 button, bool down);
  void Wheel(int y);

  // One frame: the events pushed so far arrive within it.
  static void Frame();

 private:
  void PushKey(SDL_Scancode key, bool down, bool repeat, const char* text);
  std::set<SDL_Scancode> held_;
  std::set<Uint8> buttons_;
};

}  // namespace zentoir::testing
