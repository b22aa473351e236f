// Compiled into every test program: without a display or a sound card the tests use
// SDL's offscreen video and dummy audio drivers, unless the caller chose others.
#include <cstdlib>

namespace {

struct HeadlessDefaults {
  HeadlessDefaults() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ZENTOIR_NO_MESSAGE_BOX", "1", 0);
  }
};

const HeadlessDefaults headlessDefaults;

}  // namespace
