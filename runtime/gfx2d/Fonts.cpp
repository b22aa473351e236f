#include "gfx2d/Fonts.h"

#include <algorithm>
#include <string>

#include "files/ArchiveSlot.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/image/DefaultFont.h"
#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

static_assert(kFontSlots == kFontSprites);

int32_t ClampFont(double n) {
  return std::clamp(TruncateToInt32(n), 0, kFontSlots - 1);
}

void LoadDefaultFont(OpenGLRadazuri& r, int32_t sprite) {
  ImageBuffer image;
  BuildDefaultFont(image);
  r.LoadSpriteFromImage(sprite, image, false);
}

}  // namespace

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
