// The background image that the frame loop draws at the start of every frame: loading
// and clearing (the cross-fade is in modal/Fade.h).
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Loads the picture (through the resource archive) as background image 0 and draws it;
// when it cannot be loaded, the background is cleared.
void LoadBackground(const DynString& path);
// Frees background image 0 and clears the screen.
void ClearBackground();

}  // namespace zentoir
