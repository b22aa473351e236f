// Arrays of numbers: up to four dimensions; up to 16 elements live inside the record.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "arrays/ArrayShape.h"
#include "text/NumberText.h"

namespace zentoir {

struct NumberArray : ArrayShape {
  static constexpr int32_t kInlineCapacity = 16;

  double* data = nullptr;  // inlineStore, a heap block, or null before dimensioning
  double inlineStore[kInlineCapacity] = {};

  NumberArray() = default;
  NumberArray(const NumberArray& other);
  NumberArray& operator=(const NumberArray& other);
  ~NumberArray();

  bool UsesInlineStore() const { return data == inlineStore; }
};

// The dimension statement: sizes the array and sets every element to 0. Storage grows
// in steps of 8 elements and is only replaced when it is too small or d0 < 1.
void DimNumberArray(NumberArray& array, double d0, double d1 = 0, double d2 = 0, double d3 = 0);

// Changes the sizes, keeping the elements whose indexes exist in both shapes.
void RedimNumberArray(NumberArray& array, double d0, double d1 = 0, double d2 = 0, double d3 = 0);

// The element at the indexes; a bad index stops the program with error 9.
inline double& ElementAt(NumberArray& array, double i0, double i1 = 0, double i2 = 0,
                         double i3 = 0) {
  const int64_t offset =
      detail::ElementOffset(array, array.data != nullptr, TruncateToInt32(i0), TruncateToInt32(i1),
                            TruncateToInt32(i2), TruncateToInt32(i3));
  if (offset < 0) detail::ArrayIndexError();
  return array.data[offset];
}

// The size of dimension 0..3; 0 for any other dimension index.
double ArrayBound(const NumberArray& array, double dimension);

// Dimensions the target like the source and copies every element.
void CopyArray(NumberArray& target, const NumberArray& source);

// One dimension of `count` elements holding the values in order.
void FillArray(NumberArray& array, double count, std::initializer_list<double> values);

}  // namespace zentoir
