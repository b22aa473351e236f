// The movie reader of a runtime built without movie decoders (the browser's): no data
// opens as a movie, so PlayMovie answers as for a file it cannot play, and the log says
// why once.
#include "base/ErrorLog.h"
#include "video/MovieReader.h"

namespace zentoir {
namespace {

bool RefuseMovie() {
  static bool logged = false;
  if (!logged) AppendErrorLog("PlayMovie: this runtime was built without movie decoders");
  logged = true;
  return false;
}

}  // namespace

struct MovieReader::State {};

MovieReader::MovieReader() = default;
MovieReader::~MovieReader() = default;

bool MovieReader::OpenFile(const std::string&, int) {
  return RefuseMovie();
}

bool MovieReader::OpenBytes(std::span<const uint8_t>, int, int) {
  return RefuseMovie();
}

bool MovieReader::EnableSound(const MovieSoundFormat&) {
  return false;
}

MovieEvent MovieReader::Next() {
  return MovieEvent::End;
}

void MovieReader::TakePicture(MoviePicture& into) {
  into = MoviePicture{};
}

bool MovieReader::Rewind() {
  return false;
}

}  // namespace zentoir
