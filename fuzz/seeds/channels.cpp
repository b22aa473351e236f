// Read sequences over small files: values, fixed-length texts, and lines ending in LF,
// CR LF and the end of the file.
#include "SeedCorpus.h"

namespace {

// Reads chosen by byte: 0 byte, 1 word, 2 long, 3 double, 4 + 8n text of n, 5 line,
// 6 number line (see channels.cpp).
std::string Sequence(std::string_view reads, std::string_view file) {
  std::string input(1, char(reads.size()));
  input += reads;
  input += file;
  return input;
}

}  // namespace

FUZZ_SEEDS(channels) {
  seeds.Add(Sequence({"\x00\x01\x02\x03", 4},
                     "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C"
                     "\x00\x00\x00\x00\x00\x00\xF0\x3F"));
  seeds.Add(Sequence("\x05\x05\x06\x05", "first line\r\nsecond\n  42.5e1 rest\nlast\r"));
  seeds.Add(Sequence("\x24\x1C\x05", std::string_view("name\0\0\0\0abc\n", 12)));
}
