// The part of GL that differs between drawing with the fixed-function pipeline and
// drawing through shaders: the projection, the fragment settings (texturing, the alpha
// test, the texture environment, the current colour) and the draws of the 2D renderer.
// Texture binding, blending, framebuffers and pixel reads are plain GL in both.
//
// A back end holds its settings the way GL holds them: they stay until set again, also
// across code that uses GL directly (which calls HandBack first).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zentoir {

struct BatchVertex {
  float x, y, z;
  float s, t;
  uint8_t rgba[4];
};

struct PolygonVertex {
  float x, y, s, t, red, green, blue, alpha;
};

// A rectangle of a drawing target without alpha, copied into the corner (0, 0) of an RGBA
// texture of T × U, whose other texels become transparent black: texels in the key
// colour get alpha 0, the others alpha 1, as a capture needs them.
struct KeyedCopy {
  uint32_t texture = 0;
  int32_t x = 0, yFromBottom = 0, width = 0, height = 0;
  int32_t textureWidth = 0, textureHeight = 0;
  std::array<uint8_t, 3> key{};       // red, green and blue as the target stores them
  uint32_t targetFramebuffer = 0;     // the target's, bound again afterwards
  std::array<int32_t, 4> viewport{};  // the target's, as glViewport takes it, set again
};

enum class DrawBackendKind : uint8_t {
  FixedFunction,
  Shaders,
  // Shaders with nothing of the fixed-function pipeline (the alpha test too is in the
  // shader), as OpenGL ES and WebGL draw.
  ShadersOnly,
};

class DrawBackend {
 public:
  virtual ~DrawBackend() = default;

  // A viewport of w × h at (x, y) from the top-left of a target `targetHeight` tall, a
  // projection onto w × h with y downwards, and the 2D state: texturing and the alpha
  // test (alpha above 0.05) on, culling of clockwise faces, no depth test, colour white,
  // and every smoothing, lighting and dithering capability off.
  virtual void Set2DState(int32_t x, int32_t y, int32_t w, int32_t h, int32_t targetHeight) = 0;
  // A viewport and projection onto the whole w × h drawable, the rest unchanged.
  virtual void SetWholeDrawable(int32_t w, int32_t h) = 0;

  virtual void SetTexturing(bool on) = 0;  // of texture unit 0
  virtual void SetAlphaTest(bool on) = 0;
  // Texels replace the colour, or are multiplied by it.
  virtual void SetTextureReplace(bool on) = 0;
  virtual void SetColour(float red, float green, float blue, float alpha) = 0;

  // Vertices of `mode` (GL_QUADS, GL_LINES or GL_POINTS). Textured ones take the current
  // colour; coloured ones carry their own and are drawn 3/8 pixel down and right, so
  // that pixel centres are hit exactly. Quads are drawn without face culling.
  virtual void DrawBatch(uint32_t mode, const BatchVertex* vertices, size_t count,
                         bool coloured) = 0;
  // A triangle fan with smooth shading and dithering, texture coordinates where
  // `textured`; afterwards texturing is on and the colour is white with `alpha`.
  virtual void DrawFan(const PolygonVertex* vertices, size_t count, bool textured, float alpha) = 0;

  // The copy made and keyed on the GPU, with nothing read back; false where this
  // pipeline cannot key (the caller then reads the pixels back). Blending is left off.
  virtual bool CopyKeyed(const KeyedCopy&) { return false; }

  // Before code that draws with GL directly through the fixed-function pipeline: the
  // back end's own GL objects are no longer bound.
  virtual void HandBack() = 0;
};

}  // namespace zentoir
