// The window under a real X server: display-mode switches with a live texture, and the
// frame-loop program ended by keys and the close button, paused by losing the focus.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "XServer.h"
#include "support/TempDir.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using ::testing::ExitedWithCode;

class UnderXvfb : public ::testing::Test {
 protected:
  // A 640 × 480 screen, so that the full-screen mode exists.
  UnderXvfb() : server_(640, 480) {}
  void SetUp() override {
    if (server_.Display().empty()) GTEST_SKIP() << "Xvfb could not be started";
    testing::UseDisplay(server_.Display());
  }

  std::string Output() const { return testing::ReadFileBytes(outputFile_); }

  // Starts the demo program and waits for its window; returns the window id ("" if none).
  // A demo that the loaded X server refused a GL window is started once more, its reason
  // kept in the test's log, so that one refusal does not hide what the test checks.
  std::string StartDemo(const std::string& title, pid_t& pid) {
    for (int attempt = 0; attempt < 2; ++attempt) {
      pid = testing::StartProgram({ZENTOIR_WINDOW_DEMO, title}, server_.Display(), outputFile_);
      if (pid <= 0) return "";
      int code = 0;
      bool ended = false;
      const std::string window = testing::FindWindow(server_.Display(), "^" + title + "$", 60, [&] {
        return ended = testing::HasExited(pid, code);
      });
      if (!ended) return window;  // "" when it is still running without one
      std::fprintf(stderr, "The demo ended before its window showed: %s", Output().c_str());
    }
    return "";
  }

  // Starts the demo, waits until its start-up is over (its window shows before that, and
  // a key pressed meanwhile ends it there), gives it the focus and holds the keys down
  // until it ends (a slow frame must not miss a press that was already released); the
  // demo's exit code.
  int ExitCodeAfterKeys(const std::string& title, const std::string& keys) {
    pid_t pid;
    const std::string window = StartDemo(title, pid);
    if (window.empty()) return -2;
    int code = -3;
    testing::WaitUntil(
        [&] {
          return Output().find("Init OK\n") != std::string::npos || testing::HasExited(pid, code);
        },
        60);
    if (code != -3) return code;  // ended before the keys
    testing::WaitUntil(
        [&] {
          Focus(window);
          testing::XDoTool(server_.Display(), "keydown " + keys);
          const bool ended = testing::WaitUntil([&] { return testing::HasExited(pid, code); }, 1);
          testing::XDoTool(server_.Display(), "keyup " + keys);
          return ended;
        },
        60);
    return code == -3 ? testing::WaitForExit(pid, 1) : code;
  }

  void Focus(const std::string& window) {
    testing::XDoTool(server_.Display(), "windowfocus " + window);
  }

  testing::XServer server_;
  testing::ScopedTempDir tmp_;
  std::string outputFile_ = tmp_.Path() + "demo.out";
};

// Draws the texture over the whole back buffer and reads back its centre pixel.
bool TextureShowsRed(GLuint texture, int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex2f(-1, -1);
  glTexCoord2f(1, 0), glVertex2f(1, -1);
  glTexCoord2f(1, 1), glVertex2f(1, 1);
  glTexCoord2f(0, 1), glVertex2f(-1, 1);
  glEnd();
  glDisable(GL_TEXTURE_2D);
  unsigned char pixel[4] = {};
  glReadBuffer(GL_BACK);
  glReadPixels(width / 2, height / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  return glIsTexture(texture) && pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 0;
}

GLuint MakeRedTexture() {
  const unsigned char red[2 * 2 * 4] = {255, 0, 0, 255, 255, 0, 0, 255,
                                        255, 0, 0, 255, 255, 0, 0, 255};
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, red);
  return texture;
}

void Print(const char* label) {
  std::fprintf(stderr, "[%s]", label);
}

TEST_F(UnderXvfb, TextureStaysDrawableThroughFullScreenAndBack) {
  EXPECT_EXIT(
      {
        InitRuntime("", 1, "Modes");
        const GLuint texture = MakeRedTexture();
        if (TextureShowsRed(texture, 800, 600)) Print("windowed");
        SetScreenMode(640, 480, 1);
        if (IsFullScreen() == 1 && TextureShowsRed(texture, 640, 480)) Print("full screen");
        SetScreenMode(800, 600, 0);
        if (IsFullScreen() == 0 && TextureShowsRed(texture, 800, 600)) Print("windowed again");
        StopProgram();
      },
      ExitedWithCode(0), "\\[windowed\\]\\[full screen\\]\\[windowed again\\]");
}

