// The scaled screen's framebuffer: the screen is drawn into it at the screen mode's size
// and shown scaled to the window.
#pragma once

#include <cstdint>

namespace zentoir {

struct ScaledTarget {
  bool on = false;
  uint32_t framebuffer = 0;
  uint32_t texture = 0;
  uint32_t depthStencil = 0;
  int32_t width = 0;
  int32_t height = 0;
};

}  // namespace zentoir
