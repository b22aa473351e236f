// The renderer's numbered sprites: loading images into textures, binding, freeing and
// the alpha planes used by collision tests.
#include <algorithm>

#include "gfx2d/image/ImageFile.h"
#include "gfx2d/image/TextureAlpha.h"
#include "gfx2d/image/TexturePixels.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "gfx2d/renderer/TextureNames.h"

namespace zentoir {
namespace {

// Texture sides must fit the records' 16-bit fields.
constexpr int32_t kLargestTexture = 16384;

void UploadLevel(int level, const TexelBlock& block) {
  UploadRgbaLevel(level, block.width, block.height, block.bytes.data());
}

// A mipmapped copy whose levels the program computes itself.
void UploadMipmappedCopy(OpenGLRadazuri& r, const TexelBlock& block, uint32_t* mipTexture) {
  const uint32_t texture = NewTextureName(r, mipTexture, false);
  UseBoundMipmaps();
  r.ForgetTextureState(texture);
  const std::vector<TexelBlock> levels = BuildMipLevels(block);
  for (size_t level = 0; level < levels.size(); ++level)
    UploadLevel(int(level), levels[level]);
}

}  // namespace

int32_t OpenGLRadazuri::MaxTextureSize() const {
  return std::clamp<int32_t>(LargestTextureSide(), 64, kLargestTexture);
}

void OpenGLRadazuri::SetBoundTextureFilter(uint32_t texture, int32_t filter) {
  if (texture < textureFilters.size() && textureFilters[texture] == filter) return;
  quadBatch.Flush();  // the pending quads keep the filter they were added with
  SetBoundFilter(filter);
  if (texture < textureFilters.size()) textureFilters[texture] = filter;
}

TextureAlpha OpenGLRadazuri::AlphaOfTexture(uint32_t texture) const {
  return texture < textureAlphas.size() ? textureAlphas[texture] : TextureAlpha::Translucent;
}

void OpenGLRadazuri::SetTextureAlpha(uint32_t texture, TextureAlpha alpha) {
  if (textureAlphas.size() <= texture) textureAlphas.resize(texture + 1, TextureAlpha::Translucent);
  textureAlphas[texture] = alpha;
}

void OpenGLRadazuri::PrepareTexturedFragments(uint32_t texture) {
  float colourAlpha = 0;
  FragmentState state;
  if (fragmentShortcuts && glState.WhiteColourAlpha(colourAlpha)) {
    const bool nearest =
        texture < textureFilters.size() && textureFilters[texture] == NearestFilter();
    state = FragmentStateFor(AlphaOfTexture(texture), nearest, glState.RequestedBlendMode(),
                             colourAlpha);
  } else {
    state.blending = glState.RequestedBlendMode() != BlendMode::Off;
  }
  glState.SetBlending(state.blending);
  glState.SetAlphaTest(state.alphaTest);
  glState.SetTextureReplace(state.replaceColour);
}

void OpenGLRadazuri::DisableSecondTextureUnit() {
  if (!HasSecondTextureUnit() || secondUnitDisabled) return;
  quadBatch.Flush();
  DisableSecondUnitTexturing();
  secondUnitDisabled = 1;
}

void OpenGLRadazuri::BindSprite(int32_t n) {
  currentSprite = n;
  DisableSecondTextureUnit();
  if (!IsSpriteNumber(n)) {
    glState.SetTexturing(false);
    return;
  }
  glState.BindTexture(spriteTable[n].texture);
  glState.SetTexturing(true);
}

int OpenGLRadazuri::FreeSprite(int32_t n) {
  if (!IsSpriteNumber(n)) return 0;
  SpriteRecord& sprite = spriteTable[n];
  if (GLReady()) {
    DirectGL direct(glState);  // pending quads may show this texture
    DeleteTextureName(sprite.texture);
    DeleteTextureName(sprite.mipTexture);
  }
  sprite.texture = sprite.mipTexture = 0;
  sprite.textureWidth = sprite.textureHeight = -1;
  sprite.width = sprite.height = 0;
  alphaMaskCache[size_t(n)] = {};
  return 0;
}

int OpenGLRadazuri::UploadImage(const ImageBuffer& image, int32_t x, int32_t y, int32_t w,
                                int32_t h, uint32_t* texture, uint32_t* mipTexture, bool normalMap,
                                bool fontMode) {
  TexelBlock block;
  if (!BuildTexels(image, x, y, w, h, MaxTextureSize(), fontMode, block)) return 0;
  DirectGL direct(glState);
  SetUnpackState();
  NewTextureName(*this, texture, fontMode);
  if (normalMap) block = MakeNormalMap(block);
  UploadLevel(0, block);
  SetTextureAlpha(*texture, ClassifyAlpha(block));
  if (mipTexture) UploadMipmappedCopy(*this, block, mipTexture);
  return 1;
}

int OpenGLRadazuri::LoadSpriteImage(int32_t n, const std::string& path, int64_t colourKey,
                                    bool normalMap) {
  if (!IsSpriteNumber(n)) return 0;
  ImageBuffer image;
  // Images larger than the largest texture are refused rather than cut.
  if (!ReadImageFile(path, colourKey, image, MaxTextureSize())) {
    FreeSprite(n);  // a failed load leaves the sprite empty
    return 0;
  }
  return LoadSpriteFromImage(n, image, normalMap);
}

int OpenGLRadazuri::LoadSpriteFromImage(int32_t n, const ImageBuffer& image, bool normalMap) {
  if (!IsSpriteNumber(n)) return 0;
  FreeSprite(n);
  if (image.width == 0 || image.height == 0) return 0;
  SpriteRecord& sprite = spriteTable[n];
  const bool font = n >= kFontSpriteBase;
  if (!UploadImage(image, 0, 0, 0, 0, &sprite.texture, font ? nullptr : &sprite.mipTexture,
                   !font && normalMap, font)) {
    return 0;
  }
  sprite.textureWidth = static_cast<int16_t>(TextureSizeFor(image.width));
  sprite.textureHeight = static_cast<int16_t>(TextureSizeFor(image.height));
  sprite.width = static_cast<int16_t>(image.width);
  sprite.height = static_cast<int16_t>(image.height);
  return 1;
}

void OpenGLRadazuri::SetSpriteFrame(int32_t n, int16_t frameWidth, int16_t frameHeight) {
  spriteTable[n].frameWidth = frameWidth;
  spriteTable[n].frameHeight = frameHeight;
}

void OpenGLRadazuri::ReleaseAllTextures() {
  for (int32_t n = 0; n < kSpriteCount; ++n)
    FreeSprite(n);
  for (int32_t slot = 0; slot < kBackgroundSlots; ++slot)
    FreeBackgroundImage(slot);
}

const std::vector<uint8_t>& OpenGLRadazuri::AlphaMask(int32_t n) {
  std::vector<uint8_t>& mask = alphaMaskCache[size_t(n)];
  const SpriteRecord& sprite = spriteTable[n];
  if (!mask.empty() || sprite.texture == 0 || !GLReady()) return mask;
  mask.resize(size_t(sprite.textureWidth) * size_t(sprite.textureHeight));
  DirectGL direct(glState);
  ReadTextureAlpha(sprite.texture, sprite.textureWidth, sprite.textureHeight, mask.data());
  BindSprite(currentSprite);
  return mask;
}

std::vector<uint8_t> OpenGLRadazuri::SpriteTexels(int32_t n) {
  const SpriteRecord& sprite = spriteTable[n];
  if (sprite.texture == 0 || !GLReady()) return {};
  std::vector<uint8_t> pixels(size_t(sprite.textureWidth) * size_t(sprite.textureHeight) * 3);
  ForgetGLState();  // the texture is bound directly
  ReadTextureBgr(sprite.texture, sprite.textureWidth, sprite.textureHeight, pixels.data());
  BindSprite(currentSprite);
  return pixels;
}

}  // namespace zentoir
