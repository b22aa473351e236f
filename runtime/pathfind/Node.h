// One grid cell the search has reached.
#pragma once

#include <cstdint>

namespace zentoir {

struct Node {
  Node* parent;      // the cell this one was reached from; null for the start
  int32_t x;
  int32_t y;
  float f;           // the open-list key
  float g;           // cost of the best known way from the start
  Node* bucketNext;  // next node in the same closed-set bucket
  // Open-list bookkeeping: the node's place in the heap (-1 when not open) and the
  // insertion count that breaks ties between equal f.
  int32_t heapIndex;
  uint64_t sequence;
};

}  // namespace zentoir
