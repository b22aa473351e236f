// The real Pindrake under Xvfb, with a fixed sequence of boards: the test reads each
// settled board from the screen, plays it by the game's own rules with real X mouse and
// key events, and checks what the game shows and stores.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_set>
#include <vector>

#include "Board.h"
#include "Entry.h"
#include "GameState.h"
#include "HighScores.h"
#include "Widgets.h"
#include "XServer.h"
#include "base/RuntimeContext.h"
#include "gfx2d/image/ImageBuffer.h"
#include "gfx2d/image/ImageFile.h"
#include "gfx2d/renderer/Renderer.h"
#include "support/TempDir.h"

namespace pindrake {
namespace {

namespace fs = std::filesystem;
using zentoir::testing::ScopedTempDir;
using zentoir::testing::XServer;

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

// Screen positions of the game's buttons and the dialog's.
struct Button {
  double x, y, w, h;
};
constexpr Button kNewGameButton{590, 150, 70, 45};
constexpr Button kHighscoreButton{590, 218, 75, 25};
constexpr Button kEndButton{590, 275, 60, 25};
constexpr Button kBackButton{320, 25, 75, 25};
constexpr Button kOkButton{320, 326, 60, 36};
constexpr Button kYesButton{270, 326, 60, 36};
constexpr Button kNoButton{370, 326, 60, 36};

bool Reddish(const uint8_t* p) {
  return p[0] > 200 && p[1] > 50 && p[1] < 170 && p[2] < 150;
}
bool Bluish(const uint8_t* p) {
  return p[0] < 120 && p[1] > 110 && p[1] < 210 && p[2] > 160;
}
// The balloon whose body has this colour (its left side, away from the mark and the
// gloss), or 0 for the sky of an empty cell.
double BalloonOfColour(const uint8_t* p) {
  using namespace testing;
  if (p[2] > 150 && p[0] < 90) return kBlue;
  if (p[0] > 150 && p[1] < 90) return kRed;
  if (p[1] > 120 && p[0] < 90 && p[2] < 120) return kGreen;
  if (p[0] > 180 && p[1] > 150 && p[2] < 90) return kYellow;
  return 0;
}

// The wall's bricks: red well above blue, unlike the sky.
bool Bricky(const uint8_t* p) {
  return p[0] > 90 && p[0] > p[2] + 40;
}

// Pixels of the rectangle for which the test holds.
int Count(const zentoir::testing::WindowPixels& screen, int x0, int y0, int x1, int y1,
          bool (*test)(const uint8_t*)) {
  int n = 0;
  for (int y = y0; y < y1 && y < screen.height; ++y) {
    for (int x = x0; x < x1 && x < screen.width; ++x)
      n += test(screen.At(x, y));
  }
  return n;
}

// Whether the rectangle looks the same in both captures.
bool SameArea(const zentoir::testing::WindowPixels& a, const zentoir::testing::WindowPixels& b,
              const Button& area) {
  if (a.width != b.width || a.height != b.height || a.width == 0) return false;
  for (int y = int(area.y - area.h / 2); y <= int(area.y + area.h / 2); ++y) {
    for (int x = int(area.x - area.w / 2); x <= int(area.x + area.w / 2); ++x) {
      if (std::memcmp(a.At(x, y), b.At(x, y), 3) != 0) return false;
    }
  }
  return true;
}

// With PINDRAKE_WINDOWS_PROGRAM naming a Pindrake.exe, the same tests play the Windows
// game under Wine, in the prefix the caller has made.
const char* WindowsProgram() {
  return std::getenv("PINDRAKE_WINDOWS_PROGRAM");
}
// The game the tests play, as it was built, and its name in a test's folder.
const char* BuiltGame() {
  return WindowsProgram() ? WindowsProgram() : PINDRAKE_PROGRAM;
}
std::string GameFileName() {
  return WindowsProgram() ? "Pindrake.exe" : "Pindrake";
}
std::vector<std::string> GameCommand(const std::string& program) {
  if (WindowsProgram()) return {"wine", program};
  return {program};
}

// Every wait polls what the game shows, with limits far above what it needs, so a slow
// or loaded machine makes the test slower, not wrong.
constexpr double kLongWait = 120;

class Gameplay : public ::testing::Test {
 protected:
  Gameplay(int displayWidth = 800, int displayHeight = 600) : x_(displayWidth, displayHeight) {}
  void SetUp() override {
    ASSERT_FALSE(x_.Display().empty()) << "Xvfb did not start";
    fs::copy_file(BuiltGame(), Program());
    fs::permissions(Program(), fs::perms::owner_all);
    ASSERT_EQ(chdir(dir_.Path().c_str()), 0);
    testing::ResetGame();  // the board's place on the screen; its balloons are read there
  }
  void TearDown() override {
    if (pid_ > 0 && !ended_) zentoir::testing::WaitForExit(pid_, 0);
  }

