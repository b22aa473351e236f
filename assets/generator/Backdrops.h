// The large tiles repeated over the whole screen; each one joins seamlessly with copies
// of itself on every side.
#pragma once

#include "Image.h"

namespace pindrake_assets {

constexpr int kBackdropSize = 256;

Image MakeCloudySky();  // blue sky with soft white clouds, the background of every screen
Image MakeClearSky();   // the same sky without clouds
Image MakeMarble();     // pale veined marble
Image MakeStarryNight();

}  // namespace pindrake_assets
