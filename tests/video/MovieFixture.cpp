#include "MovieFixture.h"

#include <GL/gl.h>

#include <cstdlib>

#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "gfx2d/renderer/Renderer.h"
#include "os/Environment.h"
#include "video/MoviePlayer.h"
#include "zentoir.h"

namespace zentoir::testing {
namespace {

struct HookState {
  double clock = 0;
  double step = 0;
  std::vector<std::array<int, 2>> probes;
  std::vector<Seen>* seen = nullptr;
  int pushAt = -1;
  SDL_Event push{};
};

HookState& Hooks() {
  static HookState state;
  return state;
}

double SteppedClock() {
  Hooks().clock += Hooks().step;
  return Hooks().clock;
}

Colour ColourAt(int x, int y) {
  unsigned char rgba[4] = {};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, 480 - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2]};
}

void PictureDrawn(double seconds) {
  HookState& h = Hooks();
  if (static_cast<int>(h.seen->size()) == h.pushAt) SDL_PushEvent(&h.push);
  Seen seen{seconds, {}};
  for (const auto& probe : h.probes)
    seen.colours.push_back(ColourAt(probe[0], probe[1]));
  h.seen->push_back(seen);
}

}  // namespace

void MovieTest::SetUpTestSuite() {
  if (Renderer()) return;
  os::SetEnvironmentValue("ZENTOIR_NO_MESSAGE_BOX", "1", true);
  suiteDir_ = std::make_unique<ScopedTempDir>();  // the error log's folder
  Settings().screenWidth = 640;
  Settings().screenHeight = 480;
  InitRuntime("", 1, "Movie Test");
}

void MovieTest::TearDownTestSuite() {
  ShutdownRuntime();
  suiteDir_.reset();
}

void MovieTest::SetUp() {
  ASSERT_NE(Renderer(), nullptr);
  SetEscapeEnds(0);
  SetAutoPause(0);
}

void MovieTest::TearDown() {
  SetMovieTestHooks(nullptr);
  PumpMessages();
}

SDL_Event MovieTest::KeyEvent(SDL_Scancode key, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = key;
  event.key.windowID = SDL_GetWindowID(Runtime().mainWindow);
  return event;
}

SDL_Event MovieTest::ButtonEvent(bool down) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.windowID = SDL_GetWindowID(Runtime().mainWindow);
  return event;
}

std::string MovieTest::Make(const std::string& name, const MovieRecipe& recipe) {
  const std::string path = dir_.Path() + name;
  EXPECT_TRUE(MakeMovie(path, recipe)) << name;
  return path;
}

int Seen::Frame(size_t i) const {
  return FrameOfColour(colours[i][0], colours[i][1], colours[i][2]);
}

double MovieTest::Play(const std::string& path, double loop, double step) {
  HookState& h = Hooks();
  h = HookState{};
  h.step = step;
  h.probes = probes_;
  h.seen = &seen_;
  h.pushAt = pushAt_;
  h.push = push_;
  static MovieTestHooks hooks;
  hooks.clock = step > 0 ? SteppedClock : nullptr;
  hooks.drawn = PictureDrawn;
  seen_.clear();
  SetMovieTestHooks(&hooks);
  const double result = PlayMovie(path.c_str(), loop);
  SetMovieTestHooks(nullptr);
  return result;
}

}  // namespace zentoir::testing
