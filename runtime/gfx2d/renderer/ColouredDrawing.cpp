// The primitives' draws: coloured vertices through the quad batch, polygons directly.
#include <GL/gl.h>

#include "gfx2d/renderer/OpenGLRadazuri.h"

namespace zentoir {

void OpenGLRadazuri::DrawColoured(uint32_t mode, const float* xy, size_t vertexCount,
                                  uint32_t colour) {
  const auto alphaByte =
      static_cast<uint8_t>(static_cast<int>(AlphaOfColour(colour) * 255.0f) & 0xFF);
  const uint8_t rgba[4] = {uint8_t(colour), uint8_t(colour >> 8), uint8_t(colour >> 16), alphaByte};
  glState.SetAlphaTest(false);
  glState.UseBlendMode();
  BindSprite(-1);
  quadBatch.AddColoured(mode, xy, vertexCount, rgba);
  glState.SetColour(1, 1, 1, currentAlpha);
}

void OpenGLRadazuri::DrawPolygon(const std::vector<PolygonVertex>& vertices) {
  if (vertices.empty()) return;
  glState.SetAlphaTest(true);  // as the sprites have it
  const DirectGL direct(glState);
  const bool textured = IsSpriteNumber(currentSprite);
  if (textured) SetBoundTextureFilter(spriteTable[currentSprite].texture, SmoothingFilter());
  drawBackends.Current().DrawFan(vertices.data(), vertices.size(), textured, currentAlpha);
}

}  // namespace zentoir
