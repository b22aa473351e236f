#include "MovieMaker.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cstdlib>

namespace zentoir::testing {
namespace {

constexpr int kSoundFrameSamples = 1024;

struct Encoder {
  AVCodecContext* context = nullptr;
  AVStream* stream = nullptr;
};

struct Muxer {
  AVFormatContext* format = nullptr;
  Encoder video, audio;
  AVFrame* frame = av_frame_alloc();
  AVPacket* packet = av_packet_alloc();

  ~Muxer() {
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&video.context);
    avcodec_free_context(&audio.context);
    if (format != nullptr) avio_closep(&format->pb);
    avformat_free_context(format);
  }

  bool Open(Encoder& encoder, const AVCodec* codec) {
    if (format->oformat->flags & AVFMT_GLOBALHEADER) {
      encoder.context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if (avcodec_open2(encoder.context, codec, nullptr) < 0) return false;
    encoder.stream = avformat_new_stream(format, nullptr);
    if (encoder.stream == nullptr) return false;
    encoder.stream->time_base = encoder.context->time_base;
    return avcodec_parameters_from_context(encoder.stream->codecpar, encoder.context) >= 0;
  }

  // Encodes one frame (null: the end) and writes what comes out.
  bool Write(Encoder& encoder, const AVFrame* input) {
    if (avcodec_send_frame(encoder.context, input) < 0) return false;
    for (;;) {
      const int got = avcodec_receive_packet(encoder.context, packet);
      if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return true;
      if (got < 0) return false;
      av_packet_rescale_ts(packet, encoder.context->time_base, encoder.stream->time_base);
      packet->stream_index = encoder.stream->index;
      if (av_interleaved_write_frame(format, packet) < 0) return false;
    }
  }
};

bool AddVideo(Muxer& m, const MovieRecipe& recipe) {
  const AVCodec* codec = avcodec_find_encoder_by_name(recipe.videoCodec);
  if (codec == nullptr) return false;
  AVCodecContext* c = m.video.context = avcodec_alloc_context3(codec);
  c->width = recipe.width;
  c->height = recipe.height;
  c->time_base = {1, recipe.framesPerSecond};
  c->framerate = {recipe.framesPerSecond, 1};
  const bool lossless = std::string(recipe.videoCodec) == "ffv1";
  c->pix_fmt = lossless ? AV_PIX_FMT_BGR0 : AV_PIX_FMT_YUV420P;
  c->gop_size = 12;
  c->bit_rate = 4000000;
  return m.Open(m.video, codec);
}

bool AddAudio(Muxer& m, const MovieRecipe& recipe) {
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
  if (codec == nullptr) return false;
  AVCodecContext* c = m.audio.context = avcodec_alloc_context3(codec);
  c->sample_fmt = AV_SAMPLE_FMT_S16;
  c->sample_rate = recipe.soundRate;
  c->time_base = {1, recipe.soundRate};
  const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  av_channel_layout_copy(&c->ch_layout, &stereo);
  return m.Open(m.audio, codec);
}

uint8_t Clamp(int value) {
  return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

void FillPicture(AVFrame* frame, int k, const MovieRecipe& recipe) {
  const std::array<uint8_t, 3> base = FrameColour(k);
  for (int y = 0; y < recipe.height; ++y) {
    for (int x = 0; x < recipe.width; ++x) {
      const int stripe = recipe.detailed ? ((x + y + 4 * k) & 63) - 32 : 0;
      const int r = Clamp(base[0] + stripe), g = Clamp(base[1] + stripe),
                b = Clamp(base[2] + stripe);
      if (frame->format == AV_PIX_FMT_BGR0) {
        uint8_t* p = frame->data[0] + y * frame->linesize[0] + x * 4;
        p[0] = uint8_t(b), p[1] = uint8_t(g), p[2] = uint8_t(r), p[3] = 0;
        continue;
      }
      frame->data[0][y * frame->linesize[0] + x] =
          Clamp(16 + (66 * r + 129 * g + 25 * b + 128) / 256);
      if ((x | y) & 1) continue;
      frame->data[1][y / 2 * frame->linesize[1] + x / 2] =
          Clamp(128 + (-38 * r - 74 * g + 112 * b + 128) / 256);
      frame->data[2][y / 2 * frame->linesize[2] + x / 2] =
          Clamp(128 + (112 * r - 94 * g - 18 * b + 128) / 256);
    }
  }
}

bool WritePicture(Muxer& m, int k, const MovieRecipe& recipe) {
  AVFrame* f = m.frame;
  av_frame_unref(f);
  f->format = m.video.context->pix_fmt;
  f->width = recipe.width;
  f->height = recipe.height;
  if (av_frame_get_buffer(f, 0) < 0) return false;
  FillPicture(f, k, recipe);
  f->pts = k;
  return m.Write(m.video, f);
}

bool WriteSound(Muxer& m, int64_t first, int count) {
  AVFrame* f = m.frame;
  av_frame_unref(f);
  f->format = AV_SAMPLE_FMT_S16;
  f->sample_rate = m.audio.context->sample_rate;
  f->nb_samples = count;
  av_channel_layout_copy(&f->ch_layout, &m.audio.context->ch_layout);
  if (av_frame_get_buffer(f, 0) < 0) return false;
  auto* samples = reinterpret_cast<int16_t*>(f->data[0]);
  for (int i = 0; i < count; ++i) {
    samples[2 * i] = SoundSample(size_t(first + i), 0);
    samples[2 * i + 1] = SoundSample(size_t(first + i), 1);
  }
  f->pts = first;
  return m.Write(m.audio, f);
}

}  // namespace

std::array<uint8_t, 3> FrameColour(int k) {
  const int n = ((k % 36) + 36) % 36;
  return {uint8_t(25 + 40 * (n % 6)), uint8_t(25 + 40 * (n / 6)), uint8_t(k % 2 == 0 ? 200 : 60)};
}

int FrameOfColour(int red, int green, int blue) {
  for (int k = 0; k < 36; ++k) {
    const std::array<uint8_t, 3> c = FrameColour(k);
    if (std::abs(c[0] - red) < 16 && std::abs(c[1] - green) < 16 && std::abs(c[2] - blue) < 60) {
      return k;
    }
  }
  return -1;
}

int16_t SoundSample(size_t frame, int side) {
  const int64_t n = static_cast<int64_t>(frame);
  return static_cast<int16_t>(side == 0 ? (n * 7) % 20011 - 10000 : 10000 - (n * 5) % 19997);
}

bool MakeMovie(const std::string& path, const MovieRecipe& recipe) {
  Muxer m;
  if (m.frame == nullptr || m.packet == nullptr) return false;
  if (avformat_alloc_output_context2(&m.format, nullptr, recipe.container, path.c_str()) < 0) {
    return false;
  }
  if (!AddVideo(m, recipe)) return false;
  if (recipe.soundRate > 0 && !AddAudio(m, recipe)) return false;
  if (avio_open(&m.format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) return false;
  if (avformat_write_header(m.format, nullptr) < 0) return false;
  int64_t soundWritten = 0;
  for (int k = 0; k < recipe.frames; ++k) {
    // The sound up to the end of this frame, then the frame.
    const int64_t soundEnd = int64_t(k + 1) * recipe.soundRate / recipe.framesPerSecond;
    while (recipe.soundRate > 0 && soundWritten < soundEnd) {
      const int count = int(std::min<int64_t>(kSoundFrameSamples, soundEnd - soundWritten));
      if (!WriteSound(m, soundWritten, count)) return false;
      soundWritten += count;
    }
    if (!WritePicture(m, k, recipe)) return false;
  }
  if (!m.Write(m.video, nullptr)) return false;
  if (recipe.soundRate > 0 && !m.Write(m.audio, nullptr)) return false;
  return av_write_trailer(m.format) >= 0;
}

}  // namespace zentoir::testing
