// Pindrake: the balloon puzzle. `Pindrake --help` lists the options.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Entry.h"

namespace {

constexpr const char* kUsage =
    "usage: Pindrake [--windowed] [--unscaled] [--seed N] [--demo | --replay N | --stats]\n"
    "  --windowed   play in a window instead of switching the display\n"
    "  --unscaled   keep the window at 640 x 480 (no scaling to the window's size)\n"
    "  --seed N     a fixed sequence of boards: board k is made from seed N + k\n"
    "  --demo       the game plays by itself until Esc\n"
    "  --replay N   plays the game of place N of the table back\n"
    "  --stats      prints the statistics kept in Pindrake.ini\n"
    "  --help       this text\n";

// A whole number from the text, or false.
bool ReadNumber(const char* text, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && *end == 0;
}

// Reads the options; false (with a message) for anything it does not know.
bool ParseOptions(int argc, char** argv, pindrake::GameOptions& options, bool& stats) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--windowed") {
      options.windowed = true;
    } else if (option == "--unscaled") {
      options.scaled = false;
    } else if (option == "--demo") {
      options.demo = true;
    } else if (option == "--stats") {
      stats = true;
    } else if (option == "--seed" && i + 1 < argc) {
      if (!ReadNumber(argv[++i], options.seed)) {
        std::fprintf(stderr, "Pindrake: --seed needs a number, not \"%s\"\n", argv[i]);
        return false;
      }
      options.seeded = true;
    } else if (option == "--replay" && i + 1 < argc) {
      double place = 0;
      if (!ReadNumber(argv[++i], place) || !(place >= 1 && place <= 20) || place != int(place)) {
        std::fprintf(stderr, "Pindrake: --replay needs a place from 1 to 20, not \"%s\"\n",
                     argv[i]);
        return false;
      }
      options.replayPlace = place;
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
  bool stats = false;
  if (!ParseOptions(argc, argv, options, stats)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (stats) {
    pindrake::PrintStatistics();
    return 0;
  }
  if (options.replayPlace > 0 && !pindrake::HasReplay(options.replayPlace)) {
    std::fprintf(stderr, "Pindrake: no replay is recorded for place %d\n",
                 int(options.replayPlace));
    return 1;
  }
  std::string commandLine;
  for (int i = 1; i < argc; ++i)
    commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  pindrake::GameEntry(commandLine.c_str(), 1, options);
}
