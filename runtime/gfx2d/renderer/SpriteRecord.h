// The renderer's image records: numbered sprites and tiled background images.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace zentoir {

constexpr int32_t kSpriteCount = 65536;
constexpr int32_t kFontSpriteBase = 65504;  // fonts 0..31 live in sprites 65504..65535
constexpr int32_t kFontSprites = kSpriteCount - kFontSpriteBase;
constexpr int32_t kScratchSprite = 65503;  // used by emulated offscreen screens
constexpr int32_t kBackgroundSlots = 8;
constexpr int32_t kBackgroundTiles = 8;  // columns and rows at most

// One texture holding one image; free: no textures, texture size -1 × -1, size 0 × 0.
struct SpriteRecord {
  uint32_t texture = 0;
  uint32_t mipTexture = 0;
  int16_t textureWidth = -1;
  int16_t textureHeight = -1;
  int16_t width = 0;
  int16_t height = 0;
  int16_t frameWidth = 0;  // animation frame size; 0 when not animated
  int16_t frameHeight = 0;
};

// A large image split into square tiles, indexed column × 8 + row.
struct BackgroundImage {
  int32_t texture[kBackgroundTiles * kBackgroundTiles] = {};
  int32_t textureWidth[kBackgroundTiles * kBackgroundTiles] = {};
  int32_t textureHeight[kBackgroundTiles * kBackgroundTiles] = {};
  int32_t tileWidth[kBackgroundTiles * kBackgroundTiles] = {};
  int32_t tileHeight[kBackgroundTiles * kBackgroundTiles] = {};
  int32_t columns = 0;
  int32_t rows = 0;
};

// The cached alpha plane of each sprite, read back on the first collision test.
using AlphaMaskCache = std::vector<std::vector<uint8_t>>;

inline bool IsSpriteNumber(int64_t n) {
  return n >= 0 && n < kSpriteCount;
}
inline bool IsBackgroundSlot(int64_t slot) {
  return slot >= 0 && slot < kBackgroundSlots;
}

}  // namespace zentoir
