// The one place where subsystems join start-up and the frame loop.
//
// A subsystem that needs a step at a hook point (core/Hooks.h) writes a registration
// function that adds its steps, and adds the call to it below. Registration is explicit
// because the runtime is a static library: an object file that nothing refers to is
// never linked in, so self-registering objects would silently drop out.
#include "audio/Music.h"
#include "audio/SoundDevice.h"
#include "core/Hooks.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/Fonts.h"
#include "gfx2d/OffscreenScreens.h"

namespace zentoir {

void RegisterSubsystemHooks() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterDrawingHooks();
  RegisterScreenHooks();
  RegisterFontHooks();
  // Sound: the device and its slots come up once the window is in its mode; the tune
  // is restarted when due, every frame and in the pause loop.
  AddRuntimeHook(RuntimeHook::InitDevices, [] { InitSoundDevice(); });
  AddRuntimeHook(RuntimeHook::MusicLoop, MusicLoopCheck);
  // Registration calls of the input, network and archive subsystems go here.
}

}  // namespace zentoir
