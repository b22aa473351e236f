#include "video/MovieReader.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

#include "os/File.h"

namespace zentoir {
namespace {

constexpr int kIoBufferBytes = 32768;
// Packets read in a row without anything to show before the data counts as damaged.
constexpr int kMaxPacketsWithoutOutput = 4096;
// Decoder errors in a row before the movie ends.
constexpr int kMaxDecodeErrorsInARow = 32;
// A time stamp further than this after the previous one is taken as damaged.
constexpr double kMaxTimeGapSeconds = 60;
constexpr int kMaxSoundChannels = 64;
constexpr size_t kConverterSlackBytes = 64;
// Sample rates a resampler is made for (beyond them its filter grows huge).
constexpr int kMinSoundRate = 1000;
constexpr int kMaxSoundRate = 384000;
constexpr size_t kMaxLibraryAllocation = size_t{kMaxMoviePictureSide} * kMaxMoviePictureSide * 8;

// Where the demuxer's bytes come from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual int Read(uint8_t* buffer, int size) = 0;  // bytes read, 0 at the end
  virtual int64_t Size() const = 0;
  virtual int64_t Position() const = 0;
  virtual bool SeekTo(int64_t offset) = 0;
};

class FileSource : public ByteSource {
 public:
  bool Open(const std::string& path) { return file_.OpenRead(path); }
  int Read(uint8_t* buffer, int size) override {
    const int64_t got = file_.Read(buffer, static_cast<size_t>(size));
    return got > 0 ? static_cast<int>(got) : 0;
  }
  int64_t Size() const override { return file_.Size(); }
  int64_t Position() const override { return file_.Position(); }
  bool SeekTo(int64_t offset) override { return file_.Seek(offset); }

 private:
  os::File file_;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}
  int Read(uint8_t* buffer, int size) override {
    const size_t count = std::min(static_cast<size_t>(size), bytes_.size() - position_);
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return static_cast<int>(count);
  }
  int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }
  int64_t Position() const override { return static_cast<int64_t>(position_); }
  bool SeekTo(int64_t offset) override {
    if (offset < 0 || static_cast<uint64_t>(offset) > bytes_.size()) return false;
    position_ = static_cast<size_t>(offset);
    return true;
  }

 private:
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
};

int ReadSource(void* opaque, uint8_t* buffer, int size) {
  const int got = static_cast<ByteSource*>(opaque)->Read(buffer, size);
  return got > 0 ? got : AVERROR_EOF;
}

int64_t SeekSource(void* opaque, int64_t offset, int whence) {
  auto* source = static_cast<ByteSource*>(opaque);
  whence &= ~AVSEEK_FORCE;
  if (whence == AVSEEK_SIZE) return source->Size();
  int64_t base = 0;
  if (whence == SEEK_CUR) base = source->Position();
  if (whence == SEEK_END) base = source->Size();
  if (base < 0 || offset > INT64_MAX - base) return -1;
  return source->SeekTo(base + offset) ? base + offset : -1;
}

// Playlists and references inside the data would open other files or addresses.
int RefuseOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**) {
  return AVERROR(EPERM);
}

// Quiets the libraries' log and caps any one allocation they make: a hundred bytes of a
// lying sample table can make a demuxer ask for gigabytes at once. The cap leaves room
// for a picture of the largest size taken, at 8 bytes a pixel.
void PrepareLibraries() {
  static std::once_flag once;
  std::call_once(once, [] {
    av_log_set_level(AV_LOG_QUIET);
    av_max_alloc(kMaxLibraryAllocation);
  });
}

AVSampleFormat SampleFormatOf(MovieSampleType type) {
  switch (type) {
    case MovieSampleType::U8:
      return AV_SAMPLE_FMT_U8;
    case MovieSampleType::S16:
      return AV_SAMPLE_FMT_S16;
    case MovieSampleType::S32:
      return AV_SAMPLE_FMT_S32;
    case MovieSampleType::F32:
      return AV_SAMPLE_FMT_FLT;
  }
  return AV_SAMPLE_FMT_S16;
}

// A time from the data kept in order and within reach: never before the previous one
// (previous < 0: none yet), never more than kMaxTimeGapSeconds after it.
double SaneSeconds(double seconds, double previous, double step) {
  const double floor = std::max(previous, 0.0);
  if (!std::isfinite(seconds)) return previous < 0 ? 0 : previous + step;
  if (seconds < floor) return floor;
  if (seconds > floor + kMaxTimeGapSeconds) return previous < 0 ? 0 : previous + step;
  return seconds;
}

