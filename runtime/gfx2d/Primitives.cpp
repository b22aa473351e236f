#include "gfx2d/Primitives.h"

#include <GL/gl.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "gfx2d/gl/SpriteGeometry.h"
#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

// Whole coordinates below this stay whole after adding one, as floats.
constexpr float kWholeLimit = 1 << 22;

// The polygon being built; it keeps its vertices until the next StartPolyVector.
std::vector<PolygonVertex>& PolyBuffer() {
  static std::vector<PolygonVertex> vertices;
  return vertices;
}

uint32_t ColourOf(double colour) {
  return static_cast<uint32_t>(TruncateToInt64(colour));
}

// Draws untextured vertices in the colour without the alpha test (the quad batch moves
// them by 3/8 pixel so that pixel centres are hit exactly).
void DrawPrimitive(uint32_t mode, std::initializer_list<float> xy, double colour) {
  if (OpenGLRadazuri* r = ActiveRenderer()) {
    r->DrawColoured(mode, xy.begin(), xy.size() / 2, ColourOf(colour));
  }
}

}  // namespace

void SetPixel(double x, double y, double colour) {
  DrawPrimitive(GL_POINTS, {float(x), float(y)}, colour);
}

void DrawLine(double x1, double y1, double x2, double y2, double colour) {
  const float endX = float(x2), endY = float(y2);
  // The line leaves out its end pixel, which is drawn as well. At a whole-pixel end that
  // pixel is a one-pixel line, so that runs of lines share one draw.
  if (std::trunc(endX) == endX && std::trunc(endY) == endY && std::fabs(endX) < kWholeLimit &&
      std::fabs(endY) < kWholeLimit) {
    DrawPrimitive(GL_LINES, {float(x1), float(y1), endX, endY, endX, endY, endX + 1, endY}, colour);
    return;
  }
  DrawPrimitive(GL_LINES, {float(x1), float(y1), endX, endY}, colour);
  DrawPrimitive(GL_POINTS, {endX, endY}, colour);
}

void FillRect(double x, double y, double width, double height, double colour) {
  const FloatRect rect = NormalisedFillRect(float(x), float(y), float(width), float(height));
  const float left = rect.x, right = rect.x + rect.width;
  const float top = rect.y, bottom = rect.y + rect.height;
  DrawPrimitive(GL_QUADS, {left, bottom, right, bottom, right, top, left, top}, colour);
}

void StartPolyVector(double sprite) {
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r) return;
  r->BindSprite(TruncateToInt32(sprite));
  PolyBuffer().clear();
  PolyBuffer().reserve(512);
}

void AddPolyVertex(double x, double y, double s, double t, double colour) {
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r) return;
  PolygonVertex v{float(TruncateToInt32(x)), float(TruncateToInt32(y)), 0, 0, 0, 0, 0, 0};
  if (IsSpriteNumber(r->BoundSprite())) {
    const SpriteRecord& sprite = r->Sprite(r->BoundSprite());
    v.s = float(s) / float(sprite.textureWidth);
    v.t = (float(sprite.height) - float(t)) / float(sprite.textureHeight);
  }
  const uint32_t c = ColourOf(colour);
  v.red = float(c & 0xFF) / 255.0f;
  v.green = float((c >> 8) & 0xFF) / 255.0f;
  v.blue = float((c >> 16) & 0xFF) / 255.0f;
  v.alpha = r->AlphaOfColour(c);
  PolyBuffer().push_back(v);
}

void EndPolyVector() {
  if (OpenGLRadazuri* r = ActiveRenderer()) r->DrawPolygon(PolyBuffer());
}

}  // namespace zentoir
