// Joysticks through SDL's virtual joystick: plugged in and pulled out while running.
#include "InputFixture.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::InputTest;

TEST_F(InputTest, NoJoystickGivesZeros) {
  EXPECT_EQ(JoystickCount(), 0);
  EXPECT_STREQ(JoystickName(0).CStr(), "");
  EXPECT_STREQ(JoystickName(-1).CStr(), "");
  double x = 9, y = 9, b1 = 9, b2 = 9;
  GetJoystickState(x, y, b1, b2);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(b1, 0);
  EXPECT_EQ(b2, 0);
}

TEST_F(InputTest, JoystickPluggedInWhileRunning) {
  const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 1);
  ASSERT_GE(device, 0) << SDL_GetError();
  ASSERT_EQ(JoystickCount(), 1);
  EXPECT_STRNE(JoystickName(0).CStr(), "");
  EXPECT_STREQ(JoystickName(1).CStr(), "");

  SDL_Joystick* stick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
  ASSERT_NE(stick, nullptr);
  SDL_JoystickSetVirtualAxis(stick, 0, 32767);
  SDL_JoystickSetVirtualAxis(stick, 1, -20000);
  SDL_JoystickSetVirtualButton(stick, 1, SDL_PRESSED);
  double x, y, b1, b2;
  GetJoystickState(x, y, b1, b2);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 0);  // within the dead middle
  EXPECT_EQ(b1, 0);
  EXPECT_EQ(b2, 1);
  SDL_JoystickSetVirtualAxis(stick, 1, -32768);
  SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
  GetJoystickState(x, y, b1, b2);
  EXPECT_EQ(y, -1);
  EXPECT_EQ(b1, 1);

  SDL_JoystickDetachVirtual(device);
  EXPECT_EQ(JoystickCount(), 0);
}

}  // namespace
}  // namespace zentoir
