// Prints what one frame of a 640 × 480 movie costs the player: decoding with conversion
// to RGBA, and decoding, conversion, texture upload, drawing and presenting, beside
// the decoding libraries' own decoding of the same frames (the limit), measured in
// the same run. The movie (MPEG-4, moving stripes) is made at start and removed after.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchRuntime.h"
#include "BenchTimer.h"
#include "base/RuntimeContext.h"
#include "core/ServiceStep.h"
#include "gfx2d/gl/MovieScreen.h"
#include "gfx2d/renderer/Renderer.h"
#include "os/Clock.h"
#include "support/MovieMaker.h"
#include "video/MovieReader.h"
#include "zentoir.h"

using namespace zentoir;

namespace {

constexpr int kFrames = 150;
constexpr int kRuns = 3;

// The libraries alone: demuxing and decoding every frame, one thread as the player.
int DecodeOnly(const std::string& path) {
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return 0;
  avformat_find_stream_info(format, nullptr);
  const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  const AVCodec* codec = avcodec_find_decoder(format->streams[stream]->codecpar->codec_id);
  AVCodecContext* context = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(context, format->streams[stream]->codecpar);
  context->thread_count = 1;
  avcodec_open2(context, codec, nullptr);
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  int frames = 0;
  auto drain = [&] {
    while (avcodec_receive_frame(context, frame) == 0) {
      ++frames;
      av_frame_unref(frame);
    }
  };
  while (av_read_frame(format, packet) >= 0) {
    if (packet->stream_index == stream && avcodec_send_packet(context, packet) == 0) drain();
    av_packet_unref(packet);
  }
  avcodec_send_packet(context, nullptr);
  drain();
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&context);
  avformat_close_input(&format);
  return frames;
}

// The player's reader: every picture decoded and converted; with a screen, also
// uploaded, drawn and presented.
int ReadAndShow(const std::string& path, MovieScreen* screen) {
  MovieReader reader;
  if (!reader.OpenFile(path, 4096)) return 0;
  const bool anySize = ActiveRenderer()->HasGLExtension("GL_ARB_texture_non_power_of_two");
  if (screen != nullptr && !screen->Create(reader.Width(), reader.Height(), 4096, anySize)) {
    return 0;
  }
  int frames = 0;
  for (MovieEvent event; (event = reader.Next()) != MovieEvent::End;) {
    if (event != MovieEvent::Picture) continue;
    ++frames;
    if (screen == nullptr) continue;
    screen->Upload(reader.Picture().rgba.data(), reader.Picture().width, reader.Picture().height);
    screen->Draw();
    ShowBackBuffer();
  }
  return frames;
}

// The best of kRuns runs, in milliseconds per frame.
template <typename Run>
double MsPerFrame(Run&& run) {
  double best = 1e300;
  for (int i = 0; i < kRuns; ++i) {
    const double start = os::MonotonicMs();
    const int frames = run();
    if (frames != kFrames) std::printf("  (%d frames instead of %d)\n", frames, kFrames);
    best = std::min(best, (os::MonotonicMs() - start) / std::max(frames, 1));
  }
  return best;
}

}  // namespace

int main() {
  char folder[] = "/tmp/zentoir-bench-movie-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 1;
  const std::string path = std::string(folder) + "/movie.mkv";
  testing::MovieRecipe recipe;
  recipe.width = 640;
  recipe.height = 480;
  recipe.frames = kFrames;
  recipe.framesPerSecond = 30;
  recipe.soundRate = 0;
  recipe.videoCodec = "mpeg4";
  recipe.detailed = true;
  const bool made = testing::MakeMovie(path, recipe);
  bench::StartRuntime(640, 480, "Movie Benchmark");
  SetVerticalSync(0);
  SetFrameRateLimit(1000000);  // presenting does not wait
  if (made) {
    const double limit = MsPerFrame([&] { return DecodeOnly(path); });
    const double read = MsPerFrame([&] { return ReadAndShow(path, nullptr); });
    MovieScreen screen(Runtime().mainWindow);
    const double shown = MsPerFrame([&] { return ReadAndShow(path, &screen); });
    std::printf("640 x 480 MPEG-4 movie, %d frames, ms per frame:\n", kFrames);
    std::printf("%-44s %8.3f ms  %8.3f ms (library decode)  ratio %.2f\n",
                "decode + convert to RGBA", read, limit, read / limit);
    std::printf("%-44s %8.3f ms  %8.3f ms (library decode)  ratio %.2f\n",
                "decode + convert + upload + draw + present", shown, limit, shown / limit);
  } else {
    std::printf("the movie could not be made\n");
  }
  std::filesystem::remove_all(folder);
  std::fflush(stdout);
  std::_Exit(made ? 0 : 1);  // skip the shutdown: the benchmark measures nothing there
}
