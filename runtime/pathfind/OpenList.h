// The open list: cells leave smallest f first and, among equal f, in the order they
// were inserted. A 4-ary heap keyed by (f, insertion count) gives that order with
// cheap insertion and removal. The heap holds each key beside its cell, so ordering
// reads no cell, and every cell records its place in the heap, so a cell whose f has
// changed is found and put back in order at once. f is never negative, so its bits
// order like the numbers, and the key is one integer: f's bits above a 32-bit count.
// When the count runs out, the open cells are numbered again in their order.
#pragma once

#include <cstdint>
#include <memory>

#include "pathfind/SearchCell.h"

namespace zentoir {

class OpenList {
 public:
  static constexpr uint64_t kSequenceLimit = uint64_t{1} << 32;

  // sequenceLimit: how many insertions are numbered before the numbers start again
  // (at most kSequenceLimit).
  explicit OpenList(uint64_t sequenceLimit = kSequenceLimit)
      : sequenceLimit_(sequenceLimit < kSequenceLimit ? sequenceLimit : kSequenceLimit) {}

  // Empties the list and makes room for every one of `count` cells, whose places in the
  // heap go to `cells`; the room of an earlier call is kept where it is enough. False
  // when the memory cannot be had. A cell is open at most once, so the list never fills.
  bool Allocate(int32_t count, SearchCell* cells);

  // Gives the room back.
  void Release();

  bool Empty() const { return size_ == 0; }

  // Opens a cell that is not open; f ≥ 0.
  void Insert(int32_t cell, float f);

  // Gives an open cell the key f ≥ 0 and puts it back in order, as if it had been removed
  // and inserted again.
  void Update(int32_t cell, float f);

  // Removes and returns the cell that leaves next. The list must not be empty.
  int32_t PopNext();

  void Clear();

 private:
  static constexpr int32_t kArity = 4;

  struct Entry {
    uint64_t key;  // leaves before every larger key
    int32_t cell;
  };
  Entry Keyed(int32_t cell, float f);
  void Renumber();
  void Place(int32_t index, const Entry& entry);
  void SiftUp(int32_t index, const Entry& entry);
  void SiftDown(int32_t index, const Entry& entry);

  std::unique_ptr<Entry[]> heap_;
  int32_t capacity_ = 0;
  int32_t size_ = 0;
  SearchCell* cells_ = nullptr;
  uint64_t sequenceLimit_;
  uint64_t nextSequence_ = 0;
};

}  // namespace zentoir
