// The one place where subsystems join start-up and the frame loop.
#pragma once

namespace zentoir {

// Calls each subsystem's registration function; run once, at the start of InitRuntime.
void RegisterSubsystemHooks();

}  // namespace zentoir
