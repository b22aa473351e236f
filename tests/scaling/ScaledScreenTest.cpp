// The scaled screen on SDL's offscreen driver: the picture in the window at several
// window sizes, the pointer mapped back to screen pixels, and a click at the scaled
// position of a balloon bursting that balloon's group.
#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <array>

#include "Board.h"
#include "GameState.h"
#include "Widgets.h"
#include "base/RuntimeContext.h"
#include "base/WindowMapping.h"
#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/renderer/Renderer.h"
#include "support/TempDir.h"
#include "zentoir.h"

namespace pindrake {
namespace {

using Pixel = std::array<int, 3>;
constexpr double kRed = 255, kGreen = 255 * 256;

struct WindowSize {
  int width, height;
};
// Wider than the screen, taller than it, an exact double, and the screen's own size.
constexpr WindowSize kSizes[] = {{1280, 720}, {640, 960}, {1280, 960}, {640, 480}};

class ScaledScreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (zentoir::Renderer()) return;
    // The offscreen driver keeps the buffer of the window's first size, so the window
    // starts as large as the largest size tried and then takes the screen mode.
    zentoir::Settings().screenWidth = 1280;
    zentoir::Settings().screenHeight = 960;
    zentoir::InitRuntime("", 1, "Scaled Screen Test");
    zentoir::SetScreenMode(640, 480, 0);
  }
  void SetUp() override {
    zentoir::SetEscapeEnds(0);
    ASSERT_EQ(zentoir::SetScaledScreen(1), 1);
  }
  void TearDown() override {
    zentoir::SetScaledScreen(0);
    zentoir::ShowSystemCursor(0);
  }

  // Resizes the window as the user would and lets a frame pass.
  static void Resize(const WindowSize& size) {
    SDL_SetWindowSize(zentoir::Runtime().mainWindow, size.width, size.height);
    zentoir::PresentFrame();
  }
  // A pixel of the window's own buffer, y from the top.
  static Pixel WindowPixel(int x, int y) {
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(zentoir::Runtime().mainWindow, &w, &h);
    const auto& gl = zentoir::GLExtensions();
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    uint8_t rgb[3] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, h - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, zentoir::Renderer()->BackBufferFramebuffer());
    return {rgb[0], rgb[1], rgb[2]};
  }
  // Where screen pixel (x, y) lies in the window.
  static void InWindow(int x, int y, int& wx, int& wy) {
    zentoir::ScreenToWindow(zentoir::CurrentWindowMapping(), x, y, wx, wy);
  }
  static void PushMotion(int x, int y, int xrel, int yrel) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = SDL_GetWindowID(zentoir::Runtime().mainWindow);
    event.motion.x = x, event.motion.y = y;
    event.motion.xrel = xrel, event.motion.yrel = yrel;
    SDL_PushEvent(&event);
  }
  static void PushButton(bool down) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&event);
  }
};

TEST_F(ScaledScreen, ThePictureIsScaledWithItsAspectKeptAndReadsStayInScreenPixels) {
  for (const WindowSize& size : kSizes) {
    SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
    Resize(size);
    const zentoir::WindowMapping m = zentoir::CurrentWindowMapping();
    EXPECT_DOUBLE_EQ(m.scale, std::min(size.width / 640.0, size.height / 480.0));
    EXPECT_EQ(m.offsetX, (size.width - m.width) / 2);
    EXPECT_EQ(m.offsetY, (size.height - m.height) / 2);

    zentoir::SetAlphaMode(0);
    zentoir::FillRect(100, 100, 40, 40, kRed);
    zentoir::FillRect(600, 440, 40, 40, kGreen);
    // Reads, captures and the screen size are the screen's, whatever the window's.
    double w = 0, h = 0;
    zentoir::GetScreenSize(w, h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(zentoir::GetPixel(120, 120), kRed);
    EXPECT_EQ(zentoir::GetPixel(620, 460), kGreen);
    zentoir::CaptureSprite(5000, 90, 90, 60, 60);
    zentoir::GetSpriteSize(5000, w, h);
    EXPECT_EQ(w, 60);

    zentoir::Renderer()->PresentScaledScreen();  // what the next swap shows
    int wx = 0, wy = 0;
    InWindow(120, 120, wx, wy);
    EXPECT_EQ(WindowPixel(wx, wy), (Pixel{255, 0, 0}));
    InWindow(620, 460, wx, wy);
    EXPECT_EQ(WindowPixel(wx, wy), (Pixel{0, 255, 0}));
    InWindow(300, 300, wx, wy);
    EXPECT_EQ(WindowPixel(wx, wy), (Pixel{0, 0, 0}));
    // The bars beside or above the picture stay black.
    const Pixel bar = m.offsetX > 2   ? WindowPixel(m.offsetX / 2, size.height / 2)
                      : m.offsetY > 2 ? WindowPixel(size.width / 2, m.offsetY / 2)
                                      : Pixel{0, 0, 0};
    EXPECT_EQ(bar, (Pixel{0, 0, 0}));
    zentoir::PresentFrame();
  }
}

// Below the screen's size the picture's text could no longer be read.
TEST_F(ScaledScreen, TheWindowIsNotMadeSmallerThanTheScreen) {
  Resize({320, 240});
  int w = 0, h = 0;
  SDL_GetWindowSize(zentoir::Runtime().mainWindow, &w, &h);
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 480);
  Resize({1280, 720});
}

