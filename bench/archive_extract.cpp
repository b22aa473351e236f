// Extracting one MiB from the resource archive: ResolveDataFile against plain LZO1X
// decompression of the same stream (the decoding share) and against a plain file copy
// of the unpacked MiB (the limit a resolve can hope to approach).
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "files/ArchiveSlot.h"
#include "files/ArchiveWriter.h"
#include "files/FileOperations.h"
#include "files/LzoCodec.h"
#include "os/Clock.h"
#include "os/File.h"

namespace {

using namespace zentoir;
namespace fs = std::filesystem;

constexpr size_t kSize = 1u << 20;
constexpr int kRounds = 200;

// Image-like data: runs of repeated pixels mixed with noise, so LZO has work to do.
std::vector<uint8_t> SampleData() {
  std::mt19937 random(1);
  std::vector<uint8_t> data;
  while (data.size() < kSize) {
    const uint8_t pixel = static_cast<uint8_t>(random());
    const size_t run = random() % 64;
    for (size_t i = 0; i < run && data.size() < kSize; ++i)
      data.push_back(pixel);
    if (data.size() < kSize) data.push_back(static_cast<uint8_t>(random()));
  }
  return data;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  os::File file;
  if (!file.CreateAnew(path) || !file.WriteAll(bytes.data(), bytes.size())) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

template <typename Step>
double MillisecondsPerRound(Step step) {
  step();  // warm the caches once
  const double start = os::MonotonicMs();
  for (int round = 0; round < kRounds; ++round)
    step();
  return (os::MonotonicMs() - start) / kRounds;
}

void Print(const char* what, double ms) {
  std::printf("%-34s %8.3f ms  %8.1f MiB/s\n", what, ms, 1000.0 / ms);
}

}  // namespace

int main() {
  const fs::path dir =
      fs::temp_directory_path() / ("zentoir-bench-" + std::to_string(std::random_device()()));
  fs::create_directories(dir);
  setenv("TMPDIR", dir.c_str(), 1);

  const std::vector<uint8_t> data = SampleData();
  std::vector<uint8_t> archive;
  std::string error;
  if (!BuildArchive({{"Sample.png", data}}, archive, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const std::string program = (dir / "Program").string();
  const std::string plain = (dir / "plain.png").string();
  WriteFile(program, archive);
  WriteFile(plain, data);
  const std::vector<uint8_t> stream = CompressLzo1x(data);

  CreateArchiveSlots();
  SetResourceArchives(program.c_str(), "");
  std::string out;
  const double resolve =
      MillisecondsPerRound([&] { ResolveDataFile(GeneralArchiveSlot(), "Daten/Sample.png", out); });
  const double decode = MillisecondsPerRound([&] { DecompressLzo1x(stream, data.size()); });
  const std::string copy = (dir / "copy.png").string();
  const double duplicate =
      MillisecondsPerRound([&] { DuplicateFile(plain.c_str(), copy.c_str()); });

  std::printf("1 MiB, stored as %zu bytes, %d rounds\n", stream.size() + 4, kRounds);
  Print("ResolveDataFile (extract)", resolve);
  Print("LZO1X decompression in memory", decode);
  Print("plain file copy (DuplicateFile)", duplicate);
  std::printf("resolve / copy: %.2f\n", resolve / duplicate);

  DeleteExtractedFiles();
  fs::remove_all(dir);
  return 0;
}
