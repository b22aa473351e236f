// Movie files from memory, a few pieces decoded per input (and a few more after a
// rewind): every picture has the size the reader announced and a time in order, and
// every block of sound holds whole sample frames.
#include <cmath>
#include <cstdlib>

#include "video/MovieReader.h"

namespace {

constexpr int kPieces = 6;
constexpr int kPictureSide = 64;
constexpr int kSourceSide = 1024;  // larger pictures decode too slowly for a fuzz run

void ReadPieces(zentoir::MovieReader& reader, const zentoir::MovieSoundFormat& format) {
  double previous = 0;
  for (int i = 0; i < kPieces; ++i) {
    const zentoir::MovieEvent event = reader.Next();
    if (event == zentoir::MovieEvent::End) return;
    if (event == zentoir::MovieEvent::Sound) {
      if (reader.Sound().empty() || reader.Sound().size() % size_t(format.FrameBytes()) != 0) {
        std::abort();
      }
      continue;
    }
    const zentoir::MoviePicture& picture = reader.Picture();
    if (picture.width != reader.Width() || picture.height != reader.Height()) std::abort();
    if (picture.rgba.size() < size_t(picture.width) * size_t(picture.height) * 4) std::abort();
    if (!std::isfinite(picture.seconds) || picture.seconds < previous) std::abort();
    previous = picture.seconds;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentoir::MovieReader reader;
  if (!reader.OpenBytes(std::span(data, size), kPictureSide, kSourceSide)) return 0;
  if (reader.Width() < 1 || reader.Width() > kPictureSide || reader.Height() < 1 ||
      reader.Height() > kPictureSide) {
    std::abort();
  }
  const zentoir::MovieSoundFormat format{22050, 2, zentoir::MovieSampleType::S16};
  reader.EnableSound(format);
  ReadPieces(reader, format);
  if (reader.Rewind()) ReadPieces(reader, format);
  return 0;
}