TEST_F(ScaledScreen, PointerPositionsAndMotionMapBackToScreenPixels) {
  Resize({1280, 720});  // 1.5 window pixels per screen pixel, bars of 160 on both sides
  double x = 0, y = 0, left = 0, right = 0;
  zentoir::ShowSystemCursor(1);  // the position follows the system cursor
  PushMotion(160 + 450, 300, 0, 0);
  zentoir::PresentFrame();
  zentoir::GetMouseState(x, y, left, right);
  EXPECT_EQ(x, 300);
  EXPECT_EQ(y, 200);
  PushMotion(20, 300, 0, 0);  // over the left bar: the screen's left edge
  zentoir::PresentFrame();
  zentoir::GetMouseState(x, y, left, right);
  EXPECT_EQ(x, 0);

  zentoir::ShowSystemCursor(0);  // the position follows the motion, in screen pixels
  zentoir::SetMousePosition(100, 100);
  zentoir::PresentFrame();
  zentoir::MouseAxis(0);
  PushMotion(0, 0, 30, -15);
  PushMotion(0, 0, 3, 3);  // fractions of a screen pixel add up
  PushMotion(0, 0, 3, 3);
  zentoir::PresentFrame();
  zentoir::GetMouseState(x, y, left, right);
  EXPECT_EQ(x, 100 + 20 + 4);
  EXPECT_EQ(y, 100 - 10 + 4);
}

TEST_F(ScaledScreen, AClickAtTheScaledPositionOfABalloonBurstsItsGroup) {
  testing::ResetGame();
  testing::SetBoard({"BBRG", "GRRG", "YBYB", "RGGY"});
  for (const WindowSize& size : {WindowSize{1280, 720}, WindowSize{640, 960}}) {
    Resize(size);
    zentoir::ShowSystemCursor(1);
    int wx = 0, wy = 0;  // the centre of cell (3, 2) on the screen, in the window
    zentoir::ScreenToWindow(zentoir::CurrentWindowMapping(), int(boardLeft + 2 * 40 + 20),
                            int(boardTop + 40 + 20), wx, wy);
    PushMotion(wx, wy, 0, 0);
    PushButton(true);
    zentoir::PresentFrame();
    UpdateMouse(0, 0, 640, 480);
    UpdateHoveredCell();
    EXPECT_EQ(hoverColumn, 3);
    EXPECT_EQ(hoverRow, 2);
    if (size.width == 1280) {
      HandleBoardClick();  // the red group of three: (3, 1), (2, 2), (3, 2)
      EXPECT_EQ(points, 2);
      EXPECT_EQ(testing::BoardRows()[0], "BBYG.....");  // column 3 rose by two
    }
    PushButton(false);
    zentoir::PresentFrame();
  }
}

TEST_F(ScaledScreen, FullScreenWithoutAModeOfTheScreensSizeFillsTheDesktop) {
  SDL_DisplayMode mode{};
  for (int i = 0; i < SDL_GetNumDisplayModes(0); ++i) {
    if (SDL_GetDisplayMode(0, i, &mode) == 0 && mode.w == 640 && mode.h == 480)
      GTEST_SKIP() << "the display has a 640 x 480 mode";
  }
  zentoir::SetScaledScreen(0);
  zentoir::SetScreenMode(640, 480, 1);
  EXPECT_EQ(zentoir::IsFullScreen(), 0);  // unscaled, the game stays in its window
  ASSERT_EQ(zentoir::SetScaledScreen(1), 1);
  zentoir::SetScreenMode(640, 480, 1);
  EXPECT_EQ(zentoir::IsFullScreen(), 1);
  double w = 0, h = 0;
  zentoir::GetScreenSize(w, h);
  EXPECT_EQ(w, 640);  // the game still draws its 640 × 480 screen
  EXPECT_EQ(h, 480);
  zentoir::FillRect(10, 10, 5, 5, kRed);
  EXPECT_EQ(zentoir::GetPixel(12, 12), kRed);
  zentoir::SetScreenMode(640, 480, 0);
  EXPECT_EQ(zentoir::IsFullScreen(), 0);
}

}  // namespace
}  // namespace pindrake
