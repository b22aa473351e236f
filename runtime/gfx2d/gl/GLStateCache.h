// The GL state the 2D drawing changes most, remembered so that calls which would change
// nothing are skipped. Before a call that does change something, the quads collected so
// far are drawn, so they keep the state they were added under.
//
// A remembered value always equals the GL state. Code that changes GL state directly
// calls FlushAndForget first (or holds a DirectGL); forgotten values are set again on
// their next use.
#pragma once

#include <array>
#include <cstdint>

#include "gfx2d/gl/DrawBackends.h"
#include "gfx2d/image/TextureAlpha.h"

namespace zentoir {

class QuadBatch;

class GLStateCache {
 public:
  GLStateCache(QuadBatch& pending, DrawBackends& backends)
      : pending_(pending), backends_(backends) {}
  GLStateCache(const GLStateCache&) = delete;
  GLStateCache& operator=(const GLStateCache&) = delete;

  void BindTexture(uint32_t texture);
  void SetTexturing(bool on);  // GL_TEXTURE_2D on texture unit 0
  void SetAlphaTest(bool on);
  void SetBlending(bool on);
  void SetBlendFunction(uint32_t source, uint32_t destination);
  void SetColour(float red, float green, float blue, float alpha);
  // The texture environment: texels replace the colour, or are multiplied by it.
  void SetTextureReplace(bool on);

  // The blending the alpha mode asks for. Sprites may draw with less where that changes
  // nothing (see FragmentStateFor); everything else draws with this, and so does code
  // that uses GL directly.
  void SetBlendMode(BlendMode mode);
  BlendMode RequestedBlendMode() const { return blendMode_; }
  void UseBlendMode() { SetBlending(blendMode_ != BlendMode::Off); }
  // The current colour's alpha when the colour is known to be white; false otherwise.
  bool WhiteColourAlpha(float& alpha) const;
  // Forgets every value.
  void Forget();
  // Draws the pending quads, puts back the blending of the blend mode and the texture
  // environment's default, hands GL back from the draw back end and forgets every
  // value: call before changing GL state or reading the picture directly.
  void FlushAndForget();

 private:
  enum class Known : uint8_t { Unknown, Off, On };
  // Whether `on` differs from the known value; if so, draws the pending quads first
  // and remembers it.
  bool Changes(bool on, Known& known);

  QuadBatch& pending_;
  DrawBackends& backends_;
  bool textureKnown_ = false;
  uint32_t texture_ = 0;
  Known texturing_ = Known::Unknown;
  Known alphaTest_ = Known::Unknown;
  Known blending_ = Known::Unknown;
  bool blendKnown_ = false;
  uint32_t blendSource_ = 0, blendDestination_ = 0;
  bool colourKnown_ = false;
  std::array<float, 4> colour_{};
  Known replace_ = Known::Unknown;
  BlendMode blendMode_ = BlendMode::Off;
};

// While it lives, code uses GL directly: pending quads are drawn on entry and the cache
// forgets its values on entry and on exit.
class DirectGL {
 public:
  explicit DirectGL(GLStateCache& cache) : cache_(cache) { cache_.FlushAndForget(); }
  ~DirectGL() { cache_.Forget(); }
  DirectGL(const DirectGL&) = delete;
  DirectGL& operator=(const DirectGL&) = delete;

 private:
  GLStateCache& cache_;
};

}  // namespace zentoir
