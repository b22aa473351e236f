// Real X input events (xdotool) reaching the runtime: mouse motion while the cursor is
// hidden, the shown cursor outside the window, and a word typed into the line editor.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "XServer.h"
#include "core/RuntimeContext.h"
#include "support/TempDir.h"
#include "zentoir.h"

namespace zentoir {
namespace {

class InputUnderXvfb : public ::testing::Test {
 protected:
  InputUnderXvfb() : server_(1024, 768) {}
  void SetUp() override {
    if (server_.Display().empty()) GTEST_SKIP() << "Xvfb could not be started";
    testing::UseDisplay(server_.Display());
  }

  std::string Output() const { return testing::ReadFileBytes(outputFile_); }

  bool WaitForOutput(const std::string& text, int seconds) const {
    return testing::WaitUntil([&] { return Output().find(text) != std::string::npos; }, seconds);
  }

  std::string XDo(const std::string& arguments) {
    return testing::XDoTool(server_.Display(), arguments);
  }

  testing::XServer server_;
  testing::ScopedTempDir tmp_;
  std::string outputFile_ = tmp_.Path() + "demo.out";
};

TEST_F(InputUnderXvfb, HiddenCursorMovesAndAWordIsTyped) {
  const pid_t pid =
      testing::StartProgram({ZENTOIR_INPUT_DEMO, "Input Demo"}, server_.Display(), outputFile_);
  ASSERT_GT(pid, 0);
  const std::string window = testing::FindWindow(server_.Display(), "^Input Demo$");
  ASSERT_FALSE(window.empty()) << Output();
  XDo("windowfocus " + window);
  ASSERT_TRUE(WaitForOutput("start ", 60)) << Output();

  testing::WaitUntil(
      [&] {
        XDo("mousemove_relative 30 20");
        return WaitForOutput("moved", 0.1);
      },
      60);
  const size_t moved = Output().find("moved ");
  ASSERT_NE(moved, std::string::npos) << Output();
  int dx = 0, dy = 0;
  ASSERT_EQ(std::sscanf(Output().c_str() + moved, "moved %d %d", &dx, &dy), 2);
  EXPECT_GT(dx, 0);
  EXPECT_GT(dy, 0);

  // One key per frame or so, once the line editor runs; the doubled letters are typed twice.
  ASSERT_TRUE(WaitForOutput("editing", 60)) << Output();
  XDo("type --delay 100 balloon");
  XDo("key Return");
  EXPECT_EQ(testing::WaitForExit(pid, 60), 0);
  EXPECT_NE(Output().find("typed [balloon]\n"), std::string::npos) << Output();
}

// Moves the pointer to a screen position, then runs frames until GetMouseState reports
// the expected position (or ten seconds pass) and prints what it reported last.
void MovePointerAndReport(int screenX, int screenY, int wantX, int wantY) {
  SDL_WarpMouseGlobal(screenX, screenY);
  double x = -1, y = -1, left = 0, right = 0;
  for (int frame = 0; frame < 1000 && !(x == wantX && y == wantY); ++frame) {
    PresentFrame();
    SleepMs(10);
    GetMouseState(x, y, left, right);
  }
  std::fprintf(stderr, "[%.0f %.0f]", x, y);
}

// With the cursor shown the position follows the pointer out of the window as well,
// held to the screen's edges.
TEST_F(InputUnderXvfb, ShownCursorFollowsThePointerOutOfTheWindow) {
  EXPECT_EXIT(
      {
        InitRuntime("", 1, "Pointer");
        ShowSystemCursor(1);
        int left = 0;
        int top = 0;
        SDL_GetWindowPosition(Runtime().mainWindow, &left, &top);
        MovePointerAndReport(left + 50, top + 60, 50, 60);
        MovePointerAndReport(left - 30, top + 70, 0, 70);       // left of the window
        MovePointerAndReport(left + 900, top + 650, 799, 599);  // beyond its far corner
        StopProgram();
      },
      ::testing::ExitedWithCode(0), "\\[50 60\\]\\[0 70\\]\\[799 599\\]");
}

}  // namespace
}  // namespace zentoir
