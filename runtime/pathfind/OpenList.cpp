#include "pathfind/OpenList.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zentoir {
namespace {

// A non-negative float's bits order as the float does.
uint32_t FloatBits(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

}  // namespace

bool OpenList::Allocate(int32_t count, SearchCell* cells) {
  size_ = 0;
  cells_ = cells;
  nextSequence_ = 0;
  if (count <= capacity_) return true;
  // The entries are not touched until used, so a large heap only costs the pages the
  // search reaches.
  heap_.reset(new (std::nothrow) Entry[count]);
  capacity_ = heap_ ? count : 0;
  return heap_ != nullptr;
}

void OpenList::Release() {
  heap_.reset();
  capacity_ = 0;
  size_ = 0;
}

OpenList::Entry OpenList::Keyed(int32_t cell, float f) {
  if (nextSequence_ >= sequenceLimit_) Renumber();
  return {uint64_t{FloatBits(f)} << 32 | nextSequence_++, cell};
}

// Numbers the open cells 0, 1, ... in the order they leave; a sorted array is a heap.
void OpenList::Renumber() {
  std::sort(heap_.get(), heap_.get() + size_,
            [](const Entry& a, const Entry& b) { return a.key < b.key; });
  for (int32_t i = 0; i < size_; ++i)
    Place(i, {(heap_[i].key >> 32) << 32 | static_cast<uint32_t>(i), heap_[i].cell});
  nextSequence_ = static_cast<uint64_t>(size_);
}

void OpenList::Place(int32_t index, const Entry& entry) {
  heap_[index] = entry;
  cells_[entry.cell].slot = index;
}

// Moves `entry`, meant for place `index`, up past every parent that leaves after it.
void OpenList::SiftUp(int32_t index, const Entry& entry) {
  while (index > 0) {
    const int32_t parent = (index - 1) / kArity;
    if (heap_[parent].key <= entry.key) break;
    Place(index, heap_[parent]);
    index = parent;
  }
  Place(index, entry);
}

// Moves `entry`, meant for place `index`, down past every child that leaves before it.
void OpenList::SiftDown(int32_t index, const Entry& entry) {
  for (;;) {
    const int64_t first = int64_t{kArity} * index + 1;
    if (first >= size_) break;
    const int32_t last = static_cast<int32_t>(first + kArity < size_ ? first + kArity : size_);
    auto next = static_cast<int32_t>(first);
    uint64_t nextKey = heap_[next].key;
    for (int32_t child = next + 1; child < last; ++child) {
      const uint64_t key = heap_[child].key;
      next = key < nextKey ? child : next;
      nextKey = key < nextKey ? key : nextKey;
    }
    if (entry.key <= nextKey) break;
    Place(index, heap_[next]);
    index = next;
  }
  Place(index, entry);
}

void OpenList::Insert(int32_t cell, float f) {
  const Entry entry = Keyed(cell, f);
  SiftUp(size_++, entry);
}

void OpenList::Update(int32_t cell, float f) {
  const Entry entry = Keyed(cell, f);
  const int32_t index = cells_[cell].slot;
  SiftUp(index, entry);
  SiftDown(cells_[cell].slot, entry);
}

int32_t OpenList::PopNext() {
  const int32_t next = heap_[0].cell;
  cells_[next].slot = -1;
  if (--size_ > 0) SiftDown(0, heap_[size_]);
  return next;
}

void OpenList::Clear() {
  for (int32_t i = 0; i < size_; ++i)
    cells_[heap_[i].cell].slot = -1;
  size_ = 0;
  nextSequence_ = 0;
}

}  // namespace zentoir
