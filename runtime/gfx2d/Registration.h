// How 2D drawing joins start-up: the hook registration that RegisterSubsystemHooks
// calls. The frame and the window reach the renderer through its own methods.
#pragma once

namespace zentoir {

// Joins the "Loading..." screen to start-up (called at start-up).
void RegisterFontHooks();

}  // namespace zentoir
