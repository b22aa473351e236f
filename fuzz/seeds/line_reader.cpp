// Line ends of both kinds, a lone CR, a NUL, a missing last end and a long line.
#include <string>

#include "SeedCorpus.h"

using namespace std::string_literals;

FUZZ_SEEDS(line_reader) {
  seeds.Add("first\r\nsecond\nthird");
  seeds.Add("a\rb\r\n\r\nnul\0byte\n"s);
  seeds.Add(std::string(1023, 'x') + "\r\n" + std::string(1030, 'y') + "\n");
}
