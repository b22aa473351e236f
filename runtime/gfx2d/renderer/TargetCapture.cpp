// Captures from the drawing target into sprites and backgrounds, and pixel read-back.
#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "gfx2d/gl/PixelReads.h"
#include "gfx2d/image/ImageBuffer.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "gfx2d/renderer/TextureNames.h"

namespace zentoir {

namespace {

constexpr int32_t kFirstTile = 128;
constexpr int32_t kKeyProbe = 4;  // the probe pixel of the key read-back

// The smallest power of two that is at least 32 and not less than n.
int32_t CaptureSizeFor(int32_t n) {
  int32_t size = 32;
  while (size < n)
    size *= 2;
  return size;
}

// A fresh linear, repeating texture of T × U RGBA texels without data.
uint32_t NewCaptureTexture(OpenGLRadazuri& r, int32_t T, int32_t U) {
  SetUnpackState();
  const uint32_t texture = NewTextureName(r, nullptr, false);
  UploadBgra(T, U, nullptr);
  return texture;
}

// Binds sprite n's texture when it has the size T × U already, else makes a new one.
void PrepareCaptureTexture(OpenGLRadazuri& r, SpriteRecord& sprite, int32_t T, int32_t U) {
  if (sprite.texture != 0 && sprite.textureWidth == T && sprite.textureHeight == U) {
    BindTexture(sprite.texture);
    r.SetTextureAlpha(sprite.texture, TextureAlpha::Translucent);  // captured pixels follow
    return;
  }
  DeleteTextureName(sprite.texture);
  DeleteTextureName(sprite.mipTexture);
  sprite.texture = NewCaptureTexture(r, T, U);
}

}  // namespace

int32_t OpenGLRadazuri::TargetWidth() const {
  if (activeScreen < 0 || screens[size_t(activeScreen)].width == 0) return width;
  return spriteTable[screens[size_t(activeScreen)].sprite].width;
}

int32_t OpenGLRadazuri::TargetHeight() const {
  if (activeScreen < 0 || screens[size_t(activeScreen)].height == 0) return height;
  return spriteTable[screens[size_t(activeScreen)].sprite].height;
}

// A framebuffer screen draws into an RGBA texture; the back buffer is asked, and a
// non-zero answer kept for the rest of the run.
bool OpenGLRadazuri::TargetHasAlpha() {
  if (activeScreen >= 0 && screens[size_t(activeScreen)].width != 0) return true;
  if (alphaBits == 0) alphaBits = TargetAlphaBits();
  return alphaBits != 0;
}

void OpenGLRadazuri::CopyTargetIntoTexture(int32_t x, int32_t y, int32_t w, int32_t h) {
  quadBatch.Flush();
  CopyTargetToBound(x, TargetHeight() - y - h, w, h);
}

void OpenGLRadazuri::ReadTargetIntoTexture(uint32_t texture, int32_t x, int32_t y, int32_t w,
                                           int32_t h, int32_t T, int32_t U) {
  const size_t bytes = size_t(T) * size_t(U) * 4;
  if (captureScratch.size() < bytes) captureScratch.resize(bytes);
  std::memset(captureScratch.data(), 0, bytes);
  ReadBgraRows(x, TargetHeight() - y - h, w, h, T, captureScratch.data());
  const uint32_t key = ReadKeyColourFromScreen();
  glState.FlushAndForget();  // the texture is bound directly below
  const uint8_t keyRed = key >> 24, keyGreen = (key >> 16) & 255, keyBlue = (key >> 8) & 255;
  for (int32_t row = 0; row < h; ++row) {  // texels outside the rectangle stay transparent
    uint8_t* bgra = &captureScratch[size_t(row) * size_t(T) * 4];
    for (int32_t column = 0; column < w; ++column, bgra += 4) {
      if (bgra[0] == keyBlue && bgra[1] == keyGreen && bgra[2] == keyRed) bgra[3] = 0;
    }
  }
  BindTexture(texture);
  UploadBgra(T, U, captureScratch.data());
}

bool OpenGLRadazuri::KeyTargetIntoTexture(uint32_t texture, int32_t x, int32_t y, int32_t w,
                                          int32_t h, int32_t T, int32_t U) {
  const uint32_t target = BackBufferFramebuffer();
  if (eightBitColour.answer < 0 || eightBitColour.framebuffer != target)
    eightBitColour = {target, int8_t(TargetHasEightBitColour() ? 1 : 0)};
  if (eightBitColour.answer == 0) return false;
  quadBatch.Flush();
  KeyedCopy copy;
  copy.texture = texture;
  copy.x = x, copy.yFromBottom = TargetHeight() - y - h, copy.width = w, copy.height = h;
  copy.textureWidth = T, copy.textureHeight = U;
  copy.key = {uint8_t(transparentColour), uint8_t(transparentColour >> 8),
              uint8_t(transparentColour >> 16)};
  copy.targetFramebuffer = target;
  copy.viewport = {viewportX, height - viewportHeight - viewportY, viewportWidth, viewportHeight};
  return drawBackends.Current().CopyKeyed(copy);
}

int OpenGLRadazuri::CaptureSprite(int32_t n, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!IsSpriteNumber(n) || w < 1 || h < 1 || w > MaxTextureSize() || h > MaxTextureSize())
    return 0;
  const int32_t T = CaptureSizeFor(w), U = CaptureSizeFor(h);
  DirectGL direct(glState);
  SpriteRecord& sprite = spriteTable[n];
  const int32_t bound = currentSprite;
  PrepareCaptureTexture(*this, sprite, T, U);
  if (TargetHasAlpha()) {
    CopyTargetIntoTexture(x, y, w, h);
  } else if (!KeyTargetIntoTexture(sprite.texture, x, y, w, h, T, U)) {
    ReadTargetIntoTexture(sprite.texture, x, y, w, h, T, U);
  }
  sprite.textureWidth = int16_t(T);
  sprite.textureHeight = int16_t(U);
  sprite.width = int16_t(w);
  sprite.height = int16_t(h);
  alphaMaskCache[size_t(n)] = {};  // the collision mask of the old picture is stale
  BindSprite(bound);
  return 1;
}

