// The background image that the frame loop draws at the start of every frame: loading,
// cross-fading to another picture, clearing.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Loads the picture (through the resource archive) as background image 0 and draws it;
// when it cannot be loaded, the background is cleared.
void LoadBackground(const DynString& path);
// Cross-fades from the current screen to the picture over 1500 ms (presenting frames),
// then makes it background image 0. Nothing happens when the file cannot be found.
void FadeToBackground(const DynString& path);
// Frees background image 0 and clears the screen.
void ClearBackground();

}  // namespace zentoir
