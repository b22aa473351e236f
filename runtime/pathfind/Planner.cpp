#include "pathfind/Planner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace zentoir {
namespace {

constexpr float kBlocked = -1.0f;

bool Inside(int32_t x, int32_t y, const SearchParameters& p) {
  return x >= 0 && x < p.width && y >= 0 && y < p.height;
}

}  // namespace

bool Planner::SetUp(const SearchParameters& parameters) {
  params_ = parameters;
  const SearchParameters& p = params_;
  result_ = nullptr;
  state_ = 0;
  if (p.width < 1 || p.height < 1 || !p.costData) return false;
  const int64_t cells = int64_t{p.width} * p.height;
  if (cells > std::numeric_limits<int32_t>::max()) return false;
  if (!Inside(p.startX, p.startY, p) || !Inside(p.goalX, p.goalY, p)) return false;
  if (p.startX == p.goalX && p.startY == p.goalY) return false;
  if (std::isnan(p.weight)) return false;
  params_.weight = std::clamp(p.weight, 0.0f, 1.0f);
  if (params_.poolSize <= 0) params_.poolSize = cells;
  if (params_.openCapacity <= 0) params_.openCapacity = cells;
  if (!BuildCostGrid()) return false;
  if (!pool_.Allocate(params_.poolSize) || !closed_.Allocate(p.hashBits) ||
      !open_.Allocate(params_.openCapacity, p.width, p.height))
    return false;
  state_ = 1;
  return true;
}

// Blocked cells (map value ≤ 0) become −1; every other value c becomes c / cmax + 1, so
// costs are relative to the largest value and a passable cell costs more than 1.
bool Planner::BuildCostGrid() {
  const int64_t cells = int64_t{params_.width} * params_.height;
  const double* map = params_.costData;
  double largest = 0;
  for (int64_t i = 0; i < cells; ++i) {
    if (std::isnan(map[i]) || map[i] == std::numeric_limits<double>::infinity()) return false;
    largest = std::max(largest, map[i]);
  }
  costs_.reset(new (std::nothrow) float[cells]);
  if (!costs_) return false;
  for (int64_t i = 0; i < cells; ++i)
    costs_[i] = map[i] <= 0 ? kBlocked : static_cast<float>(map[i] / largest + 1.0);
  return true;
}

void Planner::ResetSearch() {
  open_.Clear();
  closed_.Clear();
  pool_.ReturnAll();
  result_ = nullptr;
}

Node* AStarPlanner::NewNode(Node* parent, int32_t x, int32_t y, float g, float f) {
  Node* node = pool_.Take();
  if (!node) return nullptr;
  *node = Node{parent, x, y, f, g, nullptr, -1};
  return node;
}

bool AStarPlanner::StartSearch() {
  Node* start = NewNode(nullptr, params_.startX, params_.startY, 0.0f, 0.0f);
  return start && open_.Insert(start);
}

bool AStarPlanner::Visit(Node* from, int32_t x, int32_t y, bool diagonal) {
  if (!Inside(x, y, params_)) return true;
  const float cost = CellCost(x, y);
  if (cost == kBlocked) return true;
  const float g = diagonal && params_.diagonalCost ? from->g + cost * 1.4142137f : from->g + cost;
  const auto h = static_cast<float>(std::abs(params_.goalX - x) + std::abs(params_.goalY - y));
  const float f = g + params_.weight * (h - g);

  if (Node* closed = closed_.Find(x, y)) {
    if (closed->g > g) {
      closed_.UnlinkFound();
      closed->parent = from;
      closed->g = g;
      closed->f = f;
      return open_.Insert(closed);
    }
    return true;
  }
  if (Node* open = open_.Find(x, y)) {
    if (open->g > g) {
      open->parent = from;
      open->g = g;
      open->f = f;
      open_.Reinsert(open);
    }
    return true;
  }
  Node* fresh = NewNode(from, x, y, g, f);
  return fresh && open_.Insert(fresh);
}

bool AStarPlanner::RunSearch() {
  // Neighbours in expansion order (y − 1 is the row above); diagonals only when allowed.
  static constexpr struct {
    int dx, dy;
    bool diagonal;
  } kNeighbours[] = {{-1, -1, true}, {0, -1, false}, {1, -1, true}, {1, 0, false},
                     {-1, 0, false}, {-1, 1, true},  {0, 1, false}, {1, 1, true}};
  ++searchCount_;
  state_ = 1;
  while (!open_.Empty()) {
    Node* node = open_.PopNext();
    if (node->x == params_.goalX && node->y == params_.goalY) {
      closed_.Insert(node);
      result_ = node;
      return true;
    }
    for (const auto& n : kNeighbours) {
      if (n.diagonal && !params_.allowDiagonal) continue;
      if (!Visit(node, node->x + n.dx, node->y + n.dy, n.diagonal)) return false;
    }
    closed_.Insert(node);
  }
  return false;
}

}  // namespace zentoir
