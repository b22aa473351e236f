// Key codes, the key state and typed characters from pushed SDL events.
#include <set>
#include <string>

#include "InputFixture.h"
#include "input/KeyCodes.h"
#include "zentoir.h"

#include "base/Hooks.h"
#include "base/RuntimeContext.h"

namespace zentoir {
namespace {

using testing::InputTest;

TEST(KeyCodes, KeysGiveTheirScanCodes) {
  const std::pair<SDL_Scancode, int> expected[] = {
      {SDL_SCANCODE_ESCAPE, 1},
      {SDL_SCANCODE_1, 2},
      {SDL_SCANCODE_0, 11},
      {SDL_SCANCODE_MINUS, 12},
      {SDL_SCANCODE_BACKSPACE, 14},
      {SDL_SCANCODE_Q, 16},
      {SDL_SCANCODE_Y, 21},
      {SDL_SCANCODE_LEFTBRACKET, 26},
      {SDL_SCANCODE_RETURN, 28},
      {SDL_SCANCODE_A, 30},
      {SDL_SCANCODE_S, 31},
      {SDL_SCANCODE_SEMICOLON, 39},
      {SDL_SCANCODE_GRAVE, 41},
      {SDL_SCANCODE_BACKSLASH, 43},
      {SDL_SCANCODE_Z, 44},
      {SDL_SCANCODE_SLASH, 53},
      {SDL_SCANCODE_LALT, 56},
      {SDL_SCANCODE_SPACE, 57},
      {SDL_SCANCODE_F1, 59},
      {SDL_SCANCODE_F4, 62},
      {SDL_SCANCODE_F10, 68},
      {SDL_SCANCODE_KP_7, 71},
      {SDL_SCANCODE_KP_PERIOD, 83},
      {SDL_SCANCODE_NONUSBACKSLASH, 86},
      {SDL_SCANCODE_F11, 87},
      {SDL_SCANCODE_F12, 88},
      {SDL_SCANCODE_KP_ENTER, 156},
      {SDL_SCANCODE_RCTRL, 157},
      {SDL_SCANCODE_KP_DIVIDE, 181},
      {SDL_SCANCODE_RALT, 184},
      {SDL_SCANCODE_HOME, 199},
      {SDL_SCANCODE_UP, 200},
      {SDL_SCANCODE_LEFT, 203},
      {SDL_SCANCODE_RIGHT, 205},
      {SDL_SCANCODE_DOWN, 208},
      {SDL_SCANCODE_DELETE, 211},
      {SDL_SCANCODE_APPLICATION, 221},
  };
  for (const auto& [scancode, code] : expected)
    EXPECT_EQ(KeyCodeForScancode(scancode), code) << SDL_GetScancodeName(scancode);
  EXPECT_EQ(KeyCodeForScancode(SDL_SCANCODE_F20), 0);
  EXPECT_EQ(KeyCodeForScancode(-1), 0);
  EXPECT_EQ(KeyCodeForScancode(SDL_NUM_SCANCODES), 0);
}

// Two keys sharing a code would make one of them unreadable: only the two names SDL
// has for the key left of Return may share one.
TEST(KeyCodes, NoTwoKeysShareACode) {
  std::set<int> seen;
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
    const int code = KeyCodeForScancode(s);
    if (code == 0 || s == SDL_SCANCODE_NONUSHASH) continue;
    EXPECT_TRUE(seen.insert(code).second) << "code " << code << " given twice";
  }
  EXPECT_GE(seen.size(), 104u);  // a full keyboard's keys
}

TEST_F(InputTest, KeyStateFollowsPressAndRelease) {
  Press(SDL_SCANCODE_S);
  EXPECT_EQ(KeyState(31), 1);
  EXPECT_EQ(KeyState(31 + 256), 1);  // low 8 bits
  EXPECT_EQ(KeyState(30), 0);
  Frame();
  EXPECT_EQ(KeyState(31), 1);
  Release(SDL_SCANCODE_S);
  EXPECT_EQ(KeyState(31), 0);
  EXPECT_EQ(KeyState(130), 0);  // no key has this code
}

// A key read takes the device's events only: the window's own events (a close request,
// the focus) wait for the frame's message pump, and none ends the program in KeyState.
TEST_F(InputTest, KeyReadsLeaveTheWindowsEventsQueued) {
  SDL_Event exposed{};
  exposed.type = SDL_WINDOWEVENT;
  exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
  exposed.window.windowID = SDL_GetWindowID(Runtime().mainWindow);
  SDL_PushEvent(&exposed);
  Press(SDL_SCANCODE_S);
  EXPECT_EQ(KeyState(31), 1);
  SDL_Event left[2];
  ASSERT_EQ(SDL_PeepEvents(left, 2, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 1);
  EXPECT_EQ(left[0].type, SDL_WINDOWEVENT);
  Frame();
  EXPECT_EQ(SDL_PeepEvents(left, 2, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}

TEST_F(InputTest, KeyTappedWithinAFrameReadsDownOnce) {
  Press(SDL_SCANCODE_RETURN);
  Release(SDL_SCANCODE_RETURN);
  EXPECT_EQ(KeyState(28), 1);
  EXPECT_EQ(KeyState(28), 0);
}

// The attract mode's idle check asks for any key; the frame loop's Esc test still sees a
// tap of Esc between two frames.
TEST_F(InputTest, AnyKeyDownTakesNoKeysPress) {
  EXPECT_EQ(AnyKeyDown(), 0);
  Press(SDL_SCANCODE_ESCAPE);
  Release(SDL_SCANCODE_ESCAPE);
  EXPECT_EQ(AnyKeyDown(), 1);
  for (double key = 2; key < 256; ++key)
    KeyState(key);  // every other key read, as a game may
  EXPECT_EQ(AnyKeyDown(), 1);
  Frame();
  EXPECT_TRUE(IsFrameKeyDown(1)) << "the tap was taken by the idle check";
  Frame();
  EXPECT_EQ(AnyKeyDown(), 0);
}

// The frame loop tests Esc, Alt and F4 on the state taken at the start of the frame.
TEST_F(InputTest, FrameLoopSeesEscAltAndF4) {
  Press(SDL_SCANCODE_LALT);
  Frame();  // the press arrives
  Frame();  // and is in the state this frame starts with
  EXPECT_TRUE(IsFrameKeyDown(56));
  EXPECT_FALSE(IsFrameKeyDown(62));
  Release(SDL_SCANCODE_LALT);  // (Alt with F4 would end the program)
  Frame();
  Press(SDL_SCANCODE_F4);
  Release(SDL_SCANCODE_F4);
  Press(SDL_SCANCODE_ESCAPE);
  Release(SDL_SCANCODE_ESCAPE);
  Frame();
  Frame();
  EXPECT_TRUE(IsFrameKeyDown(62)) << "a tap between two frames is seen";
  EXPECT_TRUE(IsFrameKeyDown(1));
  EXPECT_FALSE(IsFrameKeyDown(56));
  Frame();
  EXPECT_FALSE(IsFrameKeyDown(62));
  EXPECT_FALSE(IsFrameKeyDown(1));
}

TEST_F(InputTest, HeldKeyTypesOnceAndAgainAfterRelease) {
  Press(SDL_SCANCODE_A, "a");
  Frame();
  EXPECT_EQ(GetTypedChar(), 'a');
  EXPECT_EQ(GetTypedChar(), 0);
  Repeat(SDL_SCANCODE_A, "a");
  Frame();
  EXPECT_EQ(GetTypedChar(), 0);
  Release(SDL_SCANCODE_A);
  Frame();
  EXPECT_EQ(GetTypedChar(), 0);
  Press(SDL_SCANCODE_A, "a");
  Frame();
  EXPECT_EQ(GetTypedChar(), 'a');
}

TEST_F(InputTest, FreshPressTypesAgainWithoutAnEmptyScanBetween) {
  Press(SDL_SCANCODE_L, "l");
  Frame();
  EXPECT_EQ(GetTypedChar(), 'l');
  Release(SDL_SCANCODE_L);
  Press(SDL_SCANCODE_L, "l");
  Frame();
  EXPECT_EQ(GetTypedChar(), 'l');
}

// A slow frame takes several presses of the same key; each one is typed.
TEST_F(InputTest, EveryPressWithinOneFrameIsTyped) {
  for (const char* c : {"b", "a", "l", "l", "o", "o", "n"}) {
    const auto key = SDL_GetScancodeFromName(c);
    Press(key, c);
    Release(key);
  }
  Frame();
  std::string typed;
  for (int frame = 0; frame < 10; ++frame, Frame()) {
    if (const int c = static_cast<int>(GetTypedChar())) typed += static_cast<char>(c);
  }
  EXPECT_EQ(typed, "balloon");
}

// Dead keys, compose sequences and input methods deliver text without a key press of
// its own, sometimes several characters at once.
TEST_F(InputTest, TextWithoutAKeyPressIsTyped) {
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "\xC3\xBC\xE2\x82\xAC\xC3\xA9", sizeof text.text.text);  // ü€é
  SDL_PushEvent(&text);
  Frame();
  EXPECT_EQ(GetTypedChar(), 0xFC);
  EXPECT_EQ(GetTypedChar(), 0xE9);  // € has no Latin-1 byte
  EXPECT_EQ(GetTypedChar(), 0);
}

TEST_F(InputTest, KeyTappedWithinAFrameTypesOnce) {
  Press(SDL_SCANCODE_B, "b");
  Release(SDL_SCANCODE_B);
  Frame();
  EXPECT_EQ(KeyTyped(), 1);
  Frame();
  EXPECT_EQ(KeyTyped(), 0);
  EXPECT_STREQ(TypedKey().CStr(), "");
}

// Characters come from the layout's text: Shift, AltGr and German letters as the user
// sees them, one Latin-1 byte each.
TEST_F(InputTest, ShiftAltGrAndUmlautCharacters) {
  Press(SDL_SCANCODE_LSHIFT);
  Press(SDL_SCANCODE_A, "A");
  Frame();
  EXPECT_STREQ(TypedKey().CStr(), "A");
  Release(SDL_SCANCODE_A);
  Press(SDL_SCANCODE_2, "\"");
  Frame();
  EXPECT_EQ(GetTypedChar(), '"');
  Release(SDL_SCANCODE_2);
  Release(SDL_SCANCODE_LSHIFT);
  Frame();

  Press(SDL_SCANCODE_RALT);
  Press(SDL_SCANCODE_Q, "@");
  Frame();
  EXPECT_EQ(GetTypedChar(), '@');
  Release(SDL_SCANCODE_Q);
  Press(SDL_SCANCODE_E, "\xE2\x82\xAC");  // AltGr+E: € has no Latin-1 byte
  Frame();
  EXPECT_EQ(GetTypedChar(), 0);
  Release(SDL_SCANCODE_E);
  Release(SDL_SCANCODE_RALT);
  Frame();

  Press(SDL_SCANCODE_LEFTBRACKET, "\xC3\xBC");
  Frame();
  EXPECT_EQ(GetTypedChar(), 0xFC);
}

TEST_F(InputTest, ShiftMakesLowerCaseLettersUpperCase) {
  Press(SDL_SCANCODE_CAPSLOCK);  // Caps Lock with Shift types lower case ...
  Press(SDL_SCANCODE_RSHIFT);
  Press(SDL_SCANCODE_X, "x");
  Frame();
  EXPECT_EQ(GetTypedChar(), 'X');  // ... which Shift makes upper case again
}

TEST_F(InputTest, ReturnBackspaceAndModifiers) {
  Press(SDL_SCANCODE_LCTRL);
  Press(SDL_SCANCODE_LALT);
  Frame();
  EXPECT_EQ(GetTypedChar(), 0);
  Press(SDL_SCANCODE_BACKSPACE);
  Frame();
  EXPECT_EQ(GetTypedChar(), 8);
  Release(SDL_SCANCODE_BACKSPACE);
  Press(SDL_SCANCODE_RETURN);
  Frame();
  EXPECT_EQ(GetTypedChar(), 10);
  Release(SDL_SCANCODE_RETURN);
  Frame();
  EXPECT_EQ(GetTypedChar(), 0);
  Press(SDL_SCANCODE_KP_ENTER);
  Frame();
  EXPECT_EQ(GetTypedChar(), 10);
  EXPECT_EQ(GetTypedChar(), 0);
}

TEST_F(InputTest, TextOfAnEarlierFrameIsNotTypedLater) {
  Press(SDL_SCANCODE_Q, "q");
  Release(SDL_SCANCODE_Q);
  Frame();
  Frame();  // nobody asked for typed characters in the frame the key was typed
  EXPECT_EQ(GetTypedChar(), 0);
}

TEST_F(InputTest, WaitKeyReturnsOnATypedKey) {
  Press(SDL_SCANCODE_K, "k");
  WaitKey();
  EXPECT_EQ(KeyState(37), 1);
}

TEST_F(InputTest, IdleStepReturnsWhenAKeyGoesDown) {
  Press(SDL_SCANCODE_SPACE, " ");
  IdleStep();
  EXPECT_EQ(KeyState(57), 1);
}

}  // namespace
}  // namespace zentoir
