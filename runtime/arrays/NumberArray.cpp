#include "arrays/NumberArray.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/Stop.h"

namespace zentoir {
namespace {

constexpr int32_t kNumberGranularity = 8;

void FreeStorage(NumberArray& array) {
  if (!array.UsesInlineStore()) delete[] array.data;
  array.data = nullptr;
  array.capacity = 0;
}

void AllocateStorage(NumberArray& array, int32_t count) {
  if (count <= NumberArray::kInlineCapacity) {
    array.data = array.inlineStore;
    std::fill(array.inlineStore, array.inlineStore + NumberArray::kInlineCapacity, 0.0);
  } else {
    array.data = new (std::nothrow) double[count]();
    if (!array.data) StopWithError(kErrorArgument);
  }
  array.capacity = count;
}

// How many indexes of one dimension survive a change of sizes; a dimension that is
// unused before or after keeps only index 0.
int32_t KeptIndexes(int32_t oldSize, int32_t newSize) {
  if (oldSize == 0 || newSize == 0) return 1;
  return std::max(0, std::min(oldSize, newSize));
}

}  // namespace

NumberArray::NumberArray(const NumberArray& other) {
  if (other.data) CopyArray(*this, other);
}

NumberArray& NumberArray::operator=(const NumberArray& other) {
  CopyArray(*this, other);
  return *this;
}

NumberArray::~NumberArray() {
  FreeStorage(*this);
}

void DimNumberArray(NumberArray& array, double d0, double d1, double d2, double d3) {
  const int32_t count = detail::StorageFor(d0, d1, d2, d3, kNumberGranularity);
  if (detail::NeedsNewStorage(array, count, d0)) {
    FreeStorage(array);
    AllocateStorage(array, count);
  } else {
    std::fill(array.data, array.data + array.capacity, 0.0);
  }
  detail::SetShape(array, d0, d1, d2, d3);
}

void RedimNumberArray(NumberArray& array, double d0, double d1, double d2, double d3) {
  NumberArray fresh;
  DimNumberArray(fresh, d0, d1, d2, d3);
  if (array.data) {
    const int32_t keep0 = KeptIndexes(array.size0, fresh.size0);
    const int32_t keep1 = KeptIndexes(array.size1, fresh.size1);
    const int32_t keep2 = KeptIndexes(array.size2, fresh.size2);
    const int32_t keep3 = KeptIndexes(array.size3, fresh.size3);
    for (int32_t i3 = 0; i3 < keep3; ++i3)
      for (int32_t i2 = 0; i2 < keep2; ++i2)
        for (int32_t i1 = 0; i1 < keep1; ++i1)
          for (int32_t i0 = 0; i0 < keep0; ++i0) {
            const int64_t from = i0 + int64_t{i1} * array.stride1 + int64_t{i2} * array.stride2 +
                                 int64_t{i3} * array.stride3;
            const int64_t to = i0 + int64_t{i1} * fresh.stride1 + int64_t{i2} * fresh.stride2 +
                               int64_t{i3} * fresh.stride3;
            fresh.data[to] = array.data[from];
          }
  }
  if (fresh.UsesInlineStore()) {
    DimNumberArray(array, d0, d1, d2, d3);
    std::memcpy(array.data, fresh.data, sizeof(double) * fresh.capacity);
    return;
  }
  FreeStorage(array);
  static_cast<ArrayShape&>(array) = fresh;
  array.data = fresh.data;
  fresh.data = nullptr;  // ownership moved
  fresh.capacity = 0;
}

double ArrayBound(const NumberArray& array, double dimension) {
  return detail::ShapeBound(array, dimension);
}

void CopyArray(NumberArray& target, const NumberArray& source) {
  if (&target == &source) return;
  DimNumberArray(target, source.size0, source.size1, source.size2, source.size3);
  if (!source.data) return;
  const int64_t count = std::min<int64_t>(detail::ShapeElementCount(source), source.capacity);
  std::memcpy(target.data, source.data, sizeof(double) * static_cast<size_t>(count));
}

void FillArray(NumberArray& array, double count, std::initializer_list<double> values) {
  DimNumberArray(array, count);
  const int64_t n = std::min<int64_t>(array.size0, static_cast<int64_t>(values.size()));
  std::copy(values.begin(), values.begin() + n, array.data);
}

}  // namespace zentoir
