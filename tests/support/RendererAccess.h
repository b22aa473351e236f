// What tests read or set inside the renderer beyond its methods: the offscreen screens,
// the viewport and the frame pacing.
#pragma once

#include "gfx2d/renderer/OpenGLRadazuri.h"

namespace zentoir {

struct RendererTestAccess {
  static const OffscreenScreen& Screen(const OpenGLRadazuri& r, int32_t s) {
    return r.screens[size_t(s)];
  }
  static int32_t ActiveScreen(const OpenGLRadazuri& r) { return r.activeScreen; }
  static int32_t ViewportWidth(const OpenGLRadazuri& r) { return r.viewportWidth; }
  static double& FrameInterval(OpenGLRadazuri& r) { return r.frameInterval; }
};

}  // namespace zentoir
