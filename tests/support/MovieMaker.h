// Short movies made at test time with the system's encoders: numbered colour frames and
// a stereo sample pattern, so a test can tell which frame is on the screen and find
// the movie's samples in the sound output.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zentoir::testing {

struct MovieRecipe {
  int width = 320;
  int height = 240;
  int frames = 20;
  int framesPerSecond = 10;
  int soundRate = 22050;  // 0: no sound
  const char* container = "matroska";
  const char* videoCodec = "ffv1";  // "ffv1": lossless RGB; "mpeg4": lossy YUV 4:2:0
  bool detailed = false;            // moving stripes over the colour (for timing decoders)
};

// The colour of frame k (red, green, blue), far apart for k < 36.
std::array<uint8_t, 3> FrameColour(int k);
// The frame whose colour is nearest, or -1 when none is close.
int FrameOfColour(int red, int green, int blue);
// Sample `frame` of the sound, side 0 (left) or 1 (right): a pattern that does not
// repeat within a minute.
int16_t SoundSample(size_t frame, int side);

// Writes the movie; false when an encoder or the container is missing.
bool MakeMovie(const std::string& path, const MovieRecipe& recipe);

}  // namespace zentoir::testing
