// The closed set: nodes chained in 2^b buckets, the bucket taken from the low b/2 bits
// of x and of y, so neighbouring cells fall into different buckets.
#pragma once

#include <cstdint>
#include <vector>

#include "pathfind/Node.h"

namespace zentoir {

class NodeHashTable {
 public:
  static constexpr int kMaxBits = 24;

  // Makes 2^bits empty buckets; bits is clamped to 0..24 and an odd count rounded down.
  // False when the memory cannot be had.
  bool Allocate(int bits);

  // Puts the node at the head of its bucket unless it is already chained there.
  void Insert(Node* node);

  // The node of cell (x, y), or null; remembers where it hangs for UnlinkFound.
  Node* Find(int32_t x, int32_t y);

  // Takes the node returned by the last successful Find out of its bucket.
  void UnlinkFound();

  void Clear();

 private:
  uint32_t Bucket(int32_t x, int32_t y) const;

  std::vector<Node*> heads_;
  int halfBits_ = 0;
  uint32_t mask_ = 0;
  Node** foundLink_ = nullptr;
};

}  // namespace zentoir
