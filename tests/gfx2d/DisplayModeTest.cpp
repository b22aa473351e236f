// Display modes with the offscreen driver, which offers no full-screen mode.
#include <gtest/gtest.h>

#include <string>

#include "base/RuntimeContext.h"
#include "core/RuntimeChild.h"
#include "gfx2d/renderer/Renderer.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using ::testing::ExitedWithCode;

void Print(const char* label) {
  std::fprintf(stderr, "[%s]", label);
}

class DisplayMode : public ::testing::Test {
 protected:
  // The child starts a fresh program: this test program may already run the runtime.
  void SetUp() override {
    testing::UseHeadlessVideo();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
  }
  testing::ScopedTempDir tmp_;
};

TEST_F(DisplayMode, MissingFullScreenModeKeepsTheWindowAndLogsIt) {
  EXPECT_EXIT(
      {
        testing::StartRuntime();
        SetScreenMode(640, 480, 1);
        const OpenGLRadazuri& renderer = *Renderer();
        if (IsFullScreen() == 0 && renderer.Window() && Runtime().mainWindow == renderer.Window())
          Print("windowed");
        int w = 0;
        int h = 0;
        SDL_GetWindowSize(renderer.Window(), &w, &h);
        if (w == 640 && h == 480 && Settings().fullScreen == 1) Print("640x480");
        StopProgram();
      },
      ExitedWithCode(0), "\\[windowed\\]\\[640x480\\]");
  EXPECT_NE(
      testing::ReadFileBytes(tmp_.Path() + "ErrorLog.txt").find("No Fullscreen Mode available\r\n"),
      std::string::npos);
}

TEST_F(DisplayMode, KeepWindowedTurnsFullScreenRequestsIntoWindows) {
  EXPECT_EXIT(
      {
        testing::StartRuntime();
        SetKeepWindowed(1);
        SetScreenMode(512, 384, 1);
        int w = 0;
        int h = 0;
        SDL_GetWindowSize(Runtime().mainWindow, &w, &h);
        if (w == 512 && h == 384 && IsFullScreen() == 0) Print("kept windowed");
        StopProgram();
      },
      ExitedWithCode(0), "\\[kept windowed\\]");
  EXPECT_EQ(testing::ReadFileBytes(tmp_.Path() + "ErrorLog.txt").find("No Fullscreen"),
            std::string::npos);
}

TEST_F(DisplayMode, BadSizesKeepTheStoredSize) {
  EXPECT_EXIT(
      {
        testing::StartRuntime();
        SetScreenMode(-5, 0, 0);
        const OpenGLRadazuri& renderer = *Renderer();
        if (renderer.ScreenWidth() == 800 && renderer.ScreenHeight() == 600) Print("kept");
        StopProgram();
      },
      ExitedWithCode(0), "\\[kept\\]");
}

}  // namespace
}  // namespace zentoir
