// The polygon primitive's draw: one triangle fan with a colour (and texture
// coordinates) per vertex.
#pragma once

#include <cstddef>

namespace zentoir {

struct PolygonVertex {
  float x, y, s, t, red, green, blue, alpha;
};

// Draws the fan with smooth shading from client arrays, then puts back the fixed 2D
// state (flat shading, texturing on, colour white with `alpha`). GL is used directly.
void DrawPolygonFan(const PolygonVertex* vertices, size_t count, bool textured, float alpha);

}  // namespace zentoir
