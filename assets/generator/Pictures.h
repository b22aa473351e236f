// The small pictures of the board screen: mouse pointer, cell outline and wall tile.
#pragma once

#include "Image.h"

namespace pindrake_assets {

Image MakePointer();      // arrow whose tip is the top-left pixel (the hot spot)
Image MakeCellOutline();  // 40 × 40 frame drawn over the cell under the pointer
Image MakeWallTile();     // 40 × 40 bricks that join seamlessly in every direction

}  // namespace pindrake_assets
