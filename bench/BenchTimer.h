// A small timing helper for the benchmark programs: the best of several runs, in
// nanoseconds per operation.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace bench {

// Keeps the compiler from optimising a value away.
template <typename T>
inline void Keep(T const& value) {
  asm volatile("" : : "r,m"(value) : "memory");
}

template <typename Body>
double NanosecondsPerOp(long operations, Body&& body, int runs = 5) {
  double best = 1e300;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    body(operations);
    const auto end = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::nano>(end - start).count());
  }
  return best / static_cast<double>(operations);
}

inline void PrintRatio(const char* what, double ours, double reference, const char* against) {
  std::printf("%-44s %9.2f ns  %9.2f ns (%s)  ratio %.2f\n", what, ours, reference, against,
              ours / reference);
}

}  // namespace bench