  std::string Program() const { return dir_.Path() + GameFileName(); }
  std::string Log() const { return zentoir::testing::ReadFileBytes(dir_.Path() + "out.txt"); }

  void StartGame(const std::vector<std::string>& options = {"--windowed", "--seed", "7"}) {
    StartProgram(options);
    window_ = zentoir::testing::FindWindow(x_.Display(), "^Pindrake", kLongWait);
    ASSERT_FALSE(window_.empty()) << Log();
    // The title screen is up once the sky covers most of the window.
    ASSERT_TRUE(Until([&](const auto& s) { return Count(s, 0, 0, 640, 480, Bluish) > 60000; }))
        << Log();
  }

  void StartProgram(const std::vector<std::string>& options) {
    zentoir::testing::UseDisplay(x_.Display());  // the game itself runs on the X server
    if (WindowsProgram()) setenv("SDL_VIDEODRIVER", "windows", 1);  // Wine's, on that server
    std::vector<std::string> argv = GameCommand(Program());
    argv.insert(argv.end(), options.begin(), options.end());
    pid_ = zentoir::testing::StartProgram(argv, x_.Display(), dir_.Path() + "out.txt");
    setenv("SDL_VIDEODRIVER", "offscreen", 1);  // references drawn here stay headless
    ASSERT_GT(pid_, 0);
    ended_ = false;
  }

  // Ends with the program's exit code (-1 when it had to be killed).
  int WaitForEnd() {
    ended_ = true;
    return zentoir::testing::WaitForExit(pid_, int(kLongWait));
  }

  zentoir::testing::WindowPixels Screen() const {
    return zentoir::testing::CaptureWindow(x_.Display(), window_);
  }

  // Polls the window until the condition holds of what it shows.
  template <typename Condition>
  bool Until(Condition condition, double seconds = kLongWait) {
    return zentoir::testing::WaitUntil([&] { return condition(Screen()); }, seconds);
  }

  // Waits until the window has shown no new picture for 0.7 s: balloons settled, pops
  // done, the pointer drawn where the game has put it. A picture shown before in this
  // wait counts as still, since the frame that takes the game's screen copy (every tenth
  // of a second) draws the pointer without blending: a still screen shows two pictures.
  void WaitForStillScreen() {
    std::unordered_set<std::string_view::size_type> seen;
    auto since = std::chrono::steady_clock::now();
    const bool still = zentoir::testing::WaitUntil(
        [&] {
          const auto now = Screen();
          const std::string_view bytes(reinterpret_cast<const char*>(now.rgb.data()),
                                       now.rgb.size());
          if (seen.insert(std::hash<std::string_view>{}(bytes)).second)
            since = std::chrono::steady_clock::now();
          return std::chrono::steady_clock::now() - since > std::chrono::milliseconds(700);
        },
        kLongWait);
    ASSERT_TRUE(still) << "the game never settled";
  }

