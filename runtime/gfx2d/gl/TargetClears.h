// The drawing target: its viewport, clearing it, and handing queued commands to GL.
#pragma once

#include <cstdint>

namespace zentoir {

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
