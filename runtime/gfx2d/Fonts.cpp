#include "gfx2d/Fonts.h"

#include <algorithm>
#include <string>

#include "files/ArchiveSlot.h"
#include "gfx2d/image/DefaultFont.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

// Longer texts are cut: no screen shows more glyphs, and the vertex buffer stays bounded.
constexpr size_t kMaxTextGlyphs = 65536;

int32_t ClampFont(double n) {
  return std::clamp(TruncateToInt32(n), 0, kFontSlots - 1);
}

void LoadDefaultFont(OpenGLRadazuri& r, int32_t sprite) {
  r.FreeSprite(sprite);
  ImageBuffer image;
  BuildDefaultFont(image);
  SpriteRecord& record = r.Sprite(sprite);
  if (!r.UploadImage(image, 0, 0, 0, 0, &record.texture, nullptr, false, true)) return;
  record.textureWidth = record.width = kDefaultFontWidth;
  record.textureHeight = record.height = kDefaultFontHeight;
}

}  // namespace

void OpenGLRadazuri::DrawText(int32_t font, std::string_view text, float x, float y, float z) {
  if (text.empty() || font < 0 || font >= kFontSlots) return;
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

void LoadFont(const DynString& path, double n) {
  const int32_t font = ClampFont(n);
  SelectFont(font);
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r) return;
  const int32_t sprite = kFontSpriteBase + font;
  std::string file;
  if (ResolveGeneralDataFile(path, file) &&
      r->LoadSpriteImage(sprite, file, r->FontTransparentColour(), false) == 1) {
    return;
  }
  LoadDefaultFont(*r, sprite);
}

void SelectFont(double n) {
  if (OpenGLRadazuri* r = Renderer()) r->SelectFont(ClampFont(n));
}

void PrintText(const DynString& text, double x, double y) {
  if (OpenGLRadazuri* r = ActiveRenderer())
    r->DrawText(r->SelectedFont(), text.View(), float(x), float(y), 0);
}

void PrintNumber(double number, double x, double y) {
  PrintText(NumberToText(number), x, y);
}

void GetFontSize(double& cellWidth, double& cellHeight) {
  cellWidth = cellHeight = 0;
  const OpenGLRadazuri* r = Renderer();
  if (!r) return;
  const SpriteRecord& record = r->Sprite(kFontSpriteBase + r->SelectedFont());
  const FontGrid grid = FontGridFor(record.width, record.height, 0, 0);
  cellWidth = grid.cellWidth;
  cellHeight = grid.cellHeight;
}

}  // namespace zentoir
