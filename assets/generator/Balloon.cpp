#include "Balloon.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Shapes.h"

namespace pindrake_assets {

namespace {

struct Vector3 {
  double x, y, z;
};

double Dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector3 Normalised(const Vector3& v) {
  const double length = std::sqrt(Dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

const Vector3 kLight = Normalised({-0.5, -0.65, 0.6});
const Vector3 kHalfway = Normalised({kLight.x, kLight.y, kLight.z + 1});
const Vector3 kBounce = Normalised({0.6, 0.7, 0.3});

// Whether the point (in units of the body radius, origin at the middle of the mark)
// lies on the mark. The marks are about 12 pixels across on a board balloon.
bool OnMark(BalloonMark mark, Point p) {
  switch (mark) {
    case BalloonMark::Ring: {
      const double r = std::hypot(p.x, p.y);
      return r > 0.2 && r < 0.4;
    }
    case BalloonMark::Triangle:
      return InsidePolygon(RegularPolygon(3, 0.45, -std::numbers::pi / 2), {p.x, p.y - 0.06});
    case BalloonMark::Diamond:
      return std::abs(p.x) + std::abs(p.y) < 0.42;
    case BalloonMark::Star:
      return InsidePolygon(StarPolygon(5, 0.48, 0.22), {p.x, p.y - 0.03});
    case BalloonMark::None:
      break;
  }
  return false;
}

// Whether the point lies within the outline's width of the mark without being on it.
bool OnMarkOutline(BalloonMark mark, Point p) {
  constexpr double kWidth = 0.1;
  if (mark == BalloonMark::None || OnMark(mark, p)) return false;
  for (int k = 0; k < 16; ++k) {
    const double angle = k * std::numbers::pi / 8;
    if (OnMark(mark, {p.x + kWidth * std::cos(angle), p.y + kWidth * std::sin(angle)})) {
      return true;
    }
  }
  return false;
}

Rgba ShadeBody(const BalloonStyle& style, double u, double v) {
  const double r2 = u * u + v * v;
  const Vector3 normal{u, v, std::sqrt(std::max(0.0, 1 - r2))};
  Rgba base = style.colour;
  // The mark is a light print with a dark outline, shaded like the rest of the balloon:
  // it stands out on every colour, also for eyes that cannot tell the colours apart.
  const Point onMark{u - 0.05, v - 0.12};
  if (OnMark(style.mark, onMark)) base = MakeRgb(250, 250, 250);
  if (OnMarkOutline(style.mark, onMark)) base = MakeRgb(20, 20, 26);

  const double diffuse = std::max(0.0, Dot(normal, kLight));
  const double bounce = std::max(0.0, Dot(normal, kBounce));
  const double rim = SmoothStep(0.72, 1.0, r2);
  const float light = static_cast<float>(0.42 + 0.7 * diffuse + 0.22 * bounce - 0.28 * rim);
  Rgba colour = Scaled(base, light);

  // A broad soft sheen and a small sharp window reflection make the skin look glossy.
  const double sheen = std::pow(std::max(0.0, Dot(normal, kHalfway)), 18) * 0.55;
  const double gu = (u + 0.42) / 0.17, gv = (v + 0.5) / 0.11;
  const double glint = (1 - SmoothStep(0.6, 1.0, gu * gu + gv * gv)) * 0.9;
  const float white = static_cast<float>(std::min(1.0, sheen + glint));
  colour = Mix(colour, Rgba{1, 1, 1, 1}, white);
  colour.a = 1;
  return colour;
}

// The small pictures leave out the colour marks, which would only be noise at their size.
BalloonStyle Plain(BalloonStyle style) {
  style.mark = BalloonMark::None;
  return style;
}

}  // namespace

BalloonStyle BlueBalloon() {
  return {MakeRgb(38, 104, 226), BalloonMark::Ring};
}
BalloonStyle RedBalloon() {
  return {MakeRgb(228, 36, 44), BalloonMark::Triangle};
}
BalloonStyle GreenBalloon() {
  return {MakeRgb(42, 178, 64), BalloonMark::Diamond};
}
BalloonStyle YellowBalloon() {
  return {MakeRgb(250, 204, 34), BalloonMark::Star};
}
BalloonStyle WhiteBalloon() {
  return {MakeRgb(232, 236, 242), BalloonMark::None};
}

void PaintBalloon(Image& image, const BalloonStyle& style, const BalloonShape& shape) {
  const double scale = shape.radiusX / 15.5;
  const double bodyBottom = shape.centreY + shape.radiusBottom;
  const double knotTop = bodyBottom - 1.8 * scale;
  const double knotBottom = bodyBottom + 3.0 * scale;
  const double knotHalf = 2.9 * scale;
  const std::vector<Point> knot{{shape.centreX, knotTop},
                                {shape.centreX + knotHalf, knotBottom},
                                {shape.centreX - knotHalf, knotBottom}};
  const Rgba knotColour = Scaled(style.colour, 0.72f);
  const Rgba stringColour = MakeRgb(96, 96, 104, 0.9f);

  Paint(
      image,
      [&](double x, double y) -> Rgba {
        const double u = (x - shape.centreX) / shape.radiusX;
        const double v =
            (y - shape.centreY) / (y < shape.centreY ? shape.radiusTop : shape.radiusBottom);
        if (u * u + v * v <= 1) return ShadeBody(style, u, v);
        if (InsidePolygon(knot, {x, y})) {
          const double across = (x - shape.centreX) / knotHalf;
          return Scaled(knotColour, static_cast<float>(1.05 - 0.3 * across));
        }
        const double below = y - knotBottom;
        if (below >= 0 && below <= shape.stringLength) {
          const double stringX = shape.centreX + 0.2 * scale + 1.1 * scale * std::sin(below * 0.8);
          if (std::abs(x - stringX) < 0.5 * std::max(1.0, scale)) return stringColour;
        }
        return {};
      },
      6);
}

Image MakeBoardBalloon(const BalloonStyle& style) {
  Image image(40, 40);
  PaintBalloon(image, style, BalloonShape{});
  return image;
}

Image MakeCounterIcon() {
  Image image(22, 30);
  BalloonShape shape{11, 11, 9.5, 9.5, 11, 6};
  PaintBalloon(image, Plain(RedBalloon()), shape);
  return image;
}

Image MakeNewGamePicture() {
  Image image(32, 22);
  PaintBalloon(image, Plain(YellowBalloon()), BalloonShape{23.5, 8, 6.5, 6.5, 7.5, 3});
  PaintBalloon(image, Plain(BlueBalloon()), BalloonShape{8.5, 8, 6.5, 6.5, 7.5, 3});
  PaintBalloon(image, Plain(RedBalloon()), BalloonShape{16, 10, 7, 7, 8, 2});
  return image;
}

Image MakeWindowIcon(int size) {
  Image image(size, size);
  const double s = size / 64.0;
  PaintBalloon(image, Plain(GreenBalloon()),
               BalloonShape{44 * s, 20 * s, 13 * s, 13 * s, 15 * s, 20 * s});
  PaintBalloon(image, Plain(BlueBalloon()),
               BalloonShape{19 * s, 20 * s, 13 * s, 13 * s, 15 * s, 20 * s});
  PaintBalloon(image, Plain(RedBalloon()),
               BalloonShape{32 * s, 28 * s, 15 * s, 15 * s, 17 * s, 14 * s});
  return image;
}

}  // namespace pindrake_assets
