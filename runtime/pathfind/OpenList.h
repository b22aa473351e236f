// The open list: nodes leave smallest f first and, among equal f, in the order they
// were inserted. A binary heap keyed by (f, insertion count) gives that order with
// cheap insertion and removal, and a table indexed by cell finds a cell's open node.
// The heap holds each node's key beside its pointer, so ordering reads no node.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "pathfind/FixedDeque.h"
#include "pathfind/Node.h"

namespace zentoir {

class OpenList {
 public:
  // Room for `capacity` nodes on a width × height grid; false when the memory cannot
  // be had.
  bool Allocate(int64_t capacity, int32_t width, int32_t height);

  bool Empty() const { return heap_.Empty(); }

  // False when the list is full.
  bool Insert(Node* node);

  // Puts a node already in the list back in order after its f has changed, as if it
  // had been removed and inserted again.
  void Reinsert(Node* node);

  // Removes and returns the node that leaves next. The list must not be empty.
  Node* PopNext();

  // The open node of cell (x, y), or null.
  Node* Find(int32_t x, int32_t y) const { return cells_[CellIndex(x, y)]; }

  void Clear();

 private:
  struct FreeDeleter {
    void operator()(Node** p) const { std::free(p); }
  };

  int64_t CellIndex(int32_t x, int32_t y) const { return int64_t{y} * width_ + x; }
  struct Entry {
    float f;
    uint64_t sequence;
    Node* node;
  };
  static bool LeavesBefore(const Entry& a, const Entry& b) {
    return a.f < b.f || (a.f == b.f && a.sequence < b.sequence);
  }
  void Place(int64_t index, const Entry& entry);
  void SiftUp(int64_t index);
  void SiftDown(int64_t index);

  FixedDeque<Entry> heap_;
  std::unique_ptr<Node*[], FreeDeleter> cells_;
  int32_t width_ = 0;
  uint64_t nextSequence_ = 0;
};

}  // namespace zentoir
