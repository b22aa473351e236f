// Compiled into every test program: without a display or a sound card the tests use
// SDL's headless video driver and its dummy audio driver, unless the caller chose others.
#include "os/Environment.h"
#include "support/Platform.h"

namespace {

struct HeadlessDefaults {
  HeadlessDefaults() {
    zentoir::os::SetEnvironmentValue("SDL_VIDEODRIVER", zentoir::testing::HeadlessVideoDriver(),
                                     false);
    zentoir::os::SetEnvironmentValue("SDL_AUDIODRIVER", "dummy", false);
    zentoir::os::SetEnvironmentValue("ZENTOIR_NO_MESSAGE_BOX", "1", false);
  }
};

const HeadlessDefaults headlessDefaults;

}  // namespace
