// One grid cell the search has reached.
#pragma once

#include <cstdint>

namespace zentoir {

struct Node {
  Node* parent;  // the cell this one was reached from; null for the start
  int32_t x;
  int32_t y;
  float f;            // the open-list key
  float g;            // cost of the best known way from the start
  Node* bucketNext;   // next node in the same closed-set bucket
  int32_t heapIndex;  // the node's place in the open list's heap; -1 when not open
};

}  // namespace zentoir
