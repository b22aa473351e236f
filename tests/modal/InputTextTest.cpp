// The line editor, fed one key per frame as the frame loop reads its stop keys.
#include <vector>

#include "InputFixture.h"
#include "gfx2d/renderer/Renderer.h"
#include "zentoir.h"

#include "base/Hooks.h"
#include "base/RuntimeContext.h"
#include "input/InputState.h"

namespace zentoir {
namespace {

using testing::InputTest;

struct KeyTap {
  SDL_Scancode key;
  const char* text;
};

std::vector<KeyTap> script;
size_t nextTap = 0;

// Pushes the next key of the script, pressed and let go, at the start of each frame.
void FeedScript() {
  if (nextTap >= script.size()) return;
  const KeyTap tap = script[nextTap++];
  for (bool down : {true, false}) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.scancode = tap.key;
    SDL_PushEvent(&event);
    if (!down || !tap.text) continue;
    SDL_Event typed{};
    typed.type = SDL_TEXTINPUT;
    SDL_strlcpy(typed.text.text, tap.text, sizeof typed.text.text);
    SDL_PushEvent(&typed);
  }
}

// The frame loop asks for Alt once a frame, after the input frame has started and
// before the events are handled: the script's next key goes in then. The answers are
// the input object's own.
bool FeedingKeyReader(int keyCode) {
  constexpr int kKeyAlt = 56;
  if (keyCode == kKeyAlt) FeedScript();
  const InputState* input = ActiveInput();
  return input && input->KeyDownInFrame(keyCode);
}

class LineEditor : public InputTest {
 protected:
  static void SetUpTestSuite() {
    InputTest::SetUpTestSuite();
    SetFrameKeyReader(FeedingKeyReader);
  }
  void Type(DynString& text, std::vector<KeyTap> taps) {
    script = std::move(taps);
    nextTap = 0;
    InputText(text, 10.7, 20);
    EXPECT_EQ(nextTap, script.size()) << "Return ended the entry early";
  }
};

TEST_F(LineEditor, BackspaceOnEmptyTextAndReturnAddsNothing) {
  DynString text;
  Type(text, {{SDL_SCANCODE_BACKSPACE, nullptr},
              {SDL_SCANCODE_A, "a"},
              {SDL_SCANCODE_BACKSPACE, nullptr},
              {SDL_SCANCODE_BACKSPACE, nullptr},
              {SDL_SCANCODE_B, "b"},
              {SDL_SCANCODE_RETURN, nullptr}});
  EXPECT_STREQ(text.CStr(), "b");
  EXPECT_EQ(Renderer()->Background(3).columns, 0) << "the saved screen is freed";
}

TEST_F(LineEditor, EditsTheTextInPlace) {
  DynString text = "J\xFCrgen";
  Type(text, {{SDL_SCANCODE_BACKSPACE, nullptr},
              {SDL_SCANCODE_A, "a"},
              {SDL_SCANCODE_A, "a"},
              {SDL_SCANCODE_LEFTBRACKET, "\xC3\xBC"},
              {SDL_SCANCODE_KP_ENTER, nullptr}});
  EXPECT_STREQ(text.CStr(), "J\xFCrgeaa\xFC");
}

}  // namespace
}  // namespace zentoir
