// The one place where subsystems join start-up and the frame loop.
//
// A subsystem that needs a step at a hook point (core/Hooks.h) writes a registration
// function that adds its steps, and adds the call to it below. Registration is explicit
// because the runtime is a static library: an object file that nothing refers to is
// never linked in, so self-registering objects would silently drop out.
#include "audio/Music.h"
#include "audio/SoundDevice.h"
#include "core/Hooks.h"
#include "core/Startup.h"
#include "files/ArchiveSlot.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/Fonts.h"
#include "gfx2d/OffscreenScreens.h"
#include "input/InputSetup.h"
#include "net/NetCommands.h"

namespace zentoir {

void RegisterSubsystemHooks() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  // Sound: the device and its slots come up once the window is in its mode; the tune
  // is restarted when due, every frame and in the pause loop.
  AddRuntimeHook(RuntimeHook::InitDevices, [] { InitSoundDevice(); });
  AddRuntimeHook(RuntimeHook::MusicLoop, MusicLoopCheck);
  // Resource archives: both slots start with the program's directory.
  AddRuntimeHook(RuntimeHook::ResourceArchives, [] {
    CreateArchiveSlots();
    const DynString directory = ProgramDirectory();
    SetResourceArchives(directory, directory);
  });
  // 2D drawing: the drawing state, background image 0 and texture release; offscreen
  // screens left before each swap; the "Loading..." text.
  RegisterDrawingHooks();
  RegisterScreenHooks();
  RegisterFontHooks();
  // Input: the input object, its cursor mode, the frame's key state and every event.
  RegisterInputHooks();
  // Network: the network object (closed at shutdown after each local player's leave).
  AddRuntimeHook(RuntimeHook::CreateNetwork, CreateNetworkObject);
}

}  // namespace zentoir