  // The dialog's box is plain red beside its buttons, where the board shows balloons
  // with sky between them.
  static bool DialogShown(const zentoir::testing::WindowPixels& s) {
    return Count(s, 150, 305, 230, 345, Reddish) > 3100 &&
           Count(s, 410, 305, 490, 345, Reddish) > 3100;
  }

  // The board screen has the wall left of the board, the other screens have sky there;
  // in a window larger than the screen, where the scaled picture puts it.
  static bool BoardShown(const zentoir::testing::WindowPixels& s) {
    const double k = std::max(1.0, std::min(s.width / 640.0, s.height / 480.0));
    const double left = (s.width - 640 * k) / 2, top = (s.height - 480 * k) / 2;
    return Count(s, int(left + 105 * k), int(top + 200 * k), int(left + 135 * k),
                 int(top + 300 * k), Bricky) > 2000 * k * k;
  }

  void X(const std::string& arguments) { zentoir::testing::XDoTool(x_.Display(), arguments); }

  // Moves the game's pointer to a screen position: first into the top-left corner of the
  // area the game keeps it in (the screen, or a dialog's box), where the game clamps it,
  // then by the distance, each step seen by the game before the next.
  void MoveTo(double x, double y, double left = 0, double top = 0) {
    X("mousemove --window " + window_ + " 320 240");
    for (int i = 0; i < 4; ++i)
      X("mousemove_relative -- -300 -300");
    WaitForStillScreen();
    X("mousemove_relative -- " + std::to_string(int(x - left)) + " " +
      std::to_string(int(y - top)));
    WaitForStillScreen();
  }

