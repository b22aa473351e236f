// FindPath on 512 × 512 maps (random costs, random costs with walls, a maze) against
// boost::astar_search on a compressed sparse row graph of the same grid: the same cell
// costs (c / cmax + 1 for entering a cell), the same Manhattan heuristic, start and goal
// in opposite corners. Both searches are optimal here, so the path costs must agree.
// Our time covers the whole command (cost grid, search, path array); boost's covers
// astar_search and walking its predecessor map, with the graph built beforehand.
#include <boost/graph/astar_search.hpp>
#include <boost/graph/compressed_sparse_row_graph.hpp>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>
#include <utility>
#include <vector>

#include "BenchTimer.h"
#include "zentoir.h"

namespace {

using namespace zentoir;

constexpr int kSide = 512;

struct Edge {
  double weight;
};
using Graph = boost::compressed_sparse_row_graph<boost::directedS, boost::no_property, Edge>;
using Vertex = boost::graph_traits<Graph>::vertex_descriptor;

int Cell(int x, int y) {
  return y * kSide + x;
}

std::vector<double> RandomCosts(std::mt19937& random, double wallShare) {
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<double> values(kSide * kSide);
  for (double& v : values)
    v = unit(random) < wallShare ? 0 : 1 + std::floor(unit(random) * 100);
  values[Cell(0, 0)] = values[Cell(kSide - 1, kSide - 1)] = 1;
  return values;
}

// Corridors on the even cells carved by a depth-first walk, random costs inside.
std::vector<double> Maze(std::mt19937& random) {
  std::vector<double> values(kSide * kSide, 0);
  std::vector<std::pair<int, int>> stack{{0, 0}};
  values[Cell(0, 0)] = 1;
  const int dx[] = {2, -2, 0, 0}, dy[] = {0, 0, 2, -2};
  while (!stack.empty()) {
    auto [x, y] = stack.back();
    std::vector<int> ways;
    for (int k = 0; k < 4; ++k) {
      const int nx = x + dx[k], ny = y + dy[k];
      if (nx >= 0 && ny >= 0 && nx < kSide && ny < kSide && values[Cell(nx, ny)] == 0)
        ways.push_back(k);
    }
    if (ways.empty()) {
      stack.pop_back();
      continue;
    }
    const int k = ways[random() % ways.size()];
    values[Cell(x + dx[k] / 2, y + dy[k] / 2)] = 1 + random() % 9;
    values[Cell(x + dx[k], y + dy[k])] = 1 + random() % 9;
    stack.push_back({x + dx[k], y + dy[k]});
  }
  values[Cell(kSide - 1, kSide - 1)] = values[Cell(kSide - 2, kSide - 1)] = 1;
  return values;
}

std::vector<double> CellCosts(const std::vector<double>& values) {
  double largest = 0;
  for (double v : values)
    largest = std::max(largest, v);
  std::vector<double> costs;
  for (double v : values)
    costs.push_back(v <= 0 ? -1 : static_cast<float>(v / largest + 1.0));
  return costs;
}

Graph GridGraph(const std::vector<double>& costs) {
  std::vector<std::pair<int, int>> edges;
  std::vector<Edge> weights;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const int dx[] = {0, 1, -1, 0}, dy[] = {-1, 0, 0, 1};
      for (int k = 0; k < 4; ++k) {
        const int nx = x + dx[k], ny = y + dy[k];
        if (nx < 0 || ny < 0 || nx >= kSide || ny >= kSide || costs[Cell(nx, ny)] < 0) continue;
        edges.push_back({Cell(x, y), Cell(nx, ny)});
        weights.push_back({costs[Cell(nx, ny)]});
      }
    }
  return Graph(boost::edges_are_unsorted_multi_pass, edges.begin(), edges.end(), weights.begin(),
               kSide * kSide);
}

struct Manhattan : boost::astar_heuristic<Graph, double> {
  Vertex goal;
  explicit Manhattan(Vertex g) : goal(g) {}
  double operator()(Vertex v) const {
    return std::abs(int(v % kSide) - int(goal % kSide)) +
           std::abs(int(v / kSide) - int(goal / kSide));
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
double BoostSearch(const Graph& graph, Vertex start, Vertex goal, std::vector<Vertex>& path) {
  std::vector<Vertex> predecessor(num_vertices(graph));
  std::vector<double> distance(num_vertices(graph));
  try {
    boost::astar_search(graph, start, Manhattan(goal),
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

double OurCost(NumberArray& path, const std::vector<double>& costs) {
  double total = 0;
  for (int i = 1; i < path.size0; ++i)
    total += costs[Cell(int(ElementAt(path, i, 0)), int(ElementAt(path, i, 1)))];
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

void Compare(const char* what, const std::vector<double>& values) {
  NumberArray map;
  DimNumberArray(map, kSide, kSide);
  std::copy(values.begin(), values.end(), map.data);
  const std::vector<double> costs = CellCosts(values);
  const Graph graph = GridGraph(costs);
  const Vertex start = Cell(0, 0), goal = Cell(kSide - 1, kSide - 1);

  // The two searches take turns, so a busy machine slows both alike; the best of the
  // rounds counts.
  NumberArray path;
  double found = 0;
  std::vector<Vertex> boostPath;
  double boostCost = 0;
  double ours = 1e300, theirs = 1e300;
  for (int round = 0; round < 9; ++round) {
    ours = std::min(
        ours, Microseconds([&] { found = FindPath(map, path, 0.5, 0, 0, kSide - 1, kSide - 1); }));
    theirs = std::min(
        theirs, Microseconds([&] { boostCost = BoostSearch(graph, start, goal, boostPath); }));
  }

  const double ourCost = found > 0 ? OurCost(path, costs) : -1;
  const bool same = std::abs(ourCost - boostCost) <= 1e-5 * std::abs(boostCost);
  std::printf("%-28s %9.0f us  %9.0f us (boost::astar_search)  ratio %.2f  cost %.4f / %.4f%s\n",
              what, ours, theirs, ours / theirs, ourCost, boostCost, same ? "" : "  COSTS DIFFER");
}

}  // namespace

int main() {
  std::mt19937 random(5);
  Compare("512x512 random costs", RandomCosts(random, 0));
  Compare("512x512 random, 25% walls", RandomCosts(random, 0.25));
  Compare("512x512 maze", Maze(random));
  return 0;
}
