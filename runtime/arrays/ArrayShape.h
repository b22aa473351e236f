// The shape shared by every dynamic array: up to four dimensions, the first index
// varying fastest, and the number of elements allocated.
#pragma once

#include <cstdint>

namespace zentoir {

struct ArrayShape {
  int32_t stride1 = 0;  // size0
  int32_t stride2 = 0;  // size0 × size1
  int32_t stride3 = 0;  // size0 × size1 × size2
  int32_t size0 = 0;    // 0 marks an unused dimension
  int32_t size1 = 0;
  int32_t size2 = 0;
  int32_t size3 = 0;
  int32_t dimCount = 0;
  int32_t capacity = 0;
};

// What the array templates need from the shape; not for game code.
namespace detail {

// Element counts are rounded up to a multiple of the granularity (always at least
// one step more than needed); number arrays have their own.
constexpr int32_t kElementGranularity = 64;

// The storage a dimension statement needs: the element count rounded to the
// granularity. Stops the program with error 7 when it cannot be represented.
int32_t StorageFor(double d0, double d1, double d2, double d3, int32_t granularity);

// Whether a dimension statement must replace the storage.
inline bool NeedsNewStorage(const ArrayShape& shape, int32_t count, double d0) {
  return shape.capacity < count || d0 < 1;
}

// Records the dimension count, sizes and strides of a dimension statement.
void SetShape(ArrayShape& shape, double d0, double d1, double d2, double d3);

// The element offset of an index tuple, or -1 when an index is out of range.
inline int64_t ElementOffset(const ArrayShape& s, bool hasData, int32_t i0, int32_t i1, int32_t i2,
                             int32_t i3) {
  if ((i0 | i1 | i2 | i3) < 0 || !hasData || i0 >= s.size0) return -1;
  // An unused dimension (size 0) only takes index 0, so no index reaches past the end.
  if (s.size1 != 0 ? i1 >= s.size1 : i1 != 0) return -1;
  if (s.size2 != 0 ? i2 >= s.size2 : i2 != 0) return -1;
  if (s.size3 != 0 ? i3 >= s.size3 : i3 != 0) return -1;
  return static_cast<int64_t>(i0) + static_cast<int64_t>(i1) * s.stride1 +
         static_cast<int64_t>(i2) * s.stride2 + static_cast<int64_t>(i3) * s.stride3;
}

// Stops the program with error 9.
[[noreturn]] void ArrayIndexError();

// The size of dimension 0..3 as a double; 0 for any other dimension index.
double ShapeBound(const ArrayShape& shape, double dimension);

// Elements covered by the sizes: size0 × max(1, size1) × max(1, size2) × max(1, size3).
int64_t ShapeElementCount(const ArrayShape& shape);

}  // namespace detail
}  // namespace zentoir