  // Presses the left button and holds it until the area of the screen shows that the
  // game has seen the press, then releases it. The frames that take the screen copy draw
  // the pointer differently, so every picture of the area seen in the half second before
  // the press counts as not pressed.
  void PressAndRelease(const Button& watched) {
    std::vector<zentoir::testing::WindowPixels> before;
    for (int i = 0; i < 10; ++i) {
      before.push_back(Screen());
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    X("mousedown 1");
    EXPECT_TRUE(Until([&](const auto& s) {
      return std::none_of(before.begin(), before.end(),
                          [&](const auto& b) { return SameArea(s, b, watched); });
    })) << "the press was not seen";
    X("mouseup 1");
  }

  // On the board nothing else moves the game's pointer, so after the first cell it is
  // moved from the last one directly. The board settles in the next ReadBoard.
  void ClickCell(double c, double r) {
    const double x = boardLeft + (c - 1) * 40 + 20, y = boardTop + (r - 1) * 40 + 20;
    if (lastCellX_ < 0) {
      MoveTo(x, y);
    } else if (x != lastCellX_ || y != lastCellY_) {
      // The game has taken the move once it draws its pointer over the cell.
      const auto before = Screen();
      X("mousemove_relative -- " + std::to_string(int(x - lastCellX_)) + " " +
        std::to_string(int(y - lastCellY_)));
      EXPECT_TRUE(Until([&](const auto& s) {
        return !SameArea(s, before, {x, y, 40, 40});
      })) << "the pointer did not come";
    }
    lastCellX_ = x, lastCellY_ = y;
    PressAndRelease({x, y, 40, 40});  // the balloon under the pointer bursts on the press
  }

  // Clicks a button: it takes the pressed look on the press and acts on the release.
  void ClickButton(const Button& button) {
    MoveTo(button.x, button.y);
    PressAndRelease(button);
  }

  // A dialog keeps the pointer inside its box, whose top-left corner is (120, 130).
  void ClickDialogButton(const Button& button) {
    ASSERT_TRUE(Until(DialogShown)) << Log();
    MoveTo(button.x, button.y, 120, 130);
    PressAndRelease(button);
    ASSERT_TRUE(Until([](const auto& s) { return !DialogShown(s); }));
  }

  // Any press leaves the title screen (its balloons never stand still).
  void LeaveTitleScreen() {
    X("mousedown 1");
    EXPECT_TRUE(Until(BoardShown));
    X("mouseup 1");
    WaitForStillScreen();  // the board has risen and settled
  }

  // The name entry is running once its cursor has blinked on and off.
  void WaitForNameEntry() {
    const Button line{320, 26, 300, 28};  // the line and its cursor, below the prompt
    for (int change = 0; change < 2; ++change) {
      const auto before = Screen();
      ASSERT_TRUE(Until([&](const auto& s) { return !SameArea(s, before, line); })) << Log();
    }
  }

  // Saves the latest screen copy with the S key, held until the file is there.
  void TakeScreenshot(zentoir::ImageBuffer& shot) {
    const std::string path = dir_.Path() + "ScreenShot.png";
    fs::remove(path);
    X("keydown --window " + window_ + " s");
    const bool saved = zentoir::testing::WaitUntil(
        [&] { return zentoir::ReadImageFile(path, -1, shot) != 0; }, kLongWait);
    X("keyup --window " + window_ + " s");
    ASSERT_TRUE(saved) << Log();
  }

  // The settled board as the game shows it, into the test's copy; false once the game
  // has covered it with its dialog (the game is over), which may come at any moment.
  bool ReadBoard() {
    WaitForStillScreen();
    const auto screen = Screen();
    EXPECT_GE(screen.width, 640);
    if (screen.width < 640 || DialogShown(screen)) return false;
    zentoir::DimRecordArray(board, 11, 13);
    for (double c = 1; c <= 9; ++c) {
      for (double r = 1; r <= 11; ++r) {
        const int x = int(boardLeft + (c - 1) * 40 + 9), y = int(boardTop + (r - 1) * 40 + 18);
        Cell(c, r).balloon = BalloonOfColour(screen.At(x, y));
      }
    }
    return true;
  }

  // The balloons of the board last read, column by column.
  std::vector<double> Balloons() {
    std::vector<double> balloons;
    for (double c = 1; c <= 9; ++c)
      for (double r = 1; r <= 11; ++r)
        balloons.push_back(Cell(c, r).balloon);
    return balloons;
  }

  // Bursts the largest group of the settled board and waits until the board has settled
  // again; the group's size.
  void BurstLargestGroup(double& size) {
    ASSERT_TRUE(ReadBoard());
    double c = 0, r = 0;
    ASSERT_TRUE(LargestGroup(c, r, size));
    ClickCell(c, r);
    WaitForStillScreen();
  }

  // Bursts the largest group shown until none is left; the points the game counts.
  void PlayToTheEnd() {
    lastCellX_ = lastCellY_ = -1;  // a game begins after pages and dialogs
    double c = 0, r = 0, size = 0;
    while (ReadBoard() && LargestGroup(c, r, size))
      ClickCell(c, r);
  }

  // A number of the game's statistics in "Pindrake.ini", which it writes when a game is
  // over: the points the game itself counted, whatever the test's reading of the board.
  double Statistic(const std::string& key) {
    const std::string ini = zentoir::testing::ReadFileBytes(dir_.Path() + "Pindrake.ini");
    const size_t at = ini.find("\n" + key + "=");
    return at == std::string::npos ? -1 : std::atof(ini.c_str() + at + key.size() + 2);
  }

  bool Running() {
    int code = 0;
    ended_ = ended_ || zentoir::testing::HasExited(pid_, code);
    return !ended_;
  }

  ScopedTempDir dir_;
  XServer x_{800, 600};
  pid_t pid_ = -1;
  bool ended_ = false;
  double lastCellX_ = -1, lastCellY_ = -1;
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
  zentoir::Renderer()->FlushDrawing();  // the pixels are read directly
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  return rgba;
}

// The filled places of a score file, as "points name" pairs, for failure messages.
std::string ScoreRecords(const std::string& file) {
  std::string records;
  for (size_t at = 0; at + 4 <= file.size();) {
    const size_t end = file.find("\r\n", at + 2);
    if (end == std::string::npos) break;
    const int points = uint8_t(file[at]) | uint8_t(file[at + 1]) << 8;
    if (end > at + 2 || points != 0)
      records += std::to_string(points) + " " + file.substr(at + 2, end - at - 2) + "; ";
    at = end + 2;
  }
  return std::to_string(file.size()) + " bytes: " + records;
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

TEST_F(Gameplay, ABurstGroupScoresOnTheScreenAndNewGameStartsAgain) {
  StartGame();
  // The window carries the game's own 64 × 64 icon, read from its archive; Wine hands
  // it to the X server at its own icon size.
  const std::vector<unsigned long> icon = zentoir::testing::WindowIcon(x_.Display(), window_);
  const unsigned long iconSize = WindowsProgram() ? 32 : 64;
  ASSERT_GE(icon.size(), 2u);
  EXPECT_EQ(icon[0], iconSize);
  EXPECT_EQ(icon[1], iconSize);
  LeaveTitleScreen();
  double size = 0;
  ASSERT_NO_FATAL_FAILURE(BurstLargestGroup(size));
  zentoir::ImageBuffer shot;
  TakeScreenshot(shot);
  ASSERT_EQ(shot.width, 640);
  const int right = CounterDifferences(shot, RenderPointsCounter(size - 1));
  const int wrong = CounterDifferences(shot, RenderPointsCounter(size));
  EXPECT_LT(right, 30) << "the counter does not show " << size - 1;
  EXPECT_GT(wrong, right + 20);

  ClickButton(kNewGameButton);
  WaitForStillScreen();
  TakeScreenshot(shot);
  EXPECT_LT(CounterDifferences(shot, RenderPointsCounter(0)), 30) << "no new game";
}

TEST_F(Gameplay, ButtonsActOnReleaseAndEndAsksFirst) {
  StartGame();
  LeaveTitleScreen();
  // "Highscore" is armed by the press and opens its page only on the release.
  MoveTo(kHighscoreButton.x, kHighscoreButton.y);
  X("mousedown 1");
  WaitForStillScreen();
  EXPECT_TRUE(BoardShown(Screen())) << "acted on the press";
  X("mouseup 1");
  // The high-score page shows no board, and "Back" returns to it.
  EXPECT_TRUE(Until([](const auto& s) { return !BoardShown(s); }));
  ClickButton(kBackButton);
  EXPECT_TRUE(Until(BoardShown));

  ClickButton(kEndButton);
  ClickDialogButton(kNoButton);  // "Nein" keeps the game going
  WaitForStillScreen();
  EXPECT_TRUE(Running());
  ClickButton(kEndButton);
  ClickDialogButton(kYesButton);
  EXPECT_EQ(zentoir::testing::WaitForExit(pid_, int(kLongWait)), 0) << Log();
  ended_ = true;
}

TEST_F(Gameplay, AFailedSaveIsToldAndTheNextSaveKeepsBothResults) {
  const std::string path = dir_.Path() + "Score.dat";
  ASSERT_TRUE(fs::create_directory(path));  // the save must fail
  StartGame();
  LeaveTitleScreen();
  PlayToTheEnd();
  ClickDialogButton(kOkButton);  // "Game Over", after 1.5 s without a move
  ASSERT_EQ(Statistic("GamesPlayed"), 1);
  const double first = Statistic("TotalPoints");
  // 21 characters are refused with a dialog, and the name is offered again.
  WaitForNameEntry();
  X("type --delay 150 Abcdefghijklmnopqrstu");
  X("key Return");
  ClickDialogButton(kOkButton);
  WaitForNameEntry();
  X("key BackSpace");  // 20 characters are taken
  X("key Return");
  // The save fails: the player is told, and the game goes on to the high-score page.
  ClickDialogButton(kOkButton);
  EXPECT_TRUE(Running()) << Log();
  fs::remove(path);
  ClickButton(kBackButton);
  PlayToTheEnd();
  ClickDialogButton(kOkButton);
  ASSERT_EQ(Statistic("GamesPlayed"), 2);
  const double second = Statistic("TotalPoints") - first;
  WaitForNameEntry();
  X("key Return");  // the name of the first game is offered again
  const std::string name = "Abcdefghijklmnopqrst";
  for (const double points : {first, second}) {
    const double place = ScorePlaceFor(points, name.c_str());
    if (place > 0) InsertScore(place, name.c_str(), points);
  }
  const std::vector<uint8_t> formatted = FormatScoreFile();
  const std::string expected(formatted.begin(), formatted.end());
  EXPECT_TRUE(zentoir::testing::WaitUntil(
      [&] { return zentoir::testing::ReadFileBytes(path) == expected; }, kLongWait))
      << "stored: " << ScoreRecords(zentoir::testing::ReadFileBytes(path))
      << "\nexpected: " << ScoreRecords(expected) << "\n"
      << Log();
}

// Runs the program to its end without a display; its exit code, and its output.
int RunWithoutDisplay(const std::string& program, const std::string& arguments,
                      std::string& output) {
  ScopedTempDir dir;
  const std::string file = dir.Path() + "out.txt";
  // In the program's folder, where it keeps its files (and Wine needs one that exists).
  std::string line = "cd '" + fs::path(program).parent_path().string() + "' && ";
  for (const std::string& word : GameCommand(program))
    line += "'" + word + "' ";
  const int status = std::system((line + arguments + " >'" + file + "' 2>&1").c_str());
  output = zentoir::testing::ReadFileBytes(file);
  std::erase(output, '\r');  // a Windows program's lines end in CR LF
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A press and release in one go, between two frames.
TEST_F(Gameplay, AQuickEscOnTheTitleScreenEndsTheGame) {
  StartGame();
  X("key --window " + window_ + " Escape");
  EXPECT_EQ(WaitForEnd(), 0) << Log();
}

// A game with an undo is entered in the table; --stats lists it and --replay plays it to
// the same points. A record no game could have written is refused.
TEST_F(Gameplay, AGameWithUndoIsListedAndReplayed) {
  StartGame();
  LeaveTitleScreen();
  ASSERT_TRUE(ReadBoard());
  const std::vector<double> before = Balloons();
  double size = 0;
  ASSERT_NO_FATAL_FAILURE(BurstLargestGroup(size));
  // The burst is taken back. The game drops the key while its balloons still move, which
  // a starved machine can show as a still screen: then the key is pressed again.
  bool undone = false;
  for (int press = 0; press < 5 && !undone; ++press) {
    X("key --window " + window_ + " u");
    undone = ReadBoard() && Balloons() == before;
  }
  ASSERT_TRUE(undone) << Log();
  PlayToTheEnd();
  ClickDialogButton(kOkButton);
  const double points = Statistic("TotalPoints");
  WaitForNameEntry();
  X("type --delay 150 Tester");
  X("key Return");
  ASSERT_TRUE(zentoir::testing::WaitUntil([&] { return Statistic("Undo") == 1; }, kLongWait))
      << Log();
  X("key --window " + window_ + " Escape");
  ASSERT_EQ(WaitForEnd(), 0) << Log();

  const std::string program = Program();
  std::string output;
  ASSERT_EQ(RunWithoutDisplay(program, "--stats", output), 0);
  const std::string place = "Place 1: Tester, " + std::to_string(int(points)) + " points";
  EXPECT_NE(output.find("Games played:   1\n"), std::string::npos) << output;
  EXPECT_NE(output.find(place), std::string::npos) << output;
  EXPECT_NE(output.find(", undo used\n"), std::string::npos) << output;

  StartProgram({"--windowed", "--replay", "1"});
  EXPECT_EQ(WaitForEnd(), 0) << Log();
  EXPECT_NE(Log().find("Replay of place 1: " + std::to_string(int(points)) + " points, "),
            std::string::npos)
      << Log();

  const std::string path = dir_.Path() + "Pindrake.ini";
  std::string ini = zentoir::testing::ReadFileBytes(path);
  const size_t moves = ini.find("\nMoves=", ini.find("[Place1]"));
  ASSERT_NE(moves, std::string::npos) << ini;
  const size_t end = ini.find_first_of("\r\n", moves + 1);
  ini.replace(moves + 7, end - moves - 7, "1,1,0,1");  // a first burst inside a chain
  std::ofstream(path, std::ios::binary) << ini;
  EXPECT_EQ(RunWithoutDisplay(program, "--replay 1", output), 1);
  EXPECT_NE(output.find("no replay is recorded for place 1"), std::string::npos) << output;
}

// Full screen on a desktop without a 640 × 480 mode and without a window manager, which
// leaves the window at its size: the picture fits the window the game really has.
class FullScreenGameplay : public Gameplay {
 protected:
  FullScreenGameplay() : Gameplay(1024, 768) {}
};

// The share of sample points at which the window shows the screenshot's picture.
double ShareLikeTheScreen(const zentoir::testing::WindowPixels& window,
                          const zentoir::ImageBuffer& shot) {
  const double scale = std::min(window.width / 640.0, window.height / 480.0);
  const double left = (window.width - 640 * scale) / 2, top = (window.height - 480 * scale) / 2;
  int alike = 0, all = 0;
  for (int y = 4; y < 480; y += 8) {
    for (int x = 4; x < 640; x += 8, ++all) {
      const uint8_t* a = shot.PixelAt(x, y);
      const uint8_t* b = window.At(int(left + (x + 0.5) * scale), int(top + (y + 0.5) * scale));
      int difference = 0;
      for (int k = 0; k < 3; ++k)
        difference = std::max(difference, std::abs(int(a[k]) - int(b[k])));
      alike += difference < 48;
    }
  }
  return double(alike) / all;
}

TEST_F(FullScreenGameplay, TheWholePictureFitsTheWindowTheGameHas) {
  StartGame({"--seed", "7"});
  LeaveTitleScreen();
  zentoir::ImageBuffer shot;
  TakeScreenshot(shot);
  ASSERT_EQ(shot.width, 640);
  const auto window = Screen();
  EXPECT_GT(ShareLikeTheScreen(window, shot), 0.9)
      << "window " << window.width << " x " << window.height;
}

// Unscaled, the game keeps its 640 × 480 window there; the demo plays whole games by
// itself until Esc.
TEST_F(FullScreenGameplay, TheUnscaledDemoPlaysWholeGamesInItsWindow) {
  StartGame({"--unscaled", "--demo", "--seed", "3"});
  const auto screen = Screen();
  EXPECT_EQ(screen.width, 640);
  EXPECT_EQ(screen.height, 480);
  EXPECT_TRUE(zentoir::testing::WaitUntil(
      [&] { return Log().find("Attract game 1: ") != std::string::npos; }, 2 * kLongWait))
      << Log();
  X("key --window " + window_ + " Escape");
  EXPECT_EQ(WaitForEnd(), 0) << Log();
}

// The command line, without a display: the help, and refusals of what it does not know.
TEST(GameOptions, HelpAndBadOptions) {
  auto run = [](const std::string& arguments, std::string& output) {
    return RunWithoutDisplay(BuiltGame(), arguments, output);
  };
  std::string output;
  EXPECT_EQ(run("--help", output), 0);
  EXPECT_EQ(output.rfind("usage: Pindrake", 0), 0u) << output;
  EXPECT_NE(output.find("--seed N"), std::string::npos);
  EXPECT_EQ(run("--fast", output), 2);
  EXPECT_NE(output.find("unknown option \"--fast\""), std::string::npos) << output;
  EXPECT_EQ(run("--seed 12x", output), 2);
  EXPECT_NE(output.find("--seed needs a number, not \"12x\""), std::string::npos) << output;
  EXPECT_EQ(run("--seed", output), 2);  // the number is missing
  EXPECT_NE(output.find("usage:"), std::string::npos) << output;
}

}  // namespace
}  // namespace pindrake
