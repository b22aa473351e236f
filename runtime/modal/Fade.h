// The cross-fade to a new background picture: a modal command that presents frames.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Cross-fades from the current screen to the picture over 1500 ms (presenting frames),
// then makes it background image 0. Nothing happens when the file cannot be found.
void FadeToBackground(const DynString& path);

}  // namespace zentoir
