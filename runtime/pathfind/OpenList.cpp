#include "pathfind/OpenList.h"

namespace zentoir {

bool OpenList::Allocate(int64_t capacity, int32_t width, int32_t height) {
  width_ = width;
  nextSequence_ = 0;
  // calloc hands out zeroed pages without touching them, so only the cells the
  // search reaches cost memory.
  cells_.reset(static_cast<Node**>(
      std::calloc(static_cast<size_t>(int64_t{width} * height), sizeof(Node*))));
  return cells_ && heap_.Allocate(capacity);
}

void OpenList::Place(int64_t index, const Entry& entry) {
  heap_.At(index) = entry;
  entry.node->heapIndex = static_cast<int32_t>(index);
}

void OpenList::SiftUp(int64_t index) {
  const Entry entry = heap_.At(index);
  while (index > 0) {
    const int64_t parent = (index - 1) / 2;
    const Entry& above = heap_.At(parent);
    if (!LeavesBefore(entry, above)) break;
    Place(index, above);
    index = parent;
  }
  Place(index, entry);
}

void OpenList::SiftDown(int64_t index) {
  const Entry entry = heap_.At(index);
  const int64_t size = heap_.Size();
  for (;;) {
    int64_t child = 2 * index + 1;
    if (child >= size) break;
    if (child + 1 < size && LeavesBefore(heap_.At(child + 1), heap_.At(child))) ++child;
    const Entry& below = heap_.At(child);
    if (!LeavesBefore(below, entry)) break;
    Place(index, below);
    index = child;
  }
  Place(index, entry);
}

bool OpenList::Insert(Node* node) {
  if (!heap_.PushBack({node->f, nextSequence_++, node})) return false;
  cells_[CellIndex(node->x, node->y)] = node;
  SiftUp(heap_.Size() - 1);
  return true;
}

void OpenList::Reinsert(Node* node) {
  const int64_t index = node->heapIndex;
  heap_.At(index) = {node->f, nextSequence_++, node};
  SiftUp(index);
  SiftDown(node->heapIndex);
}

Node* OpenList::PopNext() {
  Node* next = heap_.At(0).node;
  const Entry last = heap_.Back();
  heap_.PopBack();
  if (!heap_.Empty()) {
    heap_.At(0) = last;
    SiftDown(0);
  }
  next->heapIndex = -1;
  cells_[CellIndex(next->x, next->y)] = nullptr;
  return next;
}

void OpenList::Clear() {
  while (!heap_.Empty()) {
    Node* node = heap_.Back().node;
    cells_[CellIndex(node->x, node->y)] = nullptr;
    node->heapIndex = -1;
    heap_.PopBack();
  }
  nextSequence_ = 0;
}

}  // namespace zentoir
