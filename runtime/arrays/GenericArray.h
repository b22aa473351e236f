// Arrays of texts, bytes and game record types: up to four dimensions on the heap.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <new>

#include "arrays/ArrayShape.h"
#include "base/Stop.h"
#include "text/DynString.h"
#include "text/NumberText.h"

namespace zentoir {

template <typename T>
struct GenericArray : ArrayShape {
  T* data = nullptr;  // null before the first dimension statement

  GenericArray() = default;
  GenericArray(const GenericArray& other);
  GenericArray& operator=(const GenericArray& other);
  ~GenericArray() { delete[] data; }
};

// The dimension statement: sizes the array and resets every element. Storage grows in
// steps of 64 elements and is only replaced when it is too small or d0 < 1.
template <typename T>
void DimArray(GenericArray<T>& array, double d0, double d1 = 0, double d2 = 0, double d3 = 0) {
  const int32_t count = detail::StorageFor(d0, d1, d2, d3, detail::kElementGranularity);
  if (detail::NeedsNewStorage(array, count, d0)) {
    delete[] array.data;
    array.data = new (std::nothrow) T[count]();
    array.capacity = array.data ? count : 0;
    if (!array.data) StopWithError(kErrorArgument);
  } else {
    std::fill(array.data, array.data + array.capacity, T{});
  }
  detail::SetShape(array, d0, d1, d2, d3);
}

// DimArray for an array of texts.
inline void DimTextArray(GenericArray<DynString>& array, double d0, double d1 = 0, double d2 = 0,
                         double d3 = 0) {
  DimArray(array, d0, d1, d2, d3);
}

// DimArray for an array of bytes.
inline void DimByteArray(GenericArray<uint8_t>& array, double d0, double d1 = 0, double d2 = 0,
                         double d3 = 0) {
  DimArray(array, d0, d1, d2, d3);
}

// Record types reset by value-initialisation: texts empty, numbers 0.
template <typename Record>
void DimRecordArray(GenericArray<Record>& array, double d0, double d1 = 0, double d2 = 0,
                    double d3 = 0) {
  DimArray(array, d0, d1, d2, d3);
}

// The element at the indexes; a bad index stops the program with error 9.
template <typename T>
T& ElementAt(GenericArray<T>& array, double i0, double i1 = 0, double i2 = 0, double i3 = 0) {
  const int64_t offset =
      detail::ElementOffset(array, array.data != nullptr, TruncateToInt32(i0), TruncateToInt32(i1),
                            TruncateToInt32(i2), TruncateToInt32(i3));
  if (offset < 0) detail::ArrayIndexError();
  return array.data[offset];
}

// The size of dimension 0..3; 0 for any other dimension index.
template <typename T>
double ArrayBound(const GenericArray<T>& array, double dimension) {
  return detail::ShapeBound(array, dimension);
}

// Dimensions the target like the source and copies every element.
template <typename T>
void CopyArray(GenericArray<T>& target, const GenericArray<T>& source) {
  if (&target == &source) return;
  DimArray(target, source.size0, source.size1, source.size2, source.size3);
  if (!source.data) return;
  const int64_t count = std::min<int64_t>(detail::ShapeElementCount(source), source.capacity);
  std::copy(source.data, source.data + count, target.data);
}

// One dimension of `count` elements holding the values in order.
template <typename T>
void FillArray(GenericArray<T>& array, double count, std::initializer_list<T> values) {
  DimArray(array, count);
  const int64_t n = std::min<int64_t>(array.size0, static_cast<int64_t>(values.size()));
  std::copy(values.begin(), values.begin() + n, array.data);
}

template <typename T>
GenericArray<T>::GenericArray(const GenericArray& other) {
  if (other.data) CopyArray(*this, other);
}

template <typename T>
GenericArray<T>& GenericArray<T>::operator=(const GenericArray& other) {
  CopyArray(*this, other);
  return *this;
}

}  // namespace zentoir
