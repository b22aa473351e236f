// Numbers from the command boundary turned into the integers a command works with.
#pragma once

#include <cstdint>

namespace zentoir {

// Truncation toward zero that saturates instead of overflowing; NaN gives the lowest
// value, so that it fails every range check.
inline int32_t TruncateToInt32(double value) {
  if (value > -2147483649.0 && value < 2147483648.0) return static_cast<int32_t>(value);
  return value > 0 ? INT32_MAX : INT32_MIN;  // NaN fails both comparisons
}

inline int64_t TruncateToInt64(double value) {
  if (value > -9223372036854775808.0 && value < 9223372036854775808.0) {
    return static_cast<int64_t>(value);
  }
  return value > 0 ? INT64_MAX : INT64_MIN;
}

}  // namespace zentoir
