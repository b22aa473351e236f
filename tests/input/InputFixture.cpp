#include "InputFixture.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "base/RuntimeContext.h"
#include "gfx2d/renderer/Renderer.h"
#include "input/InputState.h"
#include "os/Environment.h"
#include "support/TempDir.h"
#include "zentoir.h"

namespace zentoir::testing {

void InputTest::SetUpTestSuite() {
  if (Renderer()) return;
  os::SetEnvironmentValue("ZENTOIR_NO_MESSAGE_BOX", "1", true);
  // The error log's folder for the whole program, made its TMPDIR; removed when the
  // program ends, after the runtime's own exit steps.
  static ScopedTempDir logFolder;
  InitRuntime("", 1, "Input Test");
}

void InputTest::SetUp() {
  ASSERT_NE(ActiveInput(), nullptr);
  SetEscapeEnds(0);
  Frame();
  GetTypedChar();  // nothing held: the last character is forgotten
}

void InputTest::TearDown() {
  for (SDL_Scancode key : std::set<SDL_Scancode>(held_))
    Release(key);
  for (Uint8 button : std::set<Uint8>(buttons_))
    Button(button, false);
  Frame();
  Frame();
}

void InputTest::PushKey(SDL_Scancode key, bool down, bool repeat, const char* text) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.scancode = key;
  event.key.windowID = SDL_GetWindowID(Runtime().mainWindow);
  SDL_PushEvent(&event);
  if (!text) return;
  SDL_Event typed{};
  typed.type = SDL_TEXTINPUT;
  typed.text.windowID = event.key.windowID;
  std::strncpy(typed.text.text, text, sizeof typed.text.text - 1);
  SDL_PushEvent(&typed);
}

void InputTest::Press(SDL_Scancode key, const char* text) {
  held_.insert(key);
  PushKey(key, true, false, text);
}

void InputTest::Repeat(SDL_Scancode key, const char* text) {
  PushKey(key, true, true, text);
}

void InputTest::Release(SDL_Scancode key) {
  held_.erase(key);
  PushKey(key, false, false, nullptr);
}

void InputTest::Motion(int xrel, int yrel, int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.xrel = xrel;
  event.motion.yrel = yrel;
  event.motion.x = x;
  event.motion.y = y;
  SDL_PushEvent(&event);
}

void InputTest::Button(Uint8 button, bool down) {
  if (down) {
    buttons_.insert(button);
  } else {
    buttons_.erase(button);
  }
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.button = button;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  SDL_PushEvent(&event);
}

void InputTest::Wheel(int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEWHEEL;
  event.wheel.y = y;
  event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
  SDL_PushEvent(&event);
}

void InputTest::Frame() {
  PresentFrame();
}

}  // namespace zentoir::testing
