// The seed corpus of every fuzz target, made by code when the fuzzers are built.
//
// fuzz/seeds/<name>.cpp holds the seeds of fuzz/<name>.cpp:
//
//   FUZZ_SEEDS(name) {
//     seeds.Add(SomeWriter(...));   // bytes
//     seeds.Add("text");
//   }
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentoir::fuzz {

class SeedSet {
 public:
  explicit SeedSet(std::string dir) : dir_(std::move(dir)) {}

  void Add(std::span<const uint8_t> bytes);
  void Add(std::string_view text);
  // The path of the next seed, for writers that write a file themselves; the file
  // found there afterwards is the seed.
  std::string NextPath();

 private:
  std::string dir_;
  int count_ = 0;
};

using SeedMaker = void (*)(SeedSet& seeds);

// Called by FUZZ_SEEDS at start-up.
bool RegisterSeeds(const char* target, SeedMaker maker);

}  // namespace zentoir::fuzz

#define FUZZ_SEEDS(target)                                          \
  static void FuzzSeeds_##target(::zentoir::fuzz::SeedSet& seeds);  \
  [[maybe_unused]] static const bool fuzzSeedsRegistered_##target = \
      ::zentoir::fuzz::RegisterSeeds(#target, FuzzSeeds_##target);  \
  static void FuzzSeeds_##target([[maybe_unused]] ::zentoir::fuzz::SeedSet& seeds)