void OpenGLRadazuri::CaptureScreenToBackground(int32_t slot) {
  if (!IsBackgroundSlot(slot)) return;
  DirectGL direct(glState);
  const int32_t SW = TargetWidth(), SH = TargetHeight(), largest = MaxTextureSize();
  int32_t E = kFirstTile;
  while (E < std::max(SW, SH) && E < largest)
    E *= 2;
  BackgroundImage& image = backgrounds[size_t(slot)];
  int32_t rows = 0;
  for (int32_t r = 0; r < kBackgroundTiles && r * E < SH; ++r, ++rows) {
    int32_t columns = 0;
    for (int32_t c = 0; c < kBackgroundTiles && c * E < SW; ++c, ++columns) {
      const int tile = c * kBackgroundTiles + r;
      if (image.texture[tile] != 0 && image.textureWidth[tile] == E &&
          image.textureHeight[tile] == E) {
        BindTexture(uint32_t(image.texture[tile]));
      } else {
        uint32_t old = uint32_t(image.texture[tile]);
        DeleteTextureName(old);
        image.texture[tile] = int32_t(NewCaptureTexture(*this, E, E));
      }
      const int32_t x = c * E, y = r * E;
      const int32_t tw = std::min(E, SW - x), th = std::min(E, SH - y);
      CopyTargetToBound(x, SH - y - th, tw, th);
      image.textureWidth[tile] = image.textureHeight[tile] = E;
      image.tileWidth[tile] = tw;
      image.tileHeight[tile] = th;
    }
    image.columns = columns;
  }
  image.rows = rows;
  BindSprite(currentSprite);
}

uint32_t OpenGLRadazuri::ReadPixel(int32_t x, int32_t y) {
  uint8_t rgb[3] = {};
  if (x < 0 || y < 0 || x >= TargetWidth() || y >= TargetHeight()) return 0;
  quadBatch.Flush();
  ReadRgbPixel(x, TargetHeight() - 1 - y, rgb);
  return ColourNumber(rgb[0], rgb[1], rgb[2]);
}

// Draws the transparent colour into a probe pixel and reads it back, so the key matches
// what the target stores at its depth. The probe is written without blending (a blended
// write would not show the key) at the viewport's origin + 4, where a pixel drawn at (4, 4) lands.
uint32_t OpenGLRadazuri::ReadKeyColourFromScreen() {
  if (transparentColour == 0) return 0;
  const int32_t px = viewportX + kKeyProbe, py = viewportY + kKeyProbe;
  const uint32_t kept = ReadPixel(px, py);
  const float probe[2] = {float(kKeyProbe), float(kKeyProbe)};
  const BlendMode mode = glState.RequestedBlendMode();
  glState.SetBlendMode(BlendMode::Off);
  DrawColoured(GL_POINTS, probe, 1, transparentColour);
  const uint32_t stored = ReadPixel(px, py);
  DrawColoured(GL_POINTS, probe, 1, kept);
  glState.SetBlendMode(mode);
  const uint32_t red = stored & 255, green = (stored >> 8) & 255, blue = (stored >> 16) & 255;
  return red << 24 | green << 16 | blue << 8;
}

}  // namespace zentoir
