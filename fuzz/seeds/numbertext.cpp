// Texts of numbers in every form TextToNumber takes, and the bytes of a few doubles and
// integers for the other conversions (see numbertext.cpp for the first byte).
#include <cstring>

#include "SeedCorpus.h"

namespace {

std::string Bytes(char mode, std::initializer_list<double> values) {
  std::string input(1, mode);
  for (double value : values) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 7; i >= 0; --i)
      input += char(bits >> (8 * i));
  }
  return input;
}

}  // namespace

FUZZ_SEEDS(numbertext) {
  for (const char* text : {"42", "  -3.25e-7xyz", "+.5", "1e400", "\t12345678901234567890", "-"})
    seeds.Add(std::string(1, '\0') + text);
  seeds.Add(Bytes(1, {1234567890.5}));
  seeds.Add(Bytes(1, {-2.5e-300}));
  seeds.Add(Bytes(2, {12, 3, -7.125}));
  seeds.Add(Bytes(2, {-400, 300, 1e300}));
  seeds.Add(Bytes(3, {-1.5}));
}
