// Offscreen screens: drawing targets that land in a sprite instead of the back buffer.
#pragma once

#include <cstdint>

namespace zentoir {

constexpr int32_t kScreenCount = 32;

// Width and height are the framebuffer's (the sprite's texture size) and non-zero only
// when a framebuffer object was made; otherwise the screen is emulated in the back
// buffer.
struct OffscreenScreen {
  uint32_t framebuffer = 0;
  uint32_t depthBuffer = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t sprite = 0;
};

inline bool IsScreenNumber(int64_t s) {
  return s >= 0 && s < kScreenCount;
}

}  // namespace zentoir
