// Mouse sampling, clamping, buttons and the wheel from pushed SDL events.
#include "InputFixture.h"
#include "base/RuntimeContext.h"
#include "input/InputState.h"
#include "support/StopReport.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::InputTest;

class Mouse : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    ShowSystemCursor(0);
    SetMousePosition(400, 300);
    Frame();
    MouseAxis(0);  // the movement of earlier tests is taken
  }
};

TEST_F(Mouse, MovementIsSampledOncePerFrame) {
  Motion(5, -3);
  Motion(2, 0);
  Frame();
  EXPECT_EQ(MouseAxis(0), 7);
  EXPECT_EQ(MouseAxis(1), -3);
  Motion(40, 40);  // arrives now, belongs to the next frame
  EXPECT_EQ(MouseAxis(0), 7);
  EXPECT_EQ(MouseAxis(1), -3);
  Frame();
  EXPECT_EQ(MouseAxis(0), 40);
  Frame();
  EXPECT_EQ(MouseAxis(0), 0);
  double x, y, left, right;
  GetMouseState(x, y, left, right);
  EXPECT_EQ(x, 400 + 7 + 40);
  EXPECT_EQ(y, 300 - 3 + 40);
}

TEST_F(Mouse, PositionIsClampedToTheScreen) {
  double width, height, x, y, left, right;
  GetScreenSize(width, height);
  Motion(-5000, -5000);
  Frame();
  GetMouseState(x, y, left, right);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  Motion(30, 20);  // counted from the clamped position, not from −4600
  Frame();
  GetMouseState(x, y, left, right);
  EXPECT_EQ(x, 30);
  EXPECT_EQ(y, 20);
  Motion(9000, 9000);
  Frame();
  GetMouseState(x, y, left, right);
  EXPECT_EQ(x, width - 1);
  EXPECT_EQ(y, height - 1);
}

TEST_F(Mouse, ShownCursorFollowsThePointerPosition) {
  ShowSystemCursor(1);
  Frame();
  MouseAxis(0);
  Motion(0, 0, 250, 120);
  Frame();
  double x, y, left, right;
  GetMouseState(x, y, left, right);
  EXPECT_EQ(x, 250);
  EXPECT_EQ(y, 120);
  Motion(999, 999, 260, 100);  // the relative part does not count while shown
  Frame();
  EXPECT_EQ(MouseAxis(0), 10);
  EXPECT_EQ(MouseAxis(1), -20);
  ShowSystemCursor(0);
  EXPECT_FALSE(ActiveInput()->CursorShown());
}

TEST_F(Mouse, SetMousePositionMovesTheRuntimePosition) {
  SetMousePosition(12, 34);
  double x, y, left, right;
  GetMouseState(x, y, left, right);
  EXPECT_EQ(x, 12);
  EXPECT_EQ(y, 34);
}

TEST_F(Mouse, WheelGivesItsDirection) {
  Wheel(3);
  Frame();
  EXPECT_EQ(MouseAxis(2), 1);
  EXPECT_EQ(MouseAxis(2), 1);
  Wheel(-2);
  Frame();
  EXPECT_EQ(MouseAxis(2), -1);
  Frame();
  EXPECT_EQ(MouseAxis(2), 0);
  EXPECT_EQ(MouseAxis(6), 0);
  EXPECT_EQ(MouseAxis(-1), 0);
}

TEST_F(Mouse, ButtonsHeldAndClicked) {
  double x, y, left, right;
  Button(SDL_BUTTON_LEFT, true);
  Frame();
  GetMouseState(x, y, left, right);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(right, 0);
  EXPECT_EQ(MouseAxis(3), 1);
  Button(SDL_BUTTON_LEFT, false);
  GetMouseState(x, y, left, right);
  EXPECT_EQ(left, 0);

  // A click within one frame reads as down once, so a loop that reads the state until
  // the button is up ends.
  Button(SDL_BUTTON_RIGHT, true);
  Button(SDL_BUTTON_RIGHT, false);
  Button(SDL_BUTTON_MIDDLE, true);
  Button(SDL_BUTTON_MIDDLE, false);
  Frame();
  GetMouseState(x, y, left, right);
  EXPECT_EQ(right, 1);
  EXPECT_EQ(MouseAxis(5), 1);
  GetMouseState(x, y, left, right);
  EXPECT_EQ(right, 0);
  EXPECT_EQ(MouseAxis(5), 0);

  EXPECT_EQ(AnyMouseButton(), 0);
  Button(SDL_BUTTON_MIDDLE, true);
  EXPECT_EQ(AnyMouseButton(), 1);
}

TEST_F(Mouse, IdleStepReturnsWhenTheMouseMovesOrIsClicked) {
  Motion(1, 0);
  IdleStep();
  Frame();
  EXPECT_EQ(MouseAxis(0), 1);
  Button(SDL_BUTTON_LEFT, true);
  Button(SDL_BUTTON_LEFT, false);
  IdleStep();
  EXPECT_EQ(AnyMouseButton(), 1);
}

TEST_F(InputTest, StartUpLogsNoMissingDevice) {
  for (const std::string& line : testing::ErrorLogLines())
    EXPECT_EQ(line.rfind("No DX_", 0), std::string::npos) << line;
}

}  // namespace
}  // namespace zentoir
