// Saving the screen or a sprite as an image file: PNG when the path ends in ".png" (any
// case, with at least one character before the point), else a 24-bit Windows bitmap.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Writes the back buffer; 1 written, 0 not.
double SaveScreen(const DynString& path);
// Writes sprite n's image; 1 written, 0 not (also for a free sprite).
double SaveSprite(const DynString& path, double n);

}  // namespace zentoir
