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

class Waits : public InputTest {
 protected:
  // True when the wait was still waiting when a key went down a little later.
  bool WaitsForAKey(void (*wait)(), SDL_Scancode key, const char* text) {
    std::atomic<bool> pressed = false;
    std::thread user([&] {
      Later();
      pressed = true;
      Press(key, text);
    });
    wait();
    user.join();
    return pressed;
  }
};

TEST_F(Waits, WaitKeyAndIdleStepWaitForAKey) {
  EXPECT_TRUE(WaitsForAKey(WaitKey, SDL_SCANCODE_K, "k"));
  Release(SDL_SCANCODE_K);
  Frame();
  EXPECT_TRUE(WaitsForAKey(IdleStep, SDL_SCANCODE_SPACE, " "));
}

TEST_F(Waits, WaitMouseWaitsForTheHeldButtonsReleaseThenAPress) {
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
