// Texture names, their parameters and their texels: the GL side of sprites, captures,
// background tiles and the scaled screen. Each call works on the texture bound to the
// first unit unless it names one.
#pragma once

#include <cstdint>

namespace zentoir {

// Deletes the texture (if any) and sets the name to 0.
void DeleteTextureName(uint32_t& name);
// A new texture name, bound, repeating at its edges.
uint32_t MakeRepeatingTexture();
void BindTexture(uint32_t texture);
// Unpacking from tightly packed rows: alignment 1, no row length, no skips.
void SetUnpackState();

// The bound texture's magnification and minification filter (nearest or linear).
void SetBoundFilter(int32_t filter);
constexpr int32_t NearestFilter() {
  return 0x2600;
}
constexpr int32_t LinearFilter() {
  return 0x2601;
}
// Minification through the mipmap levels the program uploads.
void UseBoundMipmaps();
void ClampBoundAtEdges();

// Level `level` of the bound texture from tightly packed RGBA texels.
void UploadRgbaLevel(int32_t level, int32_t w, int32_t h, const uint8_t* rgba);
// T × U texels from BGRA rows, or (null) undefined texels, kept as RGBA; with
// `alpha` false an RGB texture.
void UploadBgra(int32_t T, int32_t U, const uint8_t* bgra, bool alpha = true);
// Copies a rectangle of the drawing target (y counted from its bottom) into the bound
// texture's first texels.
void CopyTargetToBound(int32_t x, int32_t yFromBottom, int32_t w, int32_t h);

// The texture's first level (w × h texels) read back, tightly packed, as BGR or as
// alpha alone.
void ReadTextureBgr(uint32_t texture, int32_t w, int32_t h, uint8_t* pixels);
void ReadTextureAlpha(uint32_t texture, int32_t w, int32_t h, uint8_t* alpha);

// The context's largest texture side.
int32_t LargestTextureSide();
// Whether the context has a second texture unit, and texturing off on it.
bool HasSecondTextureUnit();
void DisableSecondUnitTexturing();

}  // namespace zentoir
