// The open list's order, smallest f first and then first inserted, against a plain
// model under random insertions, updates and removals, with the insertion count
// numbered again many times over.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "pathfind/OpenList.h"

using namespace zentoir;

namespace {

std::vector<int32_t> PopOrder(uint64_t sequenceLimit, uint32_t seed) {
  constexpr int32_t kCells = 64;
  std::vector<SearchCell> cells(kCells, SearchCell{1, 0, -1, -1});
  OpenList open(sequenceLimit);
  EXPECT_TRUE(open.Allocate(kCells, cells.data()));
  std::mt19937 random(seed);
  std::vector<int32_t> order;
  for (int step = 0; step < 2000; ++step) {
    const int32_t cell = static_cast<int32_t>(random() % kCells);
    const auto f = static_cast<float>(random() % 4);  // few keys: many ties
    if (random() % 3 == 0 && !open.Empty())
      order.push_back(open.PopNext());
    else if (cells[cell].slot >= 0)
      open.Update(cell, f);
    else
      open.Insert(cell, f);
  }
  while (!open.Empty())
    order.push_back(open.PopNext());
  return order;
}

// The same operations on a list of (f, insertion count, cell) searched from end to end.
std::vector<int32_t> ModelOrder(uint32_t seed) {
  constexpr int32_t kCells = 64;
  std::vector<std::tuple<float, int, int32_t>> open;
  std::mt19937 random(seed);
  std::vector<int32_t> order;
  auto popNext = [&] {
    auto next = std::min_element(open.begin(), open.end());
    order.push_back(std::get<2>(*next));
    open.erase(next);
  };
  for (int step = 0; step < 2000; ++step) {
    const int32_t cell = static_cast<int32_t>(random() % kCells);
    const auto f = static_cast<float>(random() % 4);
    if (random() % 3 == 0 && !open.empty()) {
      popNext();
      continue;
    }
    std::erase_if(open, [&](const auto& entry) { return std::get<2>(entry) == cell; });
    open.emplace_back(f, step, cell);
  }
  while (!open.empty())
    popNext();
  return order;
}

TEST(OpenList, SmallestFThenFirstInsertedWithAndWithoutRenumbering) {
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    const std::vector<int32_t> expected = ModelOrder(seed);
    EXPECT_EQ(PopOrder(OpenList::kSequenceLimit, seed), expected) << "seed " << seed;
    EXPECT_EQ(PopOrder(3, seed), expected) << "seed " << seed;
    EXPECT_EQ(PopOrder(100, seed), expected) << "seed " << seed;
  }
}

}  // namespace
