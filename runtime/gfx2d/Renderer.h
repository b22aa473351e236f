// How the drawing commands reach the one renderer.
#pragma once

#include "base/RuntimeContext.h"
#include "gfx2d/OpenGLRadazuri.h"

namespace zentoir {

// The renderer while it has a GL context, else null (before start-up, after shutdown):
// drawing commands then do nothing.
inline OpenGLRadazuri* ActiveRenderer() {
  OpenGLRadazuri* renderer = Runtime().renderer;
  return renderer && renderer->GLReady() ? renderer : nullptr;
}

}  // namespace zentoir
