// Joins the input object to start-up, the frame loop, screen-mode switches and the
// program's end.
#pragma once

namespace zentoir {

// Called once from RegisterSubsystemHooks.
void RegisterInputHooks();

}  // namespace zentoir
