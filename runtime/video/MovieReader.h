// MovieReader: a movie file's pictures and sound, decoded one piece at a time. Pictures
// come as RGBA at a fixed size, sound in the sample format the caller names; both with
// their presentation times in seconds from the start of the movie.
//
// Any container and codec the system's decoding libraries read is accepted. The
// reader never opens another file or address on behalf of the data (playlists and
// references are refused), and damaged input ends the movie rather than the program.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace zentoir {

// The largest picture side accepted from a file; larger movies are refused.
constexpr int kMaxMoviePictureSide = 8192;

enum class MovieSampleType { U8, S16, S32, F32 };

// The format the sound is delivered in (the mixer's).
struct MovieSoundFormat {
  int rate = 0;
  int channels = 0;
  MovieSampleType type = MovieSampleType::S16;
  int FrameBytes() const {
    const int sampleBytes = type == MovieSampleType::U8 ? 1 : type == MovieSampleType::S16 ? 2 : 4;
    return sampleBytes * channels;
  }
};

struct MoviePicture {
  int width = 0;
  int height = 0;
  // width × height × 4 bytes, top row first, followed by a row and a little more of
  // room the converter may write into beyond the last pixel.
  std::vector<uint8_t> rgba;
  double seconds = 0;  // presentation time
};

enum class MovieEvent { Picture, Sound, End };

class MovieReader {
 public:
  MovieReader();
  ~MovieReader();
  MovieReader(const MovieReader&) = delete;
  MovieReader& operator=(const MovieReader&) = delete;

  // Opens a regular file, or a copy of bytes in memory. Pictures wider or higher than
  // maxPictureSide are scaled down to fit (keeping the aspect). False when the data is
  // no movie, has no video stream, or a picture side above maxSourceSide.
  bool OpenFile(const std::string& path, int maxPictureSide);
  bool OpenBytes(std::span<const uint8_t> bytes, int maxPictureSide,
                 int maxSourceSide = kMaxMoviePictureSide);

  // Asks for the movie's sound (when it has any) in this format; false when the
  // movie has no sound that can be converted to it.
  bool EnableSound(const MovieSoundFormat& format);

  int Width() const { return picture_.width; }
  int Height() const { return picture_.height; }
  // How long one picture stays, from the stream's frame rate (1/25 s when unknown).
  double FrameSeconds() const { return frameSeconds_; }

  // Decodes until the next picture or block of sound, or the end (also the end of a
  // damaged file, or too much data without anything to show).
  MovieEvent Next();
  const MoviePicture& Picture() const { return picture_; }
  // Moves the last picture out, taking `into`'s buffer in exchange for the next one.
  void TakePicture(MoviePicture& into);
  const std::vector<uint8_t>& Sound() const { return sound_; }
  double SoundSeconds() const { return soundSeconds_; }

  // Back to the start for another pass; false when the data cannot seek.
  bool Rewind();

  struct State;  // the decoding libraries' objects

 private:
  bool Open(int maxPictureSide, int maxSourceSide);
  MovieEvent TakePictureFrame();
  MovieEvent TakeSoundFrame();
  std::unique_ptr<State> state_;
  MoviePicture picture_;
  std::vector<uint8_t> sound_;
  double soundSeconds_ = 0;
  double frameSeconds_ = 0.04;
  int maxSourceSide_ = kMaxMoviePictureSide;
};

}  // namespace zentoir
