// The real Pindrake under Xvfb, with a fixed sequence of boards: the test knows each
// board from the game's own rules, clicks with real X mouse events and checks what the
// game shows and stores.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "Board.h"
#include "Entry.h"
#include "GameState.h"
#include "Widgets.h"
#include "XServer.h"
#include "gfx2d/ImageBuffer.h"
#include "gfx2d/OpenGLRadazuri.h"
#include "gfx2d/PngReader.h"
#include "support/TempDir.h"

namespace pindrake {
namespace {

namespace fs = std::filesystem;
using zentoir::testing::ScopedTempDir;
using zentoir::testing::XServer;

constexpr double kSeed = 7;

void Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// The cells of the group at (c, r) on the test's copy of the board.
std::vector<std::pair<double, double>> GroupAt(double c, double r) {
  std::vector<std::pair<double, double>> group{{c, r}}, open{{c, r}};
  const double colour = Cell(c, r).balloon;
  auto seen = [&](double x, double y) {
    for (const auto& cell : group) {
      if (cell.first == x && cell.second == y) return true;
    }
    return false;
  };
  while (!open.empty()) {
    const auto [x, y] = open.back();
    open.pop_back();
    const double next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
    for (const auto& n : next) {
      if (Cell(n[0], n[1]).balloon == colour && !seen(n[0], n[1])) {
        group.push_back({n[0], n[1]});
        open.push_back({n[0], n[1]});
      }
    }
  }
  return group;
}

// The largest group on the test's board, found column by column; false when none is left.
bool LargestGroup(double& column, double& row, double& size) {
  size = 0;
  for (double c = 1; c <= 9; ++c) {
    for (double r = 1; r <= 11; ++r) {
      if (Cell(c, r).balloon == 0 || HasSameNeighbour(c, r) == 0) continue;
      const double n = double(GroupAt(c, r).size());
      if (n > size) size = n, column = c, row = r;
    }
  }
  return size > 0;
}

// Bursts a group on the test's board by the game's rules (without its frames and sounds).
void BurstOnTestBoard(double c, double r) {
  for (const auto& [x, y] : GroupAt(c, r))
    Cell(x, y).balloon = 0;
  LiftBalloons();
  CloseEmptyColumns();
}

class Gameplay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(x_.Display().empty()) << "Xvfb did not start";
    fs::copy_file(PINDRAKE_PROGRAM, dir_.Path() + "Pindrake");
    fs::permissions(dir_.Path() + "Pindrake", fs::perms::owner_all);
    ASSERT_EQ(chdir(dir_.Path().c_str()), 0);
    testing::ResetGame();
    SeedBoards(kSeed);
    NewGame();  // the same first board the game makes
  }
  void TearDown() override {
    if (pid_ > 0) zentoir::testing::WaitForExit(pid_, 0);
  }

  void StartGame() {
    zentoir::testing::UseDisplay(x_.Display());  // the game itself runs on the X server
    pid_ = zentoir::testing::StartProgram({dir_.Path() + "Pindrake", "--windowed", "--seed", "7"},
                                          x_.Display(), dir_.Path() + "out.txt");
    setenv("SDL_VIDEODRIVER", "offscreen", 1);  // references drawn here stay headless
    ASSERT_GT(pid_, 0);
    for (int i = 0; i < 100 && window_.empty(); ++i) {
      Pause(100);
      window_ = zentoir::testing::XDoTool(x_.Display(), "search --name '^Pindrake'");
    }
    ASSERT_FALSE(window_.empty()) << zentoir::testing::ReadFileBytes(dir_.Path() + "out.txt");
    Pause(1500);  // the title screen is up
  }

  void X(const std::string& arguments) { zentoir::testing::XDoTool(x_.Display(), arguments); }

  // Moves the game's pointer to a screen position: first into the top-left corner, where
  // the game clamps it, then by the distance.
  void MoveTo(double x, double y) {
    X("mousemove --window " + window_ + " 320 240");
    Pause(60);
    for (int i = 0; i < 4; ++i) {
      X("mousemove_relative -- -300 -300");
      Pause(60);
    }
    X("mousemove_relative -- " + std::to_string(int(x)) + " " + std::to_string(int(y)));
    Pause(150);
  }

  void ClickAt(double x, double y) {
    MoveTo(x, y);
    X("mousedown 1");
    Pause(150);
    X("mouseup 1");
    Pause(100);
  }

  void ClickCell(double c, double r) {
    ClickAt(boardLeft + (c - 1) * 40 + 20, boardTop + (r - 1) * 40 + 20);
  }

