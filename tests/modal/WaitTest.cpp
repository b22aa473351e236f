// The waits hold the program until the user acts: the events come from another thread
// a little later, as a user's would, and each wait must still be waiting for them.
#include <atomic>
#include <chrono>
#include <cstdlib>
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

// Esc pressed during a wait ends the program there, not at a later frame.
TEST_F(Waits, EscEndsTheProgramFromInsideAWait) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        SetEscapeEnds(1);
        std::thread user([&] {
          Later();
          Press(SDL_SCANCODE_ESCAPE);
        });
        user.detach();
        IdleStep();
        std::exit(9);  // the wait returned instead
      },
      ::testing::ExitedWithCode(0), "");
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