double FrameSecondsOf(const AVStream* stream) {
  AVRational rate = stream->avg_frame_rate;
  if (rate.num <= 0 || rate.den <= 0) rate = stream->r_frame_rate;
  if (rate.num <= 0 || rate.den <= 0) return 0.04;
  return std::clamp(av_q2d(av_inv_q(rate)), 1.0 / 240, 1.0);
}

}  // namespace

struct Decoder {
  AVCodecContext* context = nullptr;
  int stream = -1;
  bool flushed = false;
  AVRational timeBase{0, 1};
  double previousSeconds = -1;
};

struct MovieReader::State {
  std::unique_ptr<ByteSource> source;
  AVIOContext* io = nullptr;
  AVFormatContext* format = nullptr;
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  Decoder video, audio;
  Decoder* draining = nullptr;  // the decoder that may have frames waiting
  bool endOfInput = false;
  bool failed = false;
  int errorsInARow = 0;
  double startSeconds = 0;

  SwsContext* scaler = nullptr;
  SwrContext* resampler = nullptr;
  MovieSoundFormat soundFormat;
  AVChannelLayout resamplerLayout{};
  int resamplerRate = 0;
  int resamplerFormat = -1;

  ~State() {
    sws_freeContext(scaler);
    swr_free(&resampler);
    av_channel_layout_uninit(&resamplerLayout);
    avcodec_free_context(&video.context);
    avcodec_free_context(&audio.context);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avformat_close_input(&format);  // leaves our own byte reader to us
    if (io != nullptr) av_freep(&io->buffer);
    avio_context_free(&io);
  }

  Decoder* DecoderFor(int stream) {
    if (stream == video.stream) return &video;
    if (stream == audio.stream && audio.context != nullptr) return &audio;
    return nullptr;
  }

  // The next decoder to flush at the end of the input, or null when all are.
  Decoder* NextToFlush() {
    for (Decoder* d : {&video, &audio}) {
      if (d->context != nullptr && !d->flushed) return d;
    }
    return nullptr;
  }

  double SecondsOf(Decoder& d, int64_t stamp, double step) {
    double seconds = NAN;
    if (stamp != AV_NOPTS_VALUE) seconds = static_cast<double>(stamp) * av_q2d(d.timeBase);
    d.previousSeconds = SaneSeconds(seconds - startSeconds, d.previousSeconds, step);
    return d.previousSeconds;
  }

  void DropSound() {
    avcodec_free_context(&audio.context);
    audio = Decoder{};
    if (draining == &audio) draining = nullptr;
  }

  bool ErrorCounted() {
    if (++errorsInARow < kMaxDecodeErrorsInARow) return false;
    failed = true;
    return true;
  }
};

