// The path search command over a grid of cell costs.
#pragma once

#include "arrays/NumberArray.h"

namespace zentoir {

// Searches a 4-connected path from (startX, startY) to (goalX, goalY) over `map`, a
// number array of at least two dimensions indexed [x][y] whose values ≤ 0 are blocked
// cells and whose other values are relative costs. On success `path` is dimensioned to
// (n, 2) holding the cells from start to goal and n is returned. When the goal cannot
// be reached `path` is dimensioned to 0 and 0 is returned. Bad input (a map of fewer
// than two dimensions, NaN costs, start or goal outside the map, start equal to goal)
// returns 0 and leaves `path` untouched. weight: 0.5 classic A*, 0 uniform cost,
// 1 greedy; clamped to 0..1.
double FindPath(const NumberArray& map, NumberArray& path, double weight, double startX,
                double startY, double goalX, double goalY);

}  // namespace zentoir
