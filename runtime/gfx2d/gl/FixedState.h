// The fixed-function state 2D drawing starts from, and clearing the drawing target.
#pragma once

#include <cstdint>

namespace zentoir {

// A viewport of w × h at (x, y) from the top-left of a target `targetHeight` tall, an
// orthographic projection with y downwards, and the 2D state: texturing and the alpha
// test on, culling of clockwise faces, no depth test, flat shading, white, and every
// smoothing, lighting and dithering capability off. GL is set directly.
void SetFixed2DState(int32_t x, int32_t y, int32_t w, int32_t h, int32_t targetHeight);
// The viewport alone, from the target's origin.
void SetViewportSize(int32_t w, int32_t h);

// Clears colour to transparent black.
void ClearColourOnly();
// Clears colour, depth and stencil (a plain fill where depth and stencil share a buffer).
void ClearEveryBuffer();
void ClearColourAndDepth();
// Hands the queued commands to the GL.
void FlushCommands();

}  // namespace zentoir
