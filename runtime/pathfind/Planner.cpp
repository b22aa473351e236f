#include "pathfind/Planner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace zentoir {
namespace {

constexpr float kBlocked = -1.0f;
constexpr float kInfinity = std::numeric_limits<float>::infinity();

bool Inside(int32_t x, int32_t y, const SearchParameters& p) {
  return x >= 0 && x < p.width && y >= 0 && y < p.height;
}

// The g a cell starts a search with.
float UnreachedG(float cost) {
  return cost == kBlocked ? -kInfinity : kInfinity;
}

}  // namespace

bool Planner::SetUp(const SearchParameters& parameters) {
  open_.Clear();
  params_ = parameters;
  const SearchParameters& p = params_;
  result_ = -1;
  state_ = 0;
  if (p.width < 1 || p.height < 1 || !p.costData) return false;
  const int64_t cells = int64_t{p.width} * p.height;
  if (cells > std::numeric_limits<int32_t>::max()) return false;
  if (!Inside(p.startX, p.startY, p) || !Inside(p.goalX, p.goalY, p)) return false;
  if (p.startX == p.goalX && p.startY == p.goalY) return false;
  if (std::isnan(p.weight)) return false;
  params_.weight = std::clamp(p.weight, 0.0f, 1.0f);
  if (!BuildCells() || !open_.Allocate(static_cast<int32_t>(cells), cells_.get())) return false;
  state_ = 1;
  return true;
}

// Blocked cells (map value ≤ 0) cost −1; every other value c costs c / cmax + 1, so
// costs are relative to the largest value and a passable cell costs more than 1.
bool Planner::BuildCells() {
  const int64_t cells = int64_t{params_.width} * params_.height;
  const double* map = params_.costData;
  double largest = 0;
  for (int64_t i = 0; i < cells; ++i) {
    if (std::isnan(map[i]) || map[i] == std::numeric_limits<double>::infinity()) return false;
    largest = std::max(largest, map[i]);
  }
  if (cells > cellCapacity_) {
    cells_.reset(new (std::nothrow) SearchCell[cells]);
    cellCapacity_ = cells_ ? cells : 0;
    if (!cells_) return false;
  }
  for (int64_t i = 0; i < cells; ++i) {
    const float cost = map[i] <= 0 ? kBlocked : static_cast<float>(map[i] / largest + 1.0);
    cells_[i] = {cost, UnreachedG(cost), -1, -1};
  }
  return true;
}

void Planner::ResetSearch() {
  open_.Clear();
  result_ = -1;
  if (state_ == 0) return;
  const int64_t cells = int64_t{params_.width} * params_.height;
  for (int64_t i = 0; i < cells; ++i) {
    cells_[i].g = UnreachedG(cells_[i].cost);
    cells_[i].parent = -1;
  }
}

void Planner::Release() {
  open_.Clear();
  open_.Release();
  cells_.reset();
  cellCapacity_ = 0;
  result_ = -1;
  state_ = 0;
}

// Every way back into the start costs more than nothing, so the start keeps g = 0
// even where its own cell is blocked.
bool AStarPlanner::StartSearch() {
  const int32_t start = CellOf(params_.startX, params_.startY);
  cells_[start].g = 0.0f;
  cells_[start].parent = -1;
  open_.Insert(start, 0.0f);
  return true;
}

void AStarPlanner::Visit(int32_t from, float fromG, int32_t x, int32_t y, bool diagonal) {
  const int32_t to = CellOf(x, y);
  SearchCell& next = cells_[to];
  const float g =
      diagonal && params_.diagonalCost ? fromG + next.cost * 1.4142137f : fromG + next.cost;
  if (!(g < next.g)) return;
  const auto h = static_cast<float>(std::abs(params_.goalX - x) + std::abs(params_.goalY - y));
  const float f = g + params_.weight * (h - g);
  next.parent = from;
  next.g = g;
  if (next.slot >= 0)
    open_.Update(to, f);
  else
    open_.Insert(to, f);
}

void AStarPlanner::Expand(int32_t cell) {
  // Neighbours in expansion order (y − 1 is the row above); diagonals only when allowed.
  static constexpr struct {
    int dx, dy;
    bool diagonal;
  } kNeighbours[] = {{-1, -1, true}, {0, -1, false}, {1, -1, true}, {1, 0, false},
                     {-1, 0, false}, {-1, 1, true},  {0, 1, false}, {1, 1, true}};
  const int32_t x = cell % params_.width;
  const int32_t y = cell / params_.width;
  const float g = cells_[cell].g;
  for (const auto& n : kNeighbours) {
    if (n.diagonal && !params_.allowDiagonal) continue;
    if (Inside(x + n.dx, y + n.dy, params_)) Visit(cell, g, x + n.dx, y + n.dy, n.diagonal);
  }
}

bool AStarPlanner::RunSearch() {
  ++searchCount_;
  state_ = 1;
  const int32_t goal = CellOf(params_.goalX, params_.goalY);
  while (!open_.Empty()) {
    const int32_t cell = open_.PopNext();
    if (cell == goal) {
      result_ = cell;
      return true;
    }
    Expand(cell);
  }
  return false;
}

}  // namespace zentoir
