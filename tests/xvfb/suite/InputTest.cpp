// Real X input events (xdotool) reaching the runtime: mouse motion while the cursor is
// hidden, and a word typed into the line editor.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "XServer.h"
#include "support/TempDir.h"

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

}  // namespace
}  // namespace zentoir
