#include "gfx2d/gl/QuadBatch.h"

#include <GL/gl.h>

#include <cstddef>

#include "gfx2d/gl/GLStateCache.h"
#include "os/DriverAllocations.h"

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
  const BatchVertex* first = vertices_.data();
  const bool coloured = kind_ == Kind::Coloured;
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(BatchVertex), &first->x);
  if (coloured) {
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(BatchVertex), first->rgba);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(0.375f, 0.375f, 0);
    glMatrixMode(GL_MODELVIEW);
  } else {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(BatchVertex), &first->s);
  }
  // Mirrored quads run clockwise. Every 2D quad is meant to be seen, so instead of
  // switching the front face per quad, the batch is drawn without face culling: the same
  // pixels as each quad drawn facing the front (reversing a mirrored quad's vertices
  // instead would move texel boundaries by rounding).
  const bool culling = mode_ == GL_QUADS && glIsEnabled(GL_CULL_FACE);
  if (culling) glDisable(GL_CULL_FACE);
  {
    // The driver keeps state for client-array quads past the context (see
    // DriverAllocationScope); that is not ours to free.
    os::DriverAllocationScope driver;
    glDrawArrays(mode_, 0, GLsizei(count));
  }
  if (culling) glEnable(GL_CULL_FACE);
  glDisableClientState(GL_VERTEX_ARRAY);
  if (coloured) {
    glDisableClientState(GL_COLOR_ARRAY);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    state_.ReapplyColour();  // a colour array leaves the current colour undefined
  } else {
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  }
}

}  // namespace zentoir
