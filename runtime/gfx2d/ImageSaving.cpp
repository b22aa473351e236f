#include "gfx2d/ImageSaving.h"

#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {

double SaveScreen(const DynString& path) {
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r) return 0;
  const std::vector<uint8_t> pixels = r->ReadBackBuffer();
  const int32_t w = r->ScreenWidth(), h = r->ScreenHeight();
  return r->SaveImageFile(std::string(path.View()), pixels, w, h, w, h);
}

double SaveSprite(const DynString& path, double n) {
  const int32_t sprite = TruncateToInt32(n);
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r || !IsSpriteNumber(sprite)) return 0;
  const std::vector<uint8_t> pixels = r->SpriteTexels(sprite);
  if (pixels.empty()) return 0;
  const SpriteRecord& record = r->Sprite(sprite);
  return r->SaveImageFile(std::string(path.View()), pixels, record.width, record.height,
                          record.textureWidth, record.textureHeight);
}

}  // namespace zentoir
