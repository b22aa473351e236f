// The one place where subsystems join start-up and the frame loop.
//
// A subsystem that needs a step at a hook point (core/Hooks.h) writes a registration
// function that adds its steps, and adds the call to it below. Registration is explicit
// because the runtime is a static library: an object file that nothing refers to is
// never linked in, so self-registering objects would silently drop out.
#include "core/Subsystems.h"

#include "audio/Music.h"
#include "audio/MusicTrack.h"
#include "audio/SoundDevice.h"
#include "base/Hooks.h"
#include "core/Startup.h"
#include "files/ArchiveSlot.h"
#include "input/InputSetup.h"
#include "net/NetCommands.h"
#include "net/NetworkObject.h"

namespace zentoir {

void RegisterSubsystemHooks() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  // Sound: the device and its slots come up once the window is in its mode; the tune
  // is restarted when due: every frame, in the pause loop and in the waits.
  AddRuntimeHook(RuntimeHook::InitDevices, [] { InitSoundDevice(); });
  AddRuntimeHook(RuntimeHook::MusicLoop, MusicLoopCheck);
  // Resource archives: both slots start with the program's directory.
  AddRuntimeHook(RuntimeHook::ResourceArchives, [] {
    CreateArchiveSlots();
    const DynString directory = ProgramDirectory();
    SetResourceArchives(directory, directory);
  });
  // Input: the input object, its cursor mode, the frame's key state and every event.
  RegisterInputHooks();
  // Network: the network object (closed at shutdown after each local player's leave).
  AddRuntimeHook(RuntimeHook::CreateNetwork, CreateNetworkObject);
}

}  // namespace zentoir
