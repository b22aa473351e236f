#include "gfx2d/gl/QuadBatch.h"

#include <GL/gl.h>

#include <cstddef>

namespace zentoir {
namespace {

// Bounds the array between draws; a larger batch gains nothing measurable.
constexpr size_t kMaxPendingVertices = 65536;
// How far inside the drawing area's edges a vertex must lie to be surely unclipped
// (coloured vertices are moved by 3/8 pixel; the projection rounds).
constexpr float kEdgeMargin = 1;

}  // namespace

void QuadBatch::SetEnabled(bool on) {
  Flush();
  enabled_ = on;
}

BatchVertex* QuadBatch::Reserve(Kind kind, uint32_t mode, size_t count) {
  if (!vertices_.empty() &&
      (kind != kind_ || mode != mode_ || vertices_.size() + count > kMaxPendingVertices)) {
    Flush();
  }
  kind_ = kind;
  mode_ = mode;
  const size_t first = vertices_.size();
  vertices_.resize(first + count);
  return vertices_.data() + first;
}

void QuadBatch::SetDrawingArea(float width, float height) {
  Flush();
  areaWidth_ = width;
  areaHeight_ = height;
}

bool QuadBatch::InsideArea(size_t first) const {
  for (size_t i = first; i < vertices_.size(); ++i) {
    const BatchVertex& v = vertices_[i];
    if (!(v.x >= kEdgeMargin && v.x <= areaWidth_ - kEdgeMargin && v.y >= kEdgeMargin &&
          v.y <= areaHeight_ - kEdgeMargin && v.z > -0.5f && v.z < 0.5f)) {
      return false;
    }
  }
  return true;
}

// The vertices from `first` on were just added.
void QuadBatch::Added(size_t first) {
  if (enabled_ && InsideArea(first)) return;
  if (first > 0) {  // the earlier ones go in a draw of their own
    DrawPending(first);
    vertices_.erase(vertices_.begin(), vertices_.begin() + std::ptrdiff_t(first));
  }
  Flush();
}

void QuadBatch::AddSpriteQuad(const SpriteQuad& quad) {
  BatchVertex* out = Reserve(Kind::Textured, GL_QUADS, 4);
  for (size_t i = 0; i < 4; ++i) {
    const QuadVertex& v = quad.vertices[i];
    out[i] = BatchVertex{v.x, v.y, 0, v.s, v.t, {}};
  }
  Added(vertices_.size() - 4);
}

void QuadBatch::AddTextQuads(const TextVertex* vertices, size_t count) {
  BatchVertex* out = Reserve(Kind::Textured, GL_QUADS, count);
  for (size_t i = 0; i < count; ++i) {
    const TextVertex& v = vertices[i];
    out[i] = BatchVertex{v.x, v.y, v.z, v.s, v.t, {}};
  }
  Added(vertices_.size() - count);
}

void QuadBatch::AddColoured(uint32_t mode, const float* xy, size_t count,
                            const uint8_t (&rgba)[4]) {
  BatchVertex* out = Reserve(Kind::Coloured, mode, count);
  for (size_t i = 0; i < count; ++i)
    out[i] = BatchVertex{xy[2 * i], xy[2 * i + 1], 0, 0, 0, {rgba[0], rgba[1], rgba[2], rgba[3]}};
  Added(vertices_.size() - count);
}

void QuadBatch::Flush() {
  if (vertices_.empty()) return;
  DrawPending(vertices_.size());
  vertices_.clear();
}

// Draws the first `count` pending vertices.
void QuadBatch::DrawPending(size_t count) {
  backends_.Current().DrawBatch(mode_, vertices_.data(), count, kind_ == Kind::Coloured);
}

}  // namespace zentoir
