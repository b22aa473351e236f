// The quads (and lines and points) of the 2D drawing, collected in one vertex array and
// drawn with one call for as long as the GL state stays the same. The GL state cache
// draws them before it changes anything, and so does every reader or replacer of the
// picture, so the picture is the same as drawing each quad on its own, in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx2d/gl/DrawBackends.h"
#include "gfx2d/gl/SpriteGeometry.h"
#include "gfx2d/gl/TextLayout.h"

namespace zentoir {

class QuadBatch {
 public:
  explicit QuadBatch(DrawBackends& backends) : backends_(backends) {}
  QuadBatch(const QuadBatch&) = delete;
  QuadBatch& operator=(const QuadBatch&) = delete;

  // Off: every quad is drawn as soon as it is added (for tests and benchmarks that
  // compare the two).
  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }

  // The size of the drawing area the 2D projection maps the coordinates onto. Quads that
  // reach its edge are drawn on their own: the driver may take another (clipping) path for
  // a whole draw that has one of them, and that path rounds the other quads' window
  // positions differently.
  void SetDrawingArea(float width, float height);

  // A quad of the bound texture in the current colour, mirrored (clockwise) or not.
  void AddSpriteQuad(const SpriteQuad& quad);
  // Text glyphs: four vertices per glyph, bound texture, current colour.
  void AddTextQuads(const TextVertex* vertices, size_t count);
  // Untextured vertices of `mode` (GL_QUADS, GL_LINES or GL_POINTS) in their own colour,
  // drawn 3/8 pixel down and right so that pixel centres are hit exactly.
  void AddColoured(uint32_t mode, const float* xy, size_t count, const uint8_t (&rgba)[4]);

  // Draws what was added since the last draw.
  void Flush();

 private:
  enum class Kind : uint8_t { Textured, Coloured };
  BatchVertex* Reserve(Kind kind, uint32_t mode, size_t count);
  void Added(size_t first);
  bool InsideArea(size_t first) const;
  void DrawPending(size_t count);

  DrawBackends& backends_;
  std::vector<BatchVertex> vertices_;
  Kind kind_ = Kind::Textured;
  uint32_t mode_ = 0;
  bool enabled_ = true;
  float areaWidth_ = 0, areaHeight_ = 0;
};

}  // namespace zentoir
