// Movie tests: the runtime runs once per test program in a 640 × 480 window on SDL's
// offscreen driver; each test makes its movies in its own folder and plays them. The
// test hooks give a movie a clock the test steps and let it look at each picture drawn.
#pragma once

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "support/MovieMaker.h"
#include "support/TempDir.h"

namespace zentoir::testing {

using Colour = std::array<int, 3>;

// One picture as drawn: the movie time and the colours at the probe points.
struct Seen {
  double seconds = 0;
  std::vector<Colour> colours;
  // The frame seen at probe i; -1 for black or an unknown colour.
  int Frame(size_t i = 0) const;
  bool Black(size_t i) const { return colours[i] == Colour{0, 0, 0}; }
};

class MovieTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // A key or left mouse button event of the main window.
  static SDL_Event KeyEvent(SDL_Scancode key, bool down);
  static SDL_Event ButtonEvent(bool down);

  // Makes a movie in the test's folder and returns its path.
  std::string Make(const std::string& name, const MovieRecipe& recipe);

  // Plays with the movie clock stepped by `step` seconds at each reading (0: the real
  // clock), recording the probes' colours for every picture drawn; before the picture
  // numbered pushAt_ (from 0) is recorded, push_ is pushed.
  double Play(const std::string& path, double loop, double step);

  static inline std::unique_ptr<ScopedTempDir> suiteDir_;
  ScopedTempDir dir_;
  std::vector<std::array<int, 2>> probes_{{320, 240}};  // x, y from the top left
  std::vector<Seen> seen_;
  int pushAt_ = -1;
  SDL_Event push_{};
};

}  // namespace zentoir::testing