namespace {

bool OpenDecoder(AVFormatContext* format, int stream, int maxSide, Decoder& decoder) {
  const AVCodecParameters* parameters = format->streams[stream]->codecpar;
  const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
  if (codec == nullptr) return false;
  decoder.context = avcodec_alloc_context3(codec);
  if (decoder.context == nullptr) return false;
  if (avcodec_parameters_to_context(decoder.context, parameters) < 0) return false;
  decoder.context->thread_count = 1;
  decoder.context->max_pixels = int64_t{maxSide} * maxSide;
  if (avcodec_open2(decoder.context, codec, nullptr) < 0) return false;
  decoder.stream = stream;
  decoder.timeBase = format->streams[stream]->time_base;
  return true;
}

// The picture size shown: the movie's, scaled down to fit maxSide.
void FitPictureSize(int width, int height, int maxSide, MoviePicture& picture) {
  const double scale = std::min(1.0, static_cast<double>(maxSide) / std::max(width, height));
  picture.width = std::max(1, static_cast<int>(std::lround(width * scale)));
  picture.height = std::max(1, static_cast<int>(std::lround(height * scale)));
  // The converter's vector code may write somewhat past the end of a row.
  const size_t row = size_t(picture.width) * 4;
  picture.rgba.assign(row * size_t(picture.height) + row + kConverterSlackBytes, 0);
}

bool ConvertPicture(MovieReader::State& s, const AVFrame* frame, int maxSide,
                    MoviePicture& picture) {
  if (frame->width <= 0 || frame->height <= 0 || frame->width > maxSide ||
      frame->height > maxSide) {
    return false;
  }
  s.scaler = sws_getCachedContext(
      s.scaler, frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
      picture.width, picture.height, AV_PIX_FMT_RGBA, SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (s.scaler == nullptr) return false;
  uint8_t* planes[4] = {picture.rgba.data(), nullptr, nullptr, nullptr};
  int strides[4] = {picture.width * 4, 0, 0, 0};
  return sws_scale(s.scaler, frame->data, frame->linesize, 0, frame->height, planes, strides) > 0;
}

// A resampler from the frame's sound format to ours, made again when that changes.
bool PrepareResampler(MovieReader::State& s, const AVFrame* frame) {
  AVChannelLayout in{};
  if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
    av_channel_layout_default(&in, frame->ch_layout.nb_channels);
  } else if (av_channel_layout_copy(&in, &frame->ch_layout) < 0) {
    return false;
  }
  if (in.nb_channels <= 0 || in.nb_channels > kMaxSoundChannels ||
      frame->sample_rate < kMinSoundRate || frame->sample_rate > kMaxSoundRate) {
    av_channel_layout_uninit(&in);
    return false;
  }
  if (s.resampler != nullptr && s.resamplerRate == frame->sample_rate &&
      s.resamplerFormat == frame->format &&
      av_channel_layout_compare(&in, &s.resamplerLayout) == 0) {
    av_channel_layout_uninit(&in);
    return true;
  }
  swr_free(&s.resampler);
  av_channel_layout_uninit(&s.resamplerLayout);
  s.resamplerLayout = in;
  s.resamplerRate = frame->sample_rate;
  s.resamplerFormat = frame->format;
  AVChannelLayout out{};
  av_channel_layout_default(&out, s.soundFormat.channels);
  const int made = swr_alloc_set_opts2(
      &s.resampler, &out, SampleFormatOf(s.soundFormat.type), s.soundFormat.rate, &in,
      static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0, nullptr);
  av_channel_layout_uninit(&out);
  if (made < 0 || swr_init(s.resampler) < 0) {
    swr_free(&s.resampler);
    return false;
  }
  return true;
}

// The frame's samples in our format: 1, 0 when none came out yet, -1 when the frame's
// format cannot be converted.
int ConvertSound(MovieReader::State& s, const AVFrame* frame, std::vector<uint8_t>& sound) {
  if (frame->nb_samples <= 0) return 0;
  if (!PrepareResampler(s, frame)) return -1;
  const int room = swr_get_out_samples(s.resampler, frame->nb_samples);
  if (room <= 0) return 0;
  const int frameBytes = s.soundFormat.FrameBytes();
  sound.resize(size_t(room) * size_t(frameBytes));
  uint8_t* out[1] = {sound.data()};
  const int made = swr_convert(
      s.resampler, out, room, const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
  if (made < 0) return -1;
  sound.resize(size_t(made) * size_t(frameBytes));
  return made > 0 ? 1 : 0;
}

}  // namespace

MovieReader::MovieReader() {
  PrepareLibraries();
}

MovieReader::~MovieReader() = default;

bool MovieReader::OpenFile(const std::string& path, int maxPictureSide) {
  auto source = std::make_unique<FileSource>();
  if (!source->Open(path)) return false;
  state_ = std::make_unique<State>();
  state_->source = std::move(source);
  if (Open(maxPictureSide, kMaxMoviePictureSide)) return true;
  state_.reset();
  return false;
}

bool MovieReader::OpenBytes(std::span<const uint8_t> bytes, int maxPictureSide, int maxSourceSide) {
  state_ = std::make_unique<State>();
  state_->source = std::make_unique<MemorySource>(bytes);
  if (Open(maxPictureSide, std::clamp(maxSourceSide, 1, kMaxMoviePictureSide))) return true;
  state_.reset();
  return false;
}

bool MovieReader::Open(int maxPictureSide, int maxSourceSide) {
  State& s = *state_;
  maxSourceSide_ = maxSourceSide;
  if (s.packet == nullptr || s.frame == nullptr || maxPictureSide < 1) return false;
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
  if (buffer == nullptr) return false;
  s.io = avio_alloc_context(buffer, kIoBufferBytes, 0, s.source.get(), ReadSource, nullptr,
                            SeekSource);
  if (s.io == nullptr) {
    av_free(buffer);
    return false;
  }
  s.format = avformat_alloc_context();
  if (s.format == nullptr) return false;
  s.format->pb = s.io;
  s.format->flags |= AVFMT_FLAG_CUSTOM_IO;
  s.format->io_open = RefuseOpen;
  if (avformat_open_input(&s.format, nullptr, nullptr, nullptr) < 0) return false;  // freed
  if (avformat_find_stream_info(s.format, nullptr) < 0) return false;
  const int stream = av_find_best_stream(s.format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (stream < 0 || !OpenDecoder(s.format, stream, maxSourceSide, s.video)) return false;
  const int width = s.video.context->width, height = s.video.context->height;
  if (width <= 0 || height <= 0 || width > maxSourceSide || height > maxSourceSide) return false;
  FitPictureSize(width, height, maxPictureSide, picture_);
  frameSeconds_ = FrameSecondsOf(s.format->streams[stream]);
  if (s.format->start_time != AV_NOPTS_VALUE && s.format->start_time > 0) {
    s.startSeconds = static_cast<double>(s.format->start_time) / AV_TIME_BASE;
  }
  for (unsigned i = 0; i < s.format->nb_streams; ++i) {
    if (static_cast<int>(i) != stream) s.format->streams[i]->discard = AVDISCARD_ALL;
  }
  return true;
}

bool MovieReader::EnableSound(const MovieSoundFormat& format) {
  if (!state_ || state_->audio.context != nullptr) return false;
  State& s = *state_;
  if (format.rate < kMinSoundRate || format.rate > kMaxSoundRate || format.channels <= 0 ||
      format.channels > kMaxSoundChannels) {
    return false;
  }
  const int stream =
      av_find_best_stream(s.format, AVMEDIA_TYPE_AUDIO, -1, s.video.stream, nullptr, 0);
  if (stream < 0) return false;
  if (!OpenDecoder(s.format, stream, maxSourceSide_, s.audio)) {
    avcodec_free_context(&s.audio.context);
    s.audio = Decoder{};
    return false;
  }
  s.format->streams[stream]->discard = AVDISCARD_DEFAULT;
  s.soundFormat = format;
  return true;
}

// The decoded picture in s.frame converted; End (and an error counted) when it cannot be.
MovieEvent MovieReader::TakePictureFrame() {
  State& s = *state_;
  const bool converted = ConvertPicture(s, s.frame, maxSourceSide_, picture_);
  picture_.seconds = s.SecondsOf(s.video, s.frame->best_effort_timestamp, frameSeconds_);
  av_frame_unref(s.frame);
  if (!converted) {
    s.ErrorCounted();
    return MovieEvent::End;
  }
  s.errorsInARow = 0;
  return MovieEvent::Picture;
}

// The decoded sound in s.frame converted; End when none came out, and sound the
// resampler cannot take is dropped for good (the pictures go on without it).
MovieEvent MovieReader::TakeSoundFrame() {
  State& s = *state_;
  const int converted = ConvertSound(s, s.frame, sound_);
  soundSeconds_ = s.SecondsOf(s.audio, s.frame->best_effort_timestamp, 0);
  av_frame_unref(s.frame);
  if (converted < 0) s.DropSound();
  return converted > 0 ? MovieEvent::Sound : MovieEvent::End;
}

MovieEvent MovieReader::Next() {
  if (!state_) return MovieEvent::End;
  State& s = *state_;
  for (int packets = 0; packets < kMaxPacketsWithoutOutput && !s.failed;) {
    if (s.draining != nullptr) {
      Decoder& d = *s.draining;
      const int got = avcodec_receive_frame(d.context, s.frame);
      if (got == 0) {
        const MovieEvent event = &d == &s.video ? TakePictureFrame() : TakeSoundFrame();
        if (event != MovieEvent::End) return event;
        continue;
      }
      if (got != AVERROR(EAGAIN) && got != AVERROR_EOF) s.ErrorCounted();
      s.draining = nullptr;
      continue;
    }
    if (s.endOfInput) {
      s.draining = s.NextToFlush();
      if (s.draining == nullptr) return MovieEvent::End;
      avcodec_send_packet(s.draining->context, nullptr);
      s.draining->flushed = true;
      continue;
    }
    if (av_read_frame(s.format, s.packet) < 0) {
      s.endOfInput = true;
      continue;
    }
    ++packets;
    if (Decoder* d = s.DecoderFor(s.packet->stream_index)) {
      if (avcodec_send_packet(d->context, s.packet) == 0) {
        s.draining = d;
      } else {
        s.ErrorCounted();
      }
    }
    av_packet_unref(s.packet);
  }
  s.failed = true;
  return MovieEvent::End;
}

void MovieReader::TakePicture(MoviePicture& into) {
  std::swap(into, picture_);
  picture_.width = into.width;
  picture_.height = into.height;
  picture_.rgba.resize(into.rgba.size());
}

bool MovieReader::Rewind() {
  if (!state_) return false;
  State& s = *state_;
  const int64_t start = s.format->start_time != AV_NOPTS_VALUE ? s.format->start_time : 0;
  if (avformat_seek_file(s.format, -1, INT64_MIN, start, start, 0) < 0 &&
      av_seek_frame(s.format, -1, start, AVSEEK_FLAG_BACKWARD) < 0) {
    return false;
  }
  for (Decoder* d : {&s.video, &s.audio}) {
    if (d->context != nullptr) avcodec_flush_buffers(d->context);
    d->flushed = false;
    d->previousSeconds = -1;
  }
  swr_free(&s.resampler);
  s.draining = nullptr;
  s.endOfInput = false;
  s.failed = false;
  s.errorsInARow = 0;
  return true;
}

}  // namespace zentoir
