// The grid search state (Planner) and the weighted A* search over it (AStarPlanner).
// A planner lives for one search: SetUp, StartSearch, RunSearch, ResetSearch.
#pragma once

#include <cstdint>
#include <memory>

#include "pathfind/NodeFactory.h"
#include "pathfind/NodeHashTable.h"
#include "pathfind/OpenList.h"

namespace zentoir {

struct SearchParameters {
  int32_t startX = 0;
  int32_t startY = 0;
  int32_t goalX = 0;
  int32_t goalY = 0;
  uint8_t diagonalCost = 1;   // a diagonal step costs √2 times the cell cost
  uint8_t allowDiagonal = 0;  // the four diagonal neighbours are expanded
  int64_t poolSize = 0;       // 0: width × height
  int64_t openCapacity = 0;   // 0: width × height
  int32_t hashBits = 8;
  float weight = 0.5f;  // f = g + weight × (h − g), clamped to 0..1
  int32_t width = 0;
  int32_t height = 0;
  const double* costData = nullptr;  // width × height map values, x varying fastest
};

class Planner {
 public:
  virtual ~Planner() = default;

  // Builds the cost grid and the containers. False, leaving nothing to search, when the
  // grid is empty or too large, a map value is NaN or +∞, start or goal lies outside,
  // start equals goal, or the memory cannot be had.
  bool SetUp(const SearchParameters& parameters);

  virtual bool StartSearch() = 0;
  // True when the goal was reached; Result() is then the goal node.
  virtual bool RunSearch() = 0;
  virtual void ResetSearch();

  const Node* Result() const { return result_; }
  int State() const { return state_; }

 protected:
  // The cost of entering cell (x, y): −1 when blocked, else in (1, 2].
  float CellCost(int32_t x, int32_t y) const { return costs_[int64_t{y} * params_.width + x]; }
  bool BuildCostGrid();

  int state_ = 0;
  NodeFactory pool_;
  SearchParameters params_;
  std::unique_ptr<float[]> costs_;
  OpenList open_;
  NodeHashTable closed_;
  int searchCount_ = 0;
  Node* result_ = nullptr;
};

class AStarPlanner : public Planner {
 public:
  bool StartSearch() override;
  bool RunSearch() override;

 private:
  // Relaxes the step from `from` to cell (x, y). False when the pool or the open list
  // has run out of room.
  bool Visit(Node* from, int32_t x, int32_t y, bool diagonal);
  Node* NewNode(Node* parent, int32_t x, int32_t y, float g, float f);
};

}  // namespace zentoir
