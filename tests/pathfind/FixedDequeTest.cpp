// The ring buffer, across its wrap-around.
#include <gtest/gtest.h>

#include <vector>

#include "pathfind/FixedDeque.h"

using zentoir::FixedDeque;

namespace {

std::vector<int> Items(FixedDeque<int>& deque) {
  std::vector<int> items;
  for (int64_t i = 0; i < deque.Size(); ++i)
    items.push_back(deque.At(i));
  return items;
}

TEST(FixedDeque, KeepsOrderAcrossTheWrapAndRefusesWhenFull) {
  FixedDeque<int> deque;
  ASSERT_TRUE(deque.Allocate(5));
  EXPECT_TRUE(deque.PushBack(3));
  EXPECT_TRUE(deque.PushFront(2));  // wraps to the last slot
  EXPECT_TRUE(deque.PushFront(1));
  EXPECT_TRUE(deque.InsertAt(3, 5));
  EXPECT_TRUE(deque.InsertAt(3, 4));
  EXPECT_EQ(Items(deque), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_FALSE(deque.PushBack(6));
  EXPECT_FALSE(deque.InsertAt(0, 0));

  deque.RemoveAt(1);
  deque.PopFront();
  EXPECT_EQ(Items(deque), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(deque.Back(), 5);
  deque.PopBack();
  EXPECT_EQ(deque.Front(), 3);
  EXPECT_EQ(deque.Size(), 2);
}

}  // namespace