  void LeaveTitleScreen() {
    ClickAt(320, 240);
    Pause(7000);  // the board rises and settles
  }

  ScopedTempDir dir_;
  XServer x_{800, 600};
  pid_t pid_ = -1;
  std::string window_;
};

// The points counter as the game draws it, rendered here with the game's own data.
std::vector<uint8_t> RenderPointsCounter(double value) {
  static bool started = false;
  if (!started) {
    started = true;
    zentoir::Settings().screenWidth = 640;
    zentoir::Settings().screenHeight = 480;
    zentoir::InitRuntime("", 1, "Reference");
    zentoir::SetResourceArchives(PINDRAKE_PROGRAM, PINDRAKE_PROGRAM);
    lastSpriteNumber = 1000;
    LoadFonts();
    LoadImages();
  }
  zentoir::SetAlphaMode(-0.999);
  TileSprite(cloudsSprite);
  DrawBevelFrame(4, 52, 92, 55, 0);
  PrintShadowed("Points", 50, 64, 4, 29, 2);
  PrintShadowed(zentoir::NumberToText(value), 50, 90, 4, 29, 2);
  std::vector<uint8_t> rgba(640 * 480 * 4);
  zentoir::Runtime().renderer->quadBatch.Flush();  // the pixels are read directly
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  return rgba;
}

// Pixels of the counter box that differ between the screenshot and a rendering.
int CounterDifferences(const zentoir::ImageBuffer& shot, const std::vector<uint8_t>& rendered) {
  int differing = 0;
  for (int y = 75; y < 105; ++y) {
    for (int x = 8; x < 92; ++x) {
      const uint8_t* a = shot.PixelAt(x, y);
      const uint8_t* b = &rendered[size_t((479 - y) * 640 + x) * 4];  // GL rows bottom-up
      for (int k = 0; k < 3; ++k) {
        if (std::abs(int(a[k]) - int(b[k])) > 24) {
          ++differing;
          break;
        }
      }
    }
  }
  return differing;
}

TEST_F(Gameplay, ABurstGroupScoresOnTheScreen) {
  StartGame();
  LeaveTitleScreen();
  double c = 0, r = 0, size = 0;
  ASSERT_TRUE(LargestGroup(c, r, size));
  ClickCell(c, r);
  Pause(int(size) * 222 + 2500);
  X("key --window " + window_ + " s");  // S saves the latest screen copy
  Pause(500);
  zentoir::ImageBuffer shot;
  ASSERT_TRUE(zentoir::ReadPngFile(dir_.Path() + "ScreenShot.png", -1, shot))
      << zentoir::testing::ReadFileBytes(dir_.Path() + "out.txt");
  ASSERT_EQ(shot.width, 640);
  const int right = CounterDifferences(shot, RenderPointsCounter(size - 1));
  const int wrong = CounterDifferences(shot, RenderPointsCounter(size));
  EXPECT_LT(right, 30) << "the counter does not show " << size - 1;
  EXPECT_GT(wrong, right + 20);
}

TEST_F(Gameplay, AFinishedGameTakesANameOfAtMostTwentyIntoScoreDat) {
  StartGame();
  LeaveTitleScreen();
  double c = 0, r = 0, size = 0, expected = 0;
  while (LargestGroup(c, r, size)) {
    ClickCell(c, r);
    BurstOnTestBoard(c, r);
    expected += size - 1;
    Pause(int(size) * 222 + 1500);
  }
  Pause(3500);  // 1.5 s of a settled board without moves, then the dialog
  // The dialog starts its pointer at (320, 340), over its "OK" button.
  X("mousedown 1");
  Pause(200);
  X("mouseup 1");
  Pause(1000);
  // 21 characters are refused with a dialog, and the name is offered again.
  X("type --delay 150 Abcdefghijklmnopqrstu");
  X("key Return");
  Pause(1500);
  X("mousedown 1");  // "OK" of "Nicht mehr als 20 Zeichen."
  Pause(200);
  X("mouseup 1");
  Pause(1000);
  X("key BackSpace");  // 20 characters are taken
  Pause(300);
  X("key Return");
  Pause(1500);
  const std::string name = "Abcdefghijklmnopqrst";
  const std::string scores = zentoir::testing::ReadFileBytes(dir_.Path() + "Score.dat");
  ASSERT_EQ(scores.size(), 80u + name.size())
      << zentoir::testing::ReadFileBytes(dir_.Path() + "out.txt");
  const std::string record = {char(int(expected) & 0xFF), char(int(expected) >> 8)};
  EXPECT_EQ(scores.substr(0, 24), record + name + "\r\n");
}

}  // namespace
}  // namespace pindrake
