// Pindrake: the balloon puzzle. `Pindrake --help` lists the options.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Entry.h"

namespace {

constexpr const char* kUsage =
    "usage: Pindrake [--windowed] [--seed N]\n"
    "  --windowed   play in a 640 x 480 window instead of switching the display\n"
    "  --seed N     a fixed sequence of boards: board k is made from seed N + k\n"
    "  --help       this text\n";

// Reads the options; false (with a message) for anything it does not know.
bool ParseOptions(int argc, char** argv, pindrake::GameOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--windowed") {
      options.windowed = true;
    } else if (option == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      options.seed = std::strtod(argv[++i], &end);
      if (end == argv[i] || *end != 0) {
        std::fprintf(stderr, "Pindrake: --seed needs a number, not \"%s\"\n", argv[i]);
        return false;
      }
      options.seeded = true;
    } else {
      std::fprintf(stderr, "Pindrake: unknown option \"%s\"\n", option.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  pindrake::GameOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::string commandLine;
  for (int i = 1; i < argc; ++i)
    commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  pindrake::GameEntry(commandLine.c_str(), 1, options);
}
