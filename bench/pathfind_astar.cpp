// FindPath against boost::astar_search on a compressed sparse row graph of the same grid:
// the same cell costs (c / cmax + 1 for entering a cell), the same Manhattan heuristic,
// start and goal in opposite corners. Both searches are optimal here, so the path costs
// must agree. Our time covers the whole command (cost grid, search, path array); boost's
// covers astar_search and walking its predecessor map, with the graph built beforehand.
// The 512 × 512 maps (random costs, random costs with walls, a maze) carry the limit;
// the long thin maps and the large square one show that the time grows with the cells.
#include <boost/graph/astar_search.hpp>
#include <boost/graph/compressed_sparse_row_graph.hpp>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>
#include <utility>
#include <vector>

#include "zentoir.h"

namespace {

using namespace zentoir;

constexpr double kLimit = 0.67;  // our time ÷ boost's

struct Grid {
  int width;
  int height;
  std::vector<double> values;  // x varying fastest
  int Cell(int x, int y) const { return y * width + x; }
};

struct Edge {
  double weight;
};
using Graph = boost::compressed_sparse_row_graph<boost::directedS, boost::no_property, Edge>;
using Vertex = boost::graph_traits<Graph>::vertex_descriptor;

Grid RandomCosts(std::mt19937& random, int width, int height, double wallShare) {
  std::uniform_real_distribution<double> unit(0, 1);
  Grid grid{width, height, std::vector<double>(size_t(width) * height)};
  for (double& v : grid.values)
    v = unit(random) < wallShare ? 0 : 1 + std::floor(unit(random) * 100);
  grid.values[grid.Cell(0, 0)] = grid.values[grid.Cell(width - 1, height - 1)] = 1;
  return grid;
}

// Corridors on the even cells carved by a depth-first walk, random costs inside.
Grid Maze(std::mt19937& random, int side) {
  Grid grid{side, side, std::vector<double>(size_t(side) * side, 0)};
  std::vector<double>& values = grid.values;
  std::vector<std::pair<int, int>> stack{{0, 0}};
  values[grid.Cell(0, 0)] = 1;
  const int dx[] = {2, -2, 0, 0}, dy[] = {0, 0, 2, -2};
  while (!stack.empty()) {
    auto [x, y] = stack.back();
    std::vector<int> ways;
    for (int k = 0; k < 4; ++k) {
      const int nx = x + dx[k], ny = y + dy[k];
      if (nx >= 0 && ny >= 0 && nx < side && ny < side && values[grid.Cell(nx, ny)] == 0)
        ways.push_back(k);
    }
    if (ways.empty()) {
      stack.pop_back();
      continue;
    }
    const int k = ways[random() % ways.size()];
    values[grid.Cell(x + dx[k] / 2, y + dy[k] / 2)] = 1 + random() % 9;
    values[grid.Cell(x + dx[k], y + dy[k])] = 1 + random() % 9;
    stack.push_back({x + dx[k], y + dy[k]});
  }
  values[grid.Cell(side - 1, side - 1)] = values[grid.Cell(side - 2, side - 1)] = 1;
  return grid;
}

std::vector<double> CellCosts(const Grid& grid) {
  double largest = 0;
  for (double v : grid.values)
    largest = std::max(largest, v);
  std::vector<double> costs;
  for (double v : grid.values)
    costs.push_back(v <= 0 ? -1 : static_cast<float>(v / largest + 1.0));
  return costs;
}

Graph GridGraph(const Grid& grid, const std::vector<double>& costs) {
  std::vector<std::pair<int, int>> edges;
  std::vector<Edge> weights;
  for (int y = 0; y < grid.height; ++y)
    for (int x = 0; x < grid.width; ++x) {
      const int dx[] = {0, 1, -1, 0}, dy[] = {-1, 0, 0, 1};
      for (int k = 0; k < 4; ++k) {
        const int nx = x + dx[k], ny = y + dy[k];
        if (nx < 0 || ny < 0 || nx >= grid.width || ny >= grid.height) continue;
        if (costs[grid.Cell(nx, ny)] < 0) continue;
        edges.push_back({grid.Cell(x, y), grid.Cell(nx, ny)});
        weights.push_back({costs[grid.Cell(nx, ny)]});
      }
    }
  return Graph(boost::edges_are_unsorted_multi_pass, edges.begin(), edges.end(), weights.begin(),
               grid.values.size());
}

struct Manhattan : boost::astar_heuristic<Graph, double> {
  Vertex goal;
  Vertex width;
  Manhattan(Vertex g, Vertex w) : goal(g), width(w) {}
  double operator()(Vertex v) const {
    return std::abs(double(v % width) - double(goal % width)) +
           std::abs(double(v / width) - double(goal / width));
  }
};

struct GoalReached {};
struct StopAtGoal : boost::default_astar_visitor {
  Vertex goal;
  explicit StopAtGoal(Vertex g) : goal(g) {}
  void examine_vertex(Vertex v, const Graph&) const {
    if (v == goal) throw GoalReached{};
  }
};

// The boost search; answers the path cost (−1 when the goal was not reached).
double BoostSearch(const Graph& graph, Vertex width, Vertex start, Vertex goal,
                   std::vector<Vertex>& path) {
  std::vector<Vertex> predecessor(num_vertices(graph));
  std::vector<double> distance(num_vertices(graph));
  try {
    boost::astar_search(graph, start, Manhattan(goal, width),
                        boost::weight_map(get(&Edge::weight, graph))
                            .predecessor_map(predecessor.data())
                            .distance_map(distance.data())
                            .visitor(StopAtGoal(goal)));
  } catch (const GoalReached&) {
    path.clear();
    for (Vertex v = goal; v != start; v = predecessor[v])
      path.push_back(v);
    path.push_back(start);
    return distance[goal];
  }
  return -1;
}

double OurCost(NumberArray& path, const Grid& grid, const std::vector<double>& costs) {
  double total = 0;
  for (int i = 1; i < path.size0; ++i)
    total += costs[grid.Cell(int(ElementAt(path, i, 0)), int(ElementAt(path, i, 1)))];
  return total;
}

// Processor time of this thread in microseconds: on a shared machine the wall clock
// mostly measures the other programs.
double ThreadMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

double Microseconds(auto&& body) {
  const double start = ThreadMicroseconds();
  body();
  return ThreadMicroseconds() - start;
}

// limited: the ratio must stay within kLimit.
void Compare(const char* what, const Grid& grid, int rounds, bool limited) {
  NumberArray map;
  DimNumberArray(map, grid.width, grid.height);
  std::copy(grid.values.begin(), grid.values.end(), map.data);
  const std::vector<double> costs = CellCosts(grid);
  const Graph graph = GridGraph(grid, costs);
  const int gx = grid.width - 1, gy = grid.height - 1;
  const Vertex start = grid.Cell(0, 0), goal = grid.Cell(gx, gy);

  // The two searches take turns, so a busy machine slows both alike; the best of the
  // rounds counts.
  NumberArray path;
  double found = 0;
  std::vector<Vertex> boostPath;
  double boostCost = 0;
  double ours = 1e300, theirs = 1e300;
  for (int round = 0; round < rounds; ++round) {
    ours = std::min(ours, Microseconds([&] { found = FindPath(map, path, 0.5, 0, 0, gx, gy); }));
    theirs = std::min(theirs, Microseconds([&] {
                        boostCost = BoostSearch(graph, grid.width, start, goal, boostPath);
                      }));
  }

  const double ourCost = found > 0 ? OurCost(path, grid, costs) : -1;
  const bool same = std::abs(ourCost - boostCost) <= 1e-5 * std::abs(boostCost);
  const double ratio = ours / theirs;
  std::printf("%-28s %10.0f us %10.0f us (boost::astar_search)  ratio %.2f", what, ours, theirs,
              ratio);
  if (limited) std::printf("  limit %.2f%s", kLimit, ratio <= kLimit ? "" : "  OVER");
  std::printf("%s\n", same ? "" : "  COSTS DIFFER");
}

}  // namespace

int main() {
  std::mt19937 random(5);
  Compare("512x512 random costs", RandomCosts(random, 512, 512, 0), 9, true);
  Compare("512x512 random, 25% walls", RandomCosts(random, 512, 512, 0.25), 9, true);
  Compare("512x512 maze", Maze(random, 512), 9, true);
  Compare("2000x2000 random costs", RandomCosts(random, 2000, 2000, 0), 3, false);
  Compare("1x1000000 random costs", RandomCosts(random, 1, 1000000, 0), 3, false);
  Compare("1x4000000 random costs", RandomCosts(random, 1, 4000000, 0), 3, false);
  return 0;
}
