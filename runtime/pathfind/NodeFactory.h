// The planner's node pool: allocated once, handed out in order, all given back at once.
#pragma once

#include <cstdint>
#include <memory>

#include "pathfind/Node.h"

namespace zentoir {

class NodeFactory {
 public:
  // False when the memory cannot be had. The nodes are not touched until handed out,
  // so a large pool only costs the pages the search reaches.
  bool Allocate(int64_t size);

  // The next node of the pool, or null when the pool has run dry.
  Node* Take();

  void ReturnAll() { handedOut_ = 0; }

 private:
  std::unique_ptr<Node[]> nodes_;
  int64_t size_ = 0;
  int64_t handedOut_ = 0;
};

}  // namespace zentoir
