// The drawing subsystem's one renderer, and how the drawing commands reach it.
#pragma once

#include <memory>

#include "gfx2d/renderer/OpenGLRadazuri.h"

namespace zentoir {

// The renderer, or null before start-up and after shutdown.
OpenGLRadazuri* Renderer();
// Makes `renderer` the program's renderer; the one held before is destroyed.
void SetRenderer(std::unique_ptr<OpenGLRadazuri> renderer);
// Destroys the renderer (the shutdown step); Renderer() is null afterwards. Its window
// stays open for the devices released after it.
void ReleaseRenderer();
// Destroys the window the renderer opened (the last shutdown step).
void DestroyRendererWindow();

// The renderer while it has a GL context, else null (before start-up, after shutdown):
// drawing commands then do nothing.
inline OpenGLRadazuri* ActiveRenderer() {
  OpenGLRadazuri* renderer = Renderer();
  return renderer && renderer->GLReady() ? renderer : nullptr;
}

}  // namespace zentoir
