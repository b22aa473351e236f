// The eight background images: large pictures split into square tiles of up to
// 512 × 512, drawn from the viewport's origin.
#include <algorithm>

#include "gfx2d/gl/PictureQuads.h"
#include "gfx2d/image/ImageFile.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "gfx2d/renderer/TextureNames.h"

namespace zentoir {
namespace {

constexpr int32_t kLargestTile = 512;

void DrawTile(DrawBackend& backend, const BackgroundImage& image, int tile, float x, float y) {
  const float w = float(image.tileWidth[tile]), h = float(image.tileHeight[tile]);
  const float s = w / float(image.textureWidth[tile]), t = h / float(image.textureHeight[tile]);
  DrawBackgroundTile(backend, uint32_t(image.texture[tile]), x, y, w, h, s, t);
}

}  // namespace

int OpenGLRadazuri::LoadBackgroundImage(int32_t slot, const std::string& path) {
  if (!IsBackgroundSlot(slot)) return 0;
  const int32_t tile = std::min(MaxTextureSize(), kLargestTile);
  // The record holds at most 8 × 8 tiles; a larger picture is refused before decoding.
  const int32_t largest = tile * kBackgroundTiles;
  ImageBuffer image;
  if (!ReadImageFile(path, -1, image, largest) || image.width == 0 || image.height == 0) {
    return 0;
  }
  FreeBackgroundImage(slot);
  DirectGL direct(glState);
  BackgroundImage& background = backgrounds[size_t(slot)];
  for (int32_t row = 0; row * tile < image.height; ++row) {
    int32_t column = 0;
    for (; column * tile < image.width; ++column) {
      const int index = column * kBackgroundTiles + row;
      uint32_t texture = 0;
      if (!UploadImage(image, column * tile, row * tile, tile, tile, &texture, nullptr, false,
                       false)) {
        return 0;
      }
      background.texture[index] = int32_t(texture);
      background.textureWidth[index] = background.textureHeight[index] = tile;
      background.tileWidth[index] = background.tileHeight[index] = tile;
    }
    background.columns = std::max(background.columns, column);
    background.rows = row + 1;
  }
  return 1;
}

void OpenGLRadazuri::FreeBackgroundImage(int32_t slot) {
  if (!IsBackgroundSlot(slot)) return;
  BackgroundImage& background = backgrounds[size_t(slot)];
  if (GLReady()) {
    glState.FlushAndForget();
    for (const int32_t texture : background.texture) {
      uint32_t name = uint32_t(texture);
      DeleteTextureName(name);
    }
  }
  background = BackgroundImage{};
}

void OpenGLRadazuri::DrawBackgroundImage(int32_t slot) {
  if (!IsBackgroundSlot(slot) || backgrounds[size_t(slot)].columns == 0) return;
  const BackgroundImage& background = backgrounds[size_t(slot)];
  DirectGL direct(glState);  // the picture is drawn over
  DisableSecondTextureUnit();
  DrawBackend& backend = drawBackends.Current();
  BeginBackgroundTiles(backend);
  currentSprite = 0;
  float x = 0;
  for (int32_t column = 0; column < background.columns; ++column) {
    float y = 0;
    int last = column * kBackgroundTiles;
    for (int32_t row = 0; row < background.rows; ++row) {
      last = column * kBackgroundTiles + row;
      DrawTile(backend, background, last, x, y);
      y += float(background.textureHeight[last]);
    }
    x += float(background.textureWidth[last]);
  }
  EndBackgroundTiles(backend);
  BindSprite(-1);
}

}  // namespace zentoir
