// The subsystem steps of InitRuntime, in the order it takes them, and a watcher that
// may look on (the start-up tests check the order with one). Without a watcher the
// steps are simply taken.
#pragma once

namespace zentoir {

enum class StartupStep {
  CreateDevices,     // the input object created
  CreateNetwork,     // the network object created
  InitDevices,       // sound, then input, set up with the window in its mode
  ResourceArchives,  // both archive slots set up with the program's directory
  CursorMode,        // the cursor mode of the start-up settings applied
};

// Told of each step just before it is taken; null for none.
using StartupWatcher = void (*)(StartupStep step);
void WatchStartup(StartupWatcher watcher);

// Called by InitRuntime as it reaches each step.
void AnnounceStartupStep(StartupStep step);

}  // namespace zentoir
