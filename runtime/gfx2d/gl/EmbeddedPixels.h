// OpenGL ES (and WebGL) reads and writes texels as RGBA bytes only: no BGR or BGRA
// formats, no row lengths, no reading a texture back. These calls give the renderer's
// formats on such a context.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentoir {

// The w × h texels of the texture's first level, as RGBA, read through a framebuffer
// of their own. The bound framebuffer stays bound.
std::vector<uint8_t> ReadTextureRgba(uint32_t texture, int32_t w, int32_t h);
// A rectangle of the drawing target (y counted from its bottom), as RGBA; empty for an
// empty rectangle.
std::vector<uint8_t> ReadTargetRgba(int32_t x, int32_t yFromBottom, int32_t w, int32_t h);
// RGBA texels from BGRA ones, each alpha 255 where `alpha` is false.
std::vector<uint8_t> RgbaFromBgra(const uint8_t* bgra, size_t texels, bool alpha);
// Texel `i` of RGBA bytes written as BGR, or as BGRA.
inline void PutBgr(const std::vector<uint8_t>& rgba, size_t i, uint8_t* bgr) {
  bgr[0] = rgba[i * 4 + 2];
  bgr[1] = rgba[i * 4 + 1];
  bgr[2] = rgba[i * 4];
}
inline void PutBgra(const std::vector<uint8_t>& rgba, size_t i, uint8_t* bgra) {
  PutBgr(rgba, i, bgra);
  bgra[3] = rgba[i * 4 + 3];
}

}  // namespace zentoir
