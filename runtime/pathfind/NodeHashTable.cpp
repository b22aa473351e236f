#include "pathfind/NodeHashTable.h"

#include <algorithm>
#include <new>

namespace zentoir {

bool NodeHashTable::Allocate(int bits) {
  halfBits_ = std::clamp(bits, 0, kMaxBits) / 2;
  mask_ = (1u << halfBits_) - 1;
  foundLink_ = nullptr;
  try {
    heads_.assign(size_t{1} << (2 * halfBits_), nullptr);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

uint32_t NodeHashTable::Bucket(int32_t x, int32_t y) const {
  const auto ux = static_cast<uint32_t>(x);
  const auto uy = static_cast<uint32_t>(y);
  return (ux & mask_) | ((uy & mask_) << halfBits_);
}

void NodeHashTable::Insert(Node* node) {
  Node*& head = heads_[Bucket(node->x, node->y)];
  for (Node* chained = head; chained; chained = chained->bucketNext)
    if (chained == node) return;
  node->bucketNext = head;
  head = node;
}

Node* NodeHashTable::Find(int32_t x, int32_t y) {
  for (Node** link = &heads_[Bucket(x, y)]; *link; link = &(*link)->bucketNext) {
    if ((*link)->x == x && (*link)->y == y) {
      foundLink_ = link;
      return *link;
    }
  }
  return nullptr;
}

void NodeHashTable::UnlinkFound() {
  if (!foundLink_ || !*foundLink_) return;
  Node* node = *foundLink_;
  *foundLink_ = node->bucketNext;
  node->bucketNext = nullptr;
  foundLink_ = nullptr;
}

void NodeHashTable::Clear() {
  std::fill(heads_.begin(), heads_.end(), nullptr);
  foundLink_ = nullptr;
}

}  // namespace zentoir
