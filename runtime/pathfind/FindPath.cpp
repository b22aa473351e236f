#include "pathfind/FindPath.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "pathfind/Planner.h"

namespace zentoir {
namespace {

// A coordinate truncated toward zero, or -1 when it does not name a cell below `size`.
int32_t CellCoordinate(double value, int32_t size) {
  const double cell = std::trunc(value);
  return cell >= 0 && cell < size ? static_cast<int32_t>(cell) : -1;
}

// A search keeps the room of the one before it on the same thread, up to maps of this
// many cells, so repeated searches on a map do not ask for fresh memory each time.
constexpr int64_t kKeptCells = int64_t{1} << 20;

void WritePath(const Planner& planner, NumberArray& path) {
  int32_t count = 0;
  for (int32_t cell = planner.ResultCell(); cell >= 0; cell = planner.ParentOf(cell))
    ++count;
  DimNumberArray(path, count, 2);
  const int32_t width = planner.Width();
  int32_t i = count;
  for (int32_t cell = planner.ResultCell(); cell >= 0; cell = planner.ParentOf(cell)) {
    --i;
    ElementAt(path, i, 0) = cell % width;
    ElementAt(path, i, 1) = cell / width;
  }
}

double Search(AStarPlanner& planner, const SearchParameters& p, NumberArray& path) {
  if (!planner.SetUp(p)) return 0;
  if (planner.StartSearch() && planner.RunSearch()) {
    WritePath(planner, path);
    return path.size0;
  }
  DimNumberArray(path, 0);
  return 0;
}

}  // namespace

double FindPath(const NumberArray& map, NumberArray& path, double weight, double startX,
                double startY, double goalX, double goalY) {
  if (map.dimCount < 2 || map.size0 < 1 || map.size1 < 1 || !map.data) return 0;
  SearchParameters p;
  p.width = map.size0;
  p.height = map.size1;
  p.startX = CellCoordinate(startX, p.width);
  p.startY = CellCoordinate(startY, p.height);
  p.goalX = CellCoordinate(goalX, p.width);
  p.goalY = CellCoordinate(goalY, p.height);
  p.diagonalCost = 1;
  p.allowDiagonal = 0;
  p.weight = static_cast<float>(std::isnan(weight) ? weight : std::clamp(weight, 0.0, 1.0));
  p.costData = map.data;

  thread_local AStarPlanner planner;
  double found = 0;
  try {
    found = Search(planner, p, path);
  } catch (const std::bad_alloc&) {
    found = 0;
  }
  if (int64_t{p.width} * p.height > kKeptCells) planner.Release();
  return found;
}

}  // namespace zentoir
