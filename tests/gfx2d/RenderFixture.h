// Headless rendering tests: the runtime is started once per test program on SDL's
// offscreen driver; each test draws into the back buffer and reads the pixels back.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ImageFiles.h"
#include "support/TempDir.h"

namespace zentoir::testing {

using Pixel = std::array<int, 3>;

class RenderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;

  // Writes an image file into the test's folder and returns its path.
  std::string WriteImage(const std::string& name, const std::vector<uint8_t>& bytes);
  // A solid-colour 24-bit bitmap of the given size.
  std::string SolidBmp(const std::string& name, int w, int h, Rgb colour);
  // The colour of screen pixel (x, y), y counted from the top.
  Pixel At(int x, int y) const;
  // The screen's pixels in one block, for scanning.
  std::vector<Pixel> Row(int y, int fromX, int toX) const;

  ScopedTempDir dir_;
};

}  // namespace zentoir::testing
