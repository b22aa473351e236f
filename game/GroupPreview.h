// The group under the outline: every balloon a burst would take is outlined, and the
// points it would score are shown under the points counter.
#pragma once

#include "Globals.h"

namespace pindrake {

// The points a burst at the hovered cell would score now; 0 when nothing would burst
// (no hovered cell, a lone balloon, or balloons still moving).
double PreviewPoints();
// Outlines the group and prints "+points" beside the counters.
void DrawGroupPreview();

}  // namespace pindrake
