// The seed generator: `fuzz_seeds <corpus folder>` writes the seeds of every target into
// <corpus folder>/<target>/.
#include "SeedCorpus.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace zentoir::fuzz {
namespace {

std::map<std::string, SeedMaker>& Makers() {
  static std::map<std::string, SeedMaker> makers;
  return makers;
}

}  // namespace

std::string SeedSet::NextPath() {
  char name[32];
  std::snprintf(name, sizeof name, "seed-%03d", count_++);
  return dir_ + "/" + name;
}

void SeedSet::Add(std::span<const uint8_t> bytes) {
  std::ofstream out(NextPath(), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "cannot write a seed into %s\n", dir_.c_str());
    std::exit(1);
  }
}

void SeedSet::Add(std::string_view text) {
  Add(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

bool RegisterSeeds(const char* target, SeedMaker maker) {
  Makers()[target] = maker;
  return true;
}

}  // namespace zentoir::fuzz

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  for (const auto& [target, maker] : zentoir::fuzz::Makers()) {
    const fs::path dir = fs::path(argv[1]) / target;
    fs::remove_all(dir);  // seeds only: what the fuzzer finds goes elsewhere
    fs::create_directories(dir);
    zentoir::fuzz::SeedSet seeds(dir.string());
    maker(seeds);
  }
  return 0;
}
