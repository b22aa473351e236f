// Compiled into every test program: without a display or a sound card the tests use
// SDL's headless video driver and its dummy audio driver, unless the caller chose others.
// The OpenGL driver keeps no shader cache: it would write outside the tests' folders, and
// its writing thread, still busy as a program ends, can stop the leak checker's scan.
#include "os/Environment.h"
#include "support/Platform.h"

namespace {

struct HeadlessDefaults {
  HeadlessDefaults() {
    zentoir::os::SetEnvironmentValue("SDL_VIDEODRIVER", zentoir::testing::HeadlessVideoDriver(),
                                     false);
    zentoir::os::SetEnvironmentValue("SDL_AUDIODRIVER", "dummy", false);
    zentoir::os::SetEnvironmentValue("ZENTOIR_NO_MESSAGE_BOX", "1", false);
    zentoir::os::SetEnvironmentValue("MESA_SHADER_CACHE_DISABLE", "true", false);
  }
};

const HeadlessDefaults headlessDefaults;

}  // namespace
