// Archives of the archive builder appended to a few bytes of "program": two entries,
// one entry of nothing, and an archive that is the whole file.
#include "SeedCorpus.h"
#include "files/ArchiveWriter.h"

namespace {

std::vector<uint8_t> Appended(std::vector<uint8_t> file,
                              const std::vector<zentoir::ArchiveInput>& inputs) {
  std::vector<uint8_t> archive;
  std::string error;
  if (!zentoir::BuildArchive(inputs, archive, error)) return {};
  file.insert(file.end(), archive.begin(), archive.end());
  return file;
}

}  // namespace

FUZZ_SEEDS(archive) {
  const std::vector<uint8_t> program = {0x7F, 'E', 'L', 'F', 1, 2, 3, 4};
  std::vector<uint8_t> repeated(300, 'a');
  seeds.Add(Appended(program, {{"Pic.bmp", {'B', 'M', 1, 2, 3}}, {"tune.mid", repeated}}));
  seeds.Add(Appended(program, {{"empty.wav", {}}}));
  seeds.Add(Appended({}, {{"a", {'x'}}}));
}
