#include "gfx2d/gl/SpriteGeometry.h"

#include <cmath>

namespace zentoir {
namespace {

constexpr float kRadiansPerDegree = 0.017453292f;

// The rotation turns counter-clockwise on a y-down screen.
QuadVertex Rotated(float cx, float cy, float dx, float dy, float sine, float cosine, float s,
                   float t) {
  return {cx + dx * cosine + dy * sine, cy - dx * sine + dy * cosine, s, t};
}

}  // namespace

SpriteQuad PlainSpriteQuad(const SpriteExtent& sp, float x, float y) {
  const float X = std::ceil(x), Y = std::ceil(y);
  const float w = float(sp.width), h = float(sp.height);
  const float u = w / float(sp.textureWidth), v = h / float(sp.textureHeight);
  return {{{{X + w, Y, u, v}, {X, Y, 0, v}, {X, Y + h, 0, 0}, {X + w, Y + h, u, 0}}}, false};
}

SpriteQuad StretchedSpriteQuad(const SpriteExtent& sp, float x, float y, float width,
                               float height) {
  const float X = std::ceil(x), Y = std::ceil(y), W = std::ceil(width), H = std::ceil(height);
  const float u = float(sp.width) / float(sp.textureWidth);
  const float v = float(sp.height) / float(sp.textureHeight);
  const bool mirrored = (W < 0) != (H < 0);
  return {{{{X, Y + H, 0, 0}, {X + W, Y + H, u, 0}, {X + W, Y, u, v}, {X, Y, 0, v}}}, mirrored};
}

SpriteQuad ZoomedSpriteQuad(const SpriteExtent& sp, double x, double y, double zoomX,
                            double zoomY) {
  const double w = sp.width, h = sp.height;
  return StretchedSpriteQuad(sp, float(x - (zoomX * w - w) / 2), float(y - (zoomY * h - h) / 2),
                             float(zoomX * w), float(zoomY * h));
}

SpriteQuad RotoZoomSpriteQuad(const SpriteExtent& sp, float x, float y, float angle, float zoom) {
  const float hx = zoom * float(sp.width) / 2, hy = zoom * float(sp.height) / 2;
  const float cx = float(sp.width >> 1) + x, cy = float(sp.height >> 1) + y;
  const float radians = angle * kRadiansPerDegree;
  const float sine = std::sin(radians), cosine = std::cos(radians);
  const float tw = float(sp.textureWidth), th = float(sp.textureHeight);
  const float sLeft = 0.5f / tw, sRight = (float(sp.width) - 0.5f) / tw;
  const float tBottom = 0.5f / th, tTop = (float(sp.height) - 0.5f) / th;
  return {{{Rotated(cx, cy, -hx, hy, sine, cosine, sLeft, tBottom),
            Rotated(cx, cy, hx, hy, sine, cosine, sRight, tBottom),
            Rotated(cx, cy, hx, -hy, sine, cosine, sRight, tTop),
            Rotated(cx, cy, -hx, -hy, sine, cosine, sLeft, tTop)}},
          false};
}

bool AnimFrameRect(const SpriteExtent& sp, int32_t frame, FrameRect& rect) {
  const int32_t fw = sp.frameWidth, fh = sp.frameHeight;
  if (fw == 0 || fh == 0) return false;
  const int32_t perRow = sp.width / fw;
  if (perRow <= 0) return false;  // frames wider than the image: nothing to show
  const int32_t column = frame % perRow, row = frame / perRow;
  const float tw = float(sp.textureWidth), th = float(sp.textureHeight);
  rect.s0 = float(column) * float(fw) / tw;
  rect.s1 = rect.s0 + float(fw) / tw;
  rect.tBottom = (float(sp.height) - float(fh) * float(row + 1)) / th;
  rect.tTop = rect.tBottom + float(fh) / th;
  return true;
}

bool AnimFrameQuad(const SpriteExtent& sp, int32_t frame, float x, float y, SpriteQuad& quad) {
  FrameRect r;
  if (!AnimFrameRect(sp, frame, r)) return false;
  const float X = std::ceil(x), Y = std::ceil(y);
  const float fw = float(sp.frameWidth), fh = float(sp.frameHeight);
  quad = {{{{X + fw, Y, r.s1, r.tTop},
            {X, Y, r.s0, r.tTop},
            {X, Y + fh, r.s0, r.tBottom},
            {X + fw, Y + fh, r.s1, r.tBottom}}},
          false};
  return true;
}

bool AnimFrameStretchedQuad(const SpriteExtent& sp, int32_t frame, float x, float y, float width,
                            float height, SpriteQuad& quad) {
  FrameRect r;
  if (!AnimFrameRect(sp, frame, r)) return false;
  const float X = std::ceil(x), Y = std::ceil(y), W = std::ceil(width), H = std::ceil(height);
  // The right and bottom edges reach 0.1 further so neighbouring frames leave no gap.
  quad = {{{{X, Y, r.s0, r.tTop},
            {X, Y + H + 0.1f, r.s0, r.tBottom},
            {X + W + 0.1f, Y + H + 0.1f, r.s1, r.tBottom},
            {X + W + 0.1f, Y, r.s1, r.tTop}}},
          false};
  return true;
}

bool AnimFrameRotoZoomQuad(const SpriteExtent& sp, int32_t frame, float x, float y, float angle,
                           float zoom, SpriteQuad& quad) {
  FrameRect r;
  if (!AnimFrameRect(sp, frame, r)) return false;
  const float radians = angle * kRadiansPerDegree;
  const float sine = std::sin(radians), cosine = std::cos(radians);
  const float cx = float(sp.frameWidth / 2) + x, cy = float(sp.frameHeight / 2) + y;
  const float hx = float(sp.frameWidth) * zoom / 2, hy = float(sp.frameHeight) * zoom / 2;
  auto corner = [&](float dx, float dy, float s, float t) {
    QuadVertex v = Rotated(cx, cy, dx, dy, sine, cosine, s, t);
    return QuadVertex{std::ceil(v.x), std::ceil(v.y), s, t};
  };
  quad = {{{corner(-hx, -hy, r.s0, r.tTop), corner(-hx, hy, r.s0, r.tBottom),
            corner(hx, hy, r.s1, r.tBottom), corner(hx, -hy, r.s1, r.tTop)}},
          false};
  return true;
}

FloatRect NormalisedFillRect(float x, float y, float width, float height) {
  if (width < 0) {
    x = x + width + 1;
    width = -width;
  }
  if (height < 0) {
    y = y + height + 1;
    height = -height;
  }
  return {x, y, width, height};
}

}  // namespace zentoir
