// Text drawn from a font slot as one batch of quads.
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "gfx2d/renderer/SpriteRecord.h"

namespace zentoir {

namespace {

// Longer texts are cut: no screen shows more glyphs, and the vertex buffer stays bounded.
constexpr size_t kMaxTextGlyphs = 65536;

}  // namespace

void OpenGLRadazuri::DrawText(int32_t font, std::string_view text, float x, float y, float z) {
  if (text.empty() || font < 0 || font >= kFontSprites) return;
  text = text.substr(0, kMaxTextGlyphs);
  const int32_t sprite = kFontSpriteBase + font;
  BindSprite(sprite);
  const SpriteRecord& record = spriteTable[sprite];
  PrepareTexturedFragments(record.texture);
  const FontGrid grid =
      FontGridFor(record.width, record.height, record.textureWidth, record.textureHeight);
  const size_t count = text.size() * 4;
  textVertices.reserve(TextBufferCapacity(textVertices.capacity(), count));
  textVertices.resize(count);
  LayoutText(grid, text, x, y, z, textVertices.data());
  quadBatch.AddTextQuads(textVertices.data(), count);
}

}  // namespace zentoir