TEST_F(UnderXvfb, EscapeEndsTheProgramWithCodeZero) {
  EXPECT_EQ(ExitCodeAfterKeys("Esc Demo", "Escape"), 0) << Output();
  EXPECT_NE(Output().find("Init OK\n"), std::string::npos);
}

TEST_F(UnderXvfb, AltF4EndsTheProgramWithCodeZero) {
  EXPECT_EQ(ExitCodeAfterKeys("AltF4 Demo", "alt+F4"), 0) << Output();
}

TEST_F(UnderXvfb, CloseButtonEndsTheProgramWithCodeZero) {
  pid_t pid;
  const std::string window = StartDemo("Close Demo", pid);
  ASSERT_FALSE(window.empty()) << Output();
  ASSERT_TRUE(testing::SendCloseRequest(server_.Display(), std::stoul(window)));
  EXPECT_EQ(testing::WaitForExit(pid, 60), 0);
}

TEST_F(UnderXvfb, TitleShowsPauseWhileAnotherWindowHasTheFocus) {
  pid_t game;
  pid_t other;
  const std::string gameWindow = StartDemo("Game", game);
  const std::string otherWindow = StartDemo("Other", other);
  ASSERT_FALSE(gameWindow.empty());
  ASSERT_FALSE(otherWindow.empty());
  // The title changes when the game dispatches the focus event; wait for it.
  std::string title;
  auto titleBecomes = [&](const std::string& wanted, const std::string& focus) {
    return testing::WaitUntil(
        [&] {
          Focus(focus);
          title = testing::XDoTool(server_.Display(), "getwindowname " + gameWindow);
          return title == wanted;
        },
        60);
  };
  Focus(gameWindow);
  EXPECT_TRUE(titleBecomes("Game <pause>", otherWindow)) << title;
  EXPECT_TRUE(titleBecomes("Game", gameWindow)) << title;
  ASSERT_TRUE(testing::SendCloseRequest(server_.Display(), std::stoul(otherWindow)));
  ASSERT_TRUE(testing::SendCloseRequest(server_.Display(), std::stoul(gameWindow)));
  EXPECT_EQ(testing::WaitForExit(other, 60), 0);
  EXPECT_EQ(testing::WaitForExit(game, 60), 0);
}

// The processes whose parent is this test program.
// The children of a process, over all its threads.
std::set<pid_t> ChildrenOf(const std::string& process) {
  std::set<pid_t> children;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator(process + "/task", error)) {
    std::ifstream file(task.path() / "children");
    for (pid_t pid; file >> pid;)
      children.insert(pid);
  }
  return children;
}

std::set<pid_t> OwnChildren() {
  return ChildrenOf("/proc/self");
}

// Xvfb renders OpenGL in software, so the demo shows the warning box. SDL draws it in a
// process of its own: a child drawing with X fonts where the server has them, else a
// "zenity" process, for which a stand-in found first on the path records that it was
// started and waits. Whatever the box needs must end with the program: the demo's
// orphans come back to this test, which adopts them while it runs.
TEST_F(UnderXvfb, SoftwareWarningBoxClosesWithTheProgram) {
  const std::string started = tmp_.Path() + "box-started";
  ASSERT_TRUE(testing::WriteFileBytes(tmp_.Path() + "zenity",
                                      "#!/bin/sh\necho box > '" + started + "'\nexec sleep 300\n"));
  chmod((tmp_.Path() + "zenity").c_str(), 0755);
  const std::string path = std::getenv("PATH");
  setenv("PATH", (tmp_.Path() + ":" + path).c_str(), 1);
  unsetenv("ZENTOIR_NO_MESSAGE_BOX");
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  const std::set<pid_t> before = OwnChildren();
  pid_t pid;
  const std::string window = StartDemo("Warned", pid);
  setenv("PATH", path.c_str(), 1);
  ASSERT_FALSE(window.empty()) << Output();
  const std::string demo = "/proc/" + std::to_string(pid);
  EXPECT_TRUE(testing::WaitUntil(
      [&] { return std::filesystem::exists(started) || !ChildrenOf(demo).empty(); }, 60))
      << "no warning box was started\n"
      << Output();
  ASSERT_TRUE(testing::SendCloseRequest(server_.Display(), std::stoul(window)));
  EXPECT_EQ(testing::WaitForExit(pid, 20), 0) << Output();

  std::set<pid_t> left;
  for (pid_t child : OwnChildren()) {
    if (!before.count(child)) left.insert(child);
  }
  for (pid_t child : left) {  // the test's own clean-up: end what the demo left behind
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  prctl(PR_SET_CHILD_SUBREAPER, 0);
  EXPECT_TRUE(left.empty()) << left.size() << " process(es) outlived the program";
}

}  // namespace
}  // namespace zentoir
