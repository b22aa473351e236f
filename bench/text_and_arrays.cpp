// Costs of texts, number conversion and array access against the standard library.
#include <cstdio>
#include <string>
#include <vector>

#include "BenchTimer.h"
#include "zentoir.h"

using namespace zentoir;

namespace {

void Appends() {
  constexpr long kOps = 200000;
  const double ours = bench::NanosecondsPerOp(kOps, [](long n) {
    DynString s;
    for (long i = 0; i < n; ++i)
      s += "abc";
    bench::Keep(s.length);
  });
  const double reference = bench::NanosecondsPerOp(kOps, [](long n) {
    std::string s;
    for (long i = 0; i < n; ++i)
      s += "abc";
    bench::Keep(s.size());
  });
  bench::PrintRatio("append 3 bytes", ours, reference, "std::string");
}

void Concatenations() {
  constexpr long kOps = 200000;
  const DynString name("Spieler");
  const std::string stdName("Spieler");
  const double ours = bench::NanosecondsPerOp(kOps, [&](long n) {
    for (long i = 0; i < n; ++i) {
      DynString s = name + ": " + name;
      bench::Keep(s.length);
    }
  });
  const double reference = bench::NanosecondsPerOp(kOps, [&](long n) {
    for (long i = 0; i < n; ++i) {
      std::string s = stdName + ": " + stdName;
      bench::Keep(s.size());
    }
  });
  bench::PrintRatio("concatenate text + literal + text", ours, reference, "std::string");
}

// Each class alternates a value of few digits with one whose digits run on, so that
// both the short and the long conversion are timed.
void NumberConversion(const char* what, double shortValue, double longValue) {
  constexpr long kOps = 200000;
  const double values[2] = {shortValue, longValue};
  const double ours = bench::NanosecondsPerOp(kOps, [&](long n) {
    for (long i = 0; i < n; ++i) {
      DynString s = NumberToText(values[i & 1]);
      bench::Keep(s.length);
    }
  });
  const double reference = bench::NanosecondsPerOp(kOps, [&](long n) {
    char buffer[64];
    for (long i = 0; i < n; ++i) {
      const int length = std::snprintf(buffer, sizeof buffer, "%.10g", values[i & 1]);
      bench::Keep(length);
    }
  });
  bench::PrintRatio(what, ours, reference, "snprintf %.10g");
}

void ArrayAccess() {
  constexpr long kElements = 1000;
  constexpr long kOps = 200 * kElements;
  NumberArray array;
  DimNumberArray(array, kElements);
  std::vector<double> plain(kElements, 0.0);
  const double ours = bench::NanosecondsPerOp(kOps, [&](long n) {
    for (long pass = 0; pass < n / kElements; ++pass) {
      for (long i = 0; i < kElements; ++i)
        ElementAt(array, static_cast<double>(i)) += 1.0;
    }
    bench::Keep(array.data[0]);
  });
  const double reference = bench::NanosecondsPerOp(kOps, [&](long n) {
    for (long pass = 0; pass < n / kElements; ++pass) {
      for (long i = 0; i < kElements; ++i)
        plain[static_cast<size_t>(i)] += 1.0;
      bench::Keep(plain[0]);
    }
  });
  bench::PrintRatio("ElementAt (checked, double indexes)", ours, reference, "plain loop");
}

}  // namespace

int main() {
  std::printf("Texts, numbers and arrays (best of 5 runs, per operation)\n");
  Appends();
  Concatenations();
  NumberConversion("NumberToText of a whole number", 1234567.0, 9876543210.0);
  NumberConversion("NumberToText of a fraction", 3.14159265, 1.0 / 3.0);
  NumberConversion("NumberToText of a large number", 1.5e20, 12345678901234.567);
  NumberConversion("NumberToText of a tiny number", 0.00125, 2.0 / 3.0 * 1e-20);
  NumberConversion("NumberToText of a negative number", -273.15, -1.0 / 7.0);
  ArrayAccess();
  return 0;
}
