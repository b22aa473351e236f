// Movies: played over the whole window while the game waits.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Plays the movie file (looked up like music: loose file, then the resource archive)
// in the window, scaled to fit and centred on black, with its sound beside the music.
// Waits first until no key types and no mouse button is down; a key or mouse button
// pressed during the movie ends it. Esc and closing the window end the program as
// they do at frames. Returns 0, or 3 when the file cannot be found, opened or decoded.
double PlayMovie(const DynString& path);
// The same; with a non-zero loop flag the movie starts again at its end.
double PlayMovie(const DynString& path, double loop);

}  // namespace zentoir
