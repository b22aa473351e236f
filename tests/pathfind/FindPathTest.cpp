// The path search: bad input, the documented small cases, and agreement with a plain
// sorted-list A* and with Dijkstra on random maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <limits>
#include <map>
#include <queue>
#include <random>
#include <utility>
#include <vector>

#include "pathfind/FindPath.h"

using namespace zentoir;

namespace {

using Cells = std::vector<std::pair<int, int>>;

struct Grid {
  int width;
  int height;
  std::vector<double> values;  // x varying fastest
};

NumberArray MapOf(const Grid& grid) {
  NumberArray map;
  DimNumberArray(map, grid.width, grid.height);
  for (int y = 0; y < grid.height; ++y)
    for (int x = 0; x < grid.width; ++x)
      ElementAt(map, x, y) = grid.values[y * grid.width + x];
  return map;
}

Cells CellsOf(NumberArray& path) {
  Cells cells;
  for (int i = 0; i < path.size0; ++i)
    cells.emplace_back(static_cast<int>(ElementAt(path, i, 0)),
                       static_cast<int>(ElementAt(path, i, 1)));
  return cells;
}

std::vector<float> CostGrid(const Grid& grid) {
  double largest = 0;
  for (double v : grid.values)
    largest = std::max(largest, v);
  std::vector<float> costs;
  for (double v : grid.values)
    costs.push_back(v <= 0 ? -1.0f : static_cast<float>(v / largest + 1.0));
  return costs;
}

// The search as a sorted open list (largest f in front, new nodes in front of equal f,
// expansion from the back) searched linearly, and a closed set keyed by cell.
Cells ReferenceSearch(const Grid& grid, float weight, int sx, int sy, int gx, int gy) {
  struct RefNode {
    RefNode* parent;
    int x, y;
    float f, g;
  };
  const std::vector<float> costs = CostGrid(grid);
  std::deque<RefNode> pool;
  std::vector<RefNode*> open;
  std::map<std::pair<int, int>, RefNode*> closed;
  auto insertOpen = [&](RefNode* n) {
    auto at = std::lower_bound(open.begin(), open.end(), n->f,
                               [](const RefNode* a, float f) { return a->f > f; });
    open.insert(at, n);
  };
  pool.push_back({nullptr, sx, sy, 0, 0});
  insertOpen(&pool.back());
  const int dx[] = {0, 1, -1, 0}, dy[] = {-1, 0, 0, 1};
  while (!open.empty()) {
    RefNode* node = open.back();
    open.pop_back();
    if (node->x == gx && node->y == gy) {
      Cells cells;
      for (RefNode* n = node; n; n = n->parent)
        cells.insert(cells.begin(), {n->x, n->y});
      return cells;
    }
    for (int k = 0; k < 4; ++k) {
      const int x = node->x + dx[k], y = node->y + dy[k];
      if (x < 0 || y < 0 || x >= grid.width || y >= grid.height) continue;
      const float c = costs[y * grid.width + x];
      if (c == -1.0f) continue;
      const float g = node->g + c;
      const float h = static_cast<float>(std::abs(gx - x) + std::abs(gy - y));
      const float f = g + weight * (h - g);
      auto closedAt = closed.find({x, y});
      if (closedAt != closed.end()) {
        RefNode* old = closedAt->second;
        if (old->g > g) {
          closed.erase(closedAt);
          *old = {node, x, y, f, g};
          insertOpen(old);
        }
        continue;
      }
      int i = static_cast<int>(open.size()) - 1;
      while (i >= 0 && !(open[i]->x == x && open[i]->y == y))
        --i;
      if (i >= 0) {
        RefNode* old = open[i];
        if (old->g > g) {
          open.erase(open.begin() + i);
          *old = {node, x, y, f, g};
          insertOpen(old);
        }
        continue;
      }
      pool.push_back({node, x, y, f, g});
      insertOpen(&pool.back());
    }
    closed[{node->x, node->y}] = node;
  }
  return {};
}

// Cheapest cost of entering every cell on the way from start to goal, or +inf.
double DijkstraCost(const Grid& grid, int sx, int sy, int gx, int gy) {
  const std::vector<float> costs = CostGrid(grid);
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<double> dist(costs.size(), inf);
  using Entry = std::pair<double, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  dist[sy * grid.width + sx] = 0;
  queue.push({0, sy * grid.width + sx});
  while (!queue.empty()) {
    auto [d, cell] = queue.top();
    queue.pop();
    if (d > dist[cell]) continue;
    const int x = cell % grid.width, y = cell / grid.width;
    const int dx[] = {0, 1, -1, 0}, dy[] = {-1, 0, 0, 1};
    for (int k = 0; k < 4; ++k) {
      const int nx = x + dx[k], ny = y + dy[k];
      if (nx < 0 || ny < 0 || nx >= grid.width || ny >= grid.height) continue;
      const int next = ny * grid.width + nx;
      if (costs[next] < 0 || d + costs[next] >= dist[next]) continue;
      dist[next] = d + costs[next];
      queue.push({dist[next], next});
    }
  }
  return dist[gy * grid.width + gx];
}

double PathCost(const Grid& grid, const Cells& cells) {
  const std::vector<float> costs = CostGrid(grid);
  double total = 0;
  for (size_t i = 1; i < cells.size(); ++i)
    total += costs[cells[i].second * grid.width + cells[i].first];
  return total;
}

// Random maps: some with few distinct costs (many ties), some with blocked cells.
Grid RandomGrid(std::mt19937& random) {
  Grid grid;
  grid.width = std::uniform_int_distribution<int>(2, 40)(random);
  grid.height = std::uniform_int_distribution<int>(2, 40)(random);
  const int levels = std::uniform_int_distribution<int>(1, 4)(random) == 1 ? 3 : 1000;
  const double blockedShare = std::uniform_real_distribution<double>(0, 0.35)(random);
  for (int i = 0; i < grid.width * grid.height; ++i) {
    const bool blocked = std::uniform_real_distribution<double>(0, 1)(random) < blockedShare;
    grid.values.push_back(blocked ? -std::uniform_int_distribution<int>(0, 2)(random)
                                  : std::uniform_int_distribution<int>(1, levels)(random));
  }
  return grid;
}

NumberArray Untouched() {
  NumberArray path;
  FillArray(path, 3, {7, 8, 9});
  return path;
}

void ExpectUntouched(NumberArray& path) {
  ASSERT_EQ(path.dimCount, 1);
  ASSERT_EQ(path.size0, 3);
  EXPECT_EQ(ElementAt(path, 2), 9);
}

TEST(FindPath, BadInputReturnsZeroAndLeavesThePathAlone) {
  const Grid open{5, 4, std::vector<double>(20, 1.0)};
  const NumberArray map = MapOf(open);
  const double nan = std::nan("");
  const double calls[][5] = {{0.5, 1, 1, 1, 1}, {0.5, -1, 0, 3, 3},  {0.5, 0, 0, 5, 0},
                             {0.5, 0, 0, 0, 4}, {0.5, 0, nan, 3, 3}, {0.5, 0, 0, 1e300, 0},
                             {nan, 0, 0, 3, 3}};
  for (const auto& c : calls) {
    NumberArray path = Untouched();
    EXPECT_EQ(FindPath(map, path, c[0], c[1], c[2], c[3], c[4]), 0);
    ExpectUntouched(path);
  }

  NumberArray line;
  FillArray(line, 4, {1, 1, 1, 1});
  NumberArray undimensioned;
  Grid withNaN = open;
  withNaN.values[7] = nan;
  Grid withInfinity = open;
  withInfinity.values[3] = std::numeric_limits<double>::infinity();
  for (const NumberArray& bad : {line, undimensioned, MapOf(withNaN), MapOf(withInfinity)}) {
    NumberArray path = Untouched();
    EXPECT_EQ(FindPath(bad, path, 0.5, 0, 0, 3, 0), 0);
    ExpectUntouched(path);
  }
}

TEST(FindPath, UnreachableGoalEmptiesThePath) {
  Grid blockedGoal{5, 4, std::vector<double>(20, 1.0)};
  blockedGoal.values[2 * 5 + 3] = 0;
  Grid walledOff{5, 4, std::vector<double>(20, 1.0)};
  for (int y = 0; y < 4; ++y)
    walledOff.values[y * 5 + 2] = -1;
  for (const Grid& grid : {blockedGoal, walledOff}) {
    NumberArray path = Untouched();
    EXPECT_EQ(FindPath(MapOf(grid), path, 0.5, 0, 0, 3, 2), 0);
    EXPECT_EQ(path.size0, 0);
    EXPECT_EQ(path.dimCount, 0);
  }
}

TEST(FindPath, StraightRunAcrossAnOpenField) {
  const Grid field{6, 5, std::vector<double>(30, 4.0)};
  NumberArray path;
  ASSERT_EQ(FindPath(MapOf(field), path, 0.5, 0, 0, 3, 0), 4);
  EXPECT_EQ(path.dimCount, 2);
  EXPECT_EQ(path.size1, 2);
  EXPECT_EQ(CellsOf(path), (Cells{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
}

TEST(FindPath, OneCellWideMapsRunStraightInBothDirections) {
  constexpr int kLength = 5000;
  const Grid column{1, kLength, std::vector<double>(kLength, 2.0)};
  const Grid row{kLength, 1, std::vector<double>(kLength, 2.0)};
  NumberArray down, left;
  ASSERT_EQ(FindPath(MapOf(column), down, 0.5, 0, 0, 0, kLength - 1), kLength);
  ASSERT_EQ(FindPath(MapOf(row), left, 0.5, kLength - 1, 0, 0, 0), kLength);
  const Cells downCells = CellsOf(down), leftCells = CellsOf(left);
  for (int i = 0; i < kLength; ++i) {
    ASSERT_EQ(downCells[i], (std::pair<int, int>{0, i}));
    ASSERT_EQ(leftCells[i], (std::pair<int, int>{kLength - 1 - i, 0}));
  }
}

TEST(FindPath, CoordinatesAreTruncatedTowardZero) {
  const Grid field{6, 5, std::vector<double>(30, 1.0)};
  NumberArray path;
  ASSERT_EQ(FindPath(MapOf(field), path, 0.5, 0.9, -0.5, 3.99, 0), 4);
  EXPECT_EQ(CellsOf(path).back(), (std::pair<int, int>{3, 0}));
}

TEST(FindPath, ScalingEveryCostKeepsThePath) {
  std::mt19937 random(11);
  for (int round = 0; round < 50; ++round) {
    const Grid grid = RandomGrid(random);
    Grid scaled = grid;
    for (double& v : scaled.values)
      v *= 7;
    const int gx = grid.width - 1, gy = grid.height - 1;
    NumberArray plain, larger;
    const double n = FindPath(MapOf(grid), plain, 0.5, 0, 0, gx, gy);
    ASSERT_EQ(FindPath(MapOf(scaled), larger, 0.5, 0, 0, gx, gy), n);
    EXPECT_EQ(CellsOf(plain), CellsOf(larger));
  }
}

TEST(FindPath, SameCellsAsTheSortedListSearchOnRandomMaps) {
  std::mt19937 random(2024);
  const float weights[] = {0, 0.25f, 0.5f, 0.75f, 1};
  int found = 0;
  for (int round = 0; round < 400; ++round) {
    const Grid grid = RandomGrid(random);
    std::uniform_int_distribution<int> xs(0, grid.width - 1), ys(0, grid.height - 1);
    const int sx = xs(random), sy = ys(random), gx = xs(random), gy = ys(random);
    if (sx == gx && sy == gy) continue;
    const float weight = weights[round % 5];
    NumberArray path;
    const double n = FindPath(MapOf(grid), path, weight, sx, sy, gx, gy);
    const Cells expected = ReferenceSearch(grid, weight, sx, sy, gx, gy);
    ASSERT_EQ(n, static_cast<double>(expected.size())) << "round " << round;
    ASSERT_EQ(CellsOf(path), expected) << "round " << round;
    found += n > 0;
  }
  EXPECT_GT(found, 200);  // most maps have a way through
}

TEST(FindPath, WeightZeroFindsTheCheapestPath) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const Grid grid = RandomGrid(random);
    const int gx = grid.width - 1, gy = grid.height - 1;
    NumberArray path;
    const double n = FindPath(MapOf(grid), path, 0, 0, 0, gx, gy);
    const double cheapest = DijkstraCost(grid, 0, 0, gx, gy);
    if (std::isinf(cheapest)) {
      EXPECT_EQ(n, 0) << "round " << round;
      continue;
    }
    ASSERT_GT(n, 0) << "round " << round;
    EXPECT_NEAR(PathCost(grid, CellsOf(path)), cheapest, 1e-4 * cheapest) << "round " << round;
  }
}

}  // namespace
