// The waits hold the program until the user acts: the events come from another thread
// a little later, as a user's would, and each wait must still be waiting for them.
#include <atomic>
#include <chrono>
#include <thread>

#include "InputFixture.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::InputTest;

void Later() {
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

TEST_F(InputTest, WaitKeyWaitsForAKey) {
  std::atomic<bool> pressed = false;
  std::thread user([&] {
    Later();
    pressed = true;
    Press(SDL_SCANCODE_K, "k");
  });
  WaitKey();
  EXPECT_TRUE(pressed);
  user.join();
}

TEST_F(InputTest, IdleStepWaitsForSomethingToHappen) {
  std::atomic<bool> pressed = false;
  std::thread user([&] {
    Later();
    pressed = true;
    Press(SDL_SCANCODE_SPACE, " ");
  });
  IdleStep();
  EXPECT_TRUE(pressed);
  user.join();
}

TEST_F(InputTest, WaitMouseWaitsForTheHeldButtonsReleaseThenAPress) {
  Button(SDL_BUTTON_LEFT, true);
  Frame();
  std::atomic<bool> pressedAgain = false;
  std::thread user([&] {
    Later();
    Button(SDL_BUTTON_LEFT, false);
    Later();
    pressedAgain = true;
    Button(SDL_BUTTON_LEFT, true);
  });
  WaitMouse();
  EXPECT_TRUE(pressedAgain);
  user.join();
}

}  // namespace
}  // namespace zentoir
