// The one place where subsystems join start-up and the frame loop.
//
// A subsystem that needs a step at a hook point (core/Hooks.h) writes a registration
// function that adds its steps, and adds the call to it below. Registration is explicit
// because the runtime is a static library: an object file that nothing refers to is
// never linked in, so self-registering objects would silently drop out.
#include "core/Hooks.h"
#include "gfx2d/DrawingState.h"
#include "input/InputSetup.h"

namespace zentoir {

void RegisterSubsystemHooks() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterDrawingHooks();
  RegisterInputHooks();
  // Registration calls of the input, audio, network, archive and font subsystems go here.
}

}  // namespace zentoir
