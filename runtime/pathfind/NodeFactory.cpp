#include "pathfind/NodeFactory.h"

#include <new>

namespace zentoir {

bool NodeFactory::Allocate(int64_t size) {
  nodes_.reset(size > 0 ? new (std::nothrow) Node[size] : nullptr);
  size_ = nodes_ ? size : 0;
  handedOut_ = 0;
  return size <= 0 || nodes_ != nullptr;
}

Node* NodeFactory::Take() {
  if (handedOut_ >= size_) return nullptr;
  return &nodes_[handedOut_++];
}

}  // namespace zentoir
