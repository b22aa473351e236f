// Small geometry helpers for the shaders: smooth steps, polygons, distances.
#pragma once

#include <vector>

namespace pindrake_assets {

struct Point {
  double x = 0, y = 0;
};

double SmoothStep(double edge0, double edge1, double value);
double DistanceToSegment(Point p, Point a, Point b);
bool InsidePolygon(const std::vector<Point>& polygon, Point p);
double DistanceToPolygonEdge(const std::vector<Point>& polygon, Point p);

// A regular star (points outward, the first one straight up) or polygon around the origin.
std::vector<Point> StarPolygon(int points, double outerRadius, double innerRadius);
std::vector<Point> RegularPolygon(int corners, double radius, double turn);

// Signed distance to a rounded rectangle centred at the origin (negative inside).
double RoundedBoxDistance(Point p, double halfWidth, double halfHeight, double radius);

}  // namespace pindrake_assets
