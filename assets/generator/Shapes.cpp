#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pindrake_assets {

double SmoothStep(double edge0, double edge1, double value) {
  const double t = std::clamp((value - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool InsidePolygon(const std::vector<Point>& polygon, Point p) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point& a = polygon[i];
    const Point& b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

double DistanceToPolygonEdge(const std::vector<Point>& polygon, Point p) {
  double best = 1e30;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    best = std::min(best, DistanceToSegment(p, polygon[j], polygon[i]));
  }
  return best;
}

std::vector<Point> StarPolygon(int points, double outerRadius, double innerRadius) {
  std::vector<Point> star;
  for (int i = 0; i < points * 2; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
    const double radius = i % 2 == 0 ? outerRadius : innerRadius;
    star.push_back({radius * std::cos(angle), radius * std::sin(angle)});
  }
  return star;
}

std::vector<Point> RegularPolygon(int corners, double radius, double turn) {
  std::vector<Point> polygon;
  for (int i = 0; i < corners; ++i) {
    const double angle = turn + i * 2 * std::numbers::pi / corners;
    polygon.push_back({radius * std::cos(angle), radius * std::sin(angle)});
  }
  return polygon;
}

double RoundedBoxDistance(Point p, double halfWidth, double halfHeight, double radius) {
  const double qx = std::abs(p.x) - halfWidth + radius;
  const double qy = std::abs(p.y) - halfHeight + radius;
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

}  // namespace pindrake_assets
