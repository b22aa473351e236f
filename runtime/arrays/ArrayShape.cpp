#include "arrays/ArrayShape.h"

#include <algorithm>
#include <cmath>

#include "base/Stop.h"
#include "text/NumberText.h"

namespace zentoir::detail {

int32_t StorageFor(double d0, double d1, double d2, double d3, int32_t granularity) {
  const double first = d0 < 1 ? 0 : d0;
  const double n = std::trunc(first * std::max(1.0, d1) * std::max(1.0, d2) * std::max(1.0, d3));
  // NaN sizes and counts beyond 32 bits cannot be allocated.
  if (!(n >= 0) || n > INT32_MAX - 2.0 * granularity) StopWithError(kErrorArgument);
  const auto count = static_cast<int32_t>(n);
  return count / granularity * granularity + granularity;
}

void SetShape(ArrayShape& shape, double d0, double d1, double d2, double d3) {
  const double first = d0 < 1 ? 0 : d0;
  shape.dimCount = d3 != 0 ? 4 : d2 != 0 ? 3 : d1 != 0 ? 2 : first != 0 ? 1 : 0;
  shape.size0 = TruncateToInt32(first);
  shape.size1 = TruncateToInt32(d1);
  shape.size2 = TruncateToInt32(d2);
  shape.size3 = TruncateToInt32(d3);
  // The element count fits in 32 bits (StorageFor checked it), so do the strides
  // unless a later size is negative; such shapes refuse every index anyway.
  const int64_t s1 = shape.size0;
  const int64_t s2 = s1 * shape.size1;
  const int64_t s3 = s2 * shape.size2;
  auto clamp = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  shape.stride1 = clamp(s1);
  shape.stride2 = clamp(s2);
  shape.stride3 = clamp(s3);
}

void ArrayIndexError() {
  StopWithError(kErrorIndex);
}

double ShapeBound(const ArrayShape& shape, double dimension) {
  switch (TruncateToInt32(dimension)) {
    case 0:
      return shape.size0;
    case 1:
      return shape.size1;
    case 2:
      return shape.size2;
    case 3:
      return shape.size3;
    default:
      return 0;
  }
}

int64_t ShapeElementCount(const ArrayShape& shape) {
  auto atLeastOne = [](int32_t size) { return static_cast<int64_t>(std::max(1, size)); };
  return static_cast<int64_t>(std::max(0, shape.size0)) * atLeastOne(shape.size1) *
         atLeastOne(shape.size2) * atLeastOne(shape.size3);
}

}  // namespace zentoir::detail
