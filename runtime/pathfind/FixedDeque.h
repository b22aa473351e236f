// A ring buffer of fixed capacity: push and pop at both ends, access by position
// counted from the front, insertion and removal at a position.
#pragma once

#include <cstdint>
#include <memory>
#include <new>

namespace zentoir {

template <typename T>
class FixedDeque {
 public:
  // Sets the capacity and empties the deque; false when the memory cannot be had.
  bool Allocate(int64_t capacity) {
    items_.reset(capacity > 0 ? new (std::nothrow) T[capacity] : nullptr);
    capacity_ = items_ ? capacity : 0;
    Clear();
    return capacity <= 0 || items_ != nullptr;
  }

  void Clear() {
    front_ = 0;
    size_ = 0;
  }
  int64_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  bool Full() const { return size_ == capacity_; }

  T& At(int64_t index) { return items_[Slot(index)]; }
  T& Front() { return At(0); }
  T& Back() { return At(size_ - 1); }

  // The push and insert operations answer false when the deque is full.
  bool PushBack(const T& item) {
    if (Full()) return false;
    ++size_;
    Back() = item;
    return true;
  }
  bool PushFront(const T& item) {
    if (Full()) return false;
    front_ = front_ == 0 ? capacity_ - 1 : front_ - 1;
    ++size_;
    Front() = item;
    return true;
  }
  void PopBack() { --size_; }
  void PopFront() {
    front_ = Slot(1);
    --size_;
  }

  // Inserts before the item at `index` (index == Size() appends).
  bool InsertAt(int64_t index, const T& item) {
    if (!PushBack(item)) return false;
    for (int64_t i = size_ - 1; i > index; --i)
      At(i) = At(i - 1);
    At(index) = item;
    return true;
  }
  void RemoveAt(int64_t index) {
    for (int64_t i = index; i + 1 < size_; ++i)
      At(i) = At(i + 1);
    PopBack();
  }

 private:
  int64_t Slot(int64_t index) const {
    const int64_t slot = front_ + index;
    return slot >= capacity_ ? slot - capacity_ : slot;
  }

  std::unique_ptr<T[]> items_;
  int64_t capacity_ = 0;
  int64_t front_ = 0;
  int64_t size_ = 0;
};

}  // namespace zentoir
