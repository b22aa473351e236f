// Frames per second drawing N sprites in alpha mode -1 (normal blending) at 640 × 480:
// ours (through shaders, and on the fixed-function pipeline), ours without the fragment
// shortcuts (the full blending, alpha test and colour
// multiply for every sprite), SDL's own 2D renderer drawing the same sprites blended,
// and the limit: the same quads as one bare vertex-array draw per frame in our context,
// with the GL state our sprites end up drawn with ("bare, our state") and with blending,
// alpha test and colour multiply ("bare, blended"). Three sprites: a round one with a
// soft alpha edge, the same with a hard (colour-keyed) edge, and an opaque square. The
// machine may be busy with other work, so the variants take turns in several rounds,
// each keeps its best round, and the figures are given both per second of wall time and
// per second of processor time (all threads of this process).
#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchRuntime.h"
#include "base/RuntimeContext.h"
#include "gfx2d/gl/DrawBackend.h"
#include "gfx2d/image/ImageBuffer.h"
#include "gfx2d/renderer/Renderer.h"
#include "zentoir.h"

using namespace zentoir;

namespace {

constexpr int kWidth = 640, kHeight = 480;
constexpr double kRoundSeconds = 0.6;
constexpr int kRounds = 3;

enum class Kind { SoftEdge, HardEdge, Opaque };

struct SpriteKind {
  Kind kind;
  const char* name;
  int side;
};

constexpr SpriteKind kKinds[] = {
    {Kind::SoftEdge, "round 40 x 40, soft alpha edge", 40},
    {Kind::HardEdge, "round 40 x 40, colour-keyed edge", 40},
    {Kind::Opaque, "opaque square 32 x 32", 32},
};

int kSide = 40;  // of the sprite being measured

// The sprite's RGBA pixels.
std::vector<uint32_t> SpritePixels(const SpriteKind& kind) {
  const int side = kind.side;
  std::vector<uint32_t> pixels(size_t(side * side));
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const double dx = x - (side - 1) / 2.0, dy = y - (side - 1) / 2.0;
      const double d = std::sqrt(dx * dx + dy * dy);
      const double edge = side / 2.0;
      auto alpha = static_cast<uint32_t>(d < edge - 2 ? 255 : d < edge ? (edge - d) * 127 : 0);
      if (kind.kind == Kind::HardEdge) alpha = d < edge - 1 ? 255 : 0;
      if (kind.kind == Kind::Opaque) alpha = 255;
      pixels[size_t(y * side + x)] = (0x2040A0u + uint32_t(x + y)) | (alpha << 24);  // R,G,B,A
    }
  }
  return pixels;
}

// The sprite goes straight into sprite 1 through the renderer.
void LoadBenchSprite(const SpriteKind& kind) {
  ImageBuffer image;
  image.width = image.height = kind.side;
  const std::vector<uint32_t> pixels = SpritePixels(kind);
  image.pixels.assign(reinterpret_cast<const uint8_t*>(pixels.data()),
                      reinterpret_cast<const uint8_t*>(pixels.data()) + pixels.size() * 4);
  Renderer()->LoadSpriteFromImage(1, image, false);
  kSide = kind.side;
}

int SpriteX(int i, int frame) {
  return (i * 37 + frame) % (kWidth - kSide);
}
int SpriteY(int i) {
  return (i * 53) % (kHeight - kSide);
}

double ProcessSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Rate {
  double wall = 0;       // frames per second of wall time
  double processor = 0;  // frames per second of processor time
  void KeepBest(const Rate& other) {
    wall = std::max(wall, other.wall);
    processor = std::max(processor, other.processor);
  }
};

template <typename DrawFrame>
Rate MeasureRound(DrawFrame&& drawFrame) {
  using Clock = std::chrono::steady_clock;
  for (int warmUp = 0; warmUp < 5; ++warmUp)
    drawFrame(warmUp);
  const auto start = Clock::now();
  const double cpuStart = ProcessSeconds();
  int frames = 0;
  double seconds = 0;
  while (seconds < kRoundSeconds) {
    drawFrame(frames);
    ++frames;
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
  }
  return {frames / seconds, frames / (ProcessSeconds() - cpuStart)};
}

void EndOurFrame() {
  Renderer()->FlushDrawing();
  SDL_GL_SwapWindow(Runtime().mainWindow);
  glClear(GL_COLOR_BUFFER_BIT);
  glFinish();  // count frames rendered, not frames queued
}

Rate OursRound(int count, bool shortcuts, bool smooth,
               DrawBackendKind backend = DrawBackendKind::Shaders) {
  Renderer()->UseDrawBackend(backend);
  Renderer()->SetFragmentShortcuts(shortcuts);
  const Rate rate = MeasureRound([&](int frame) {
    SetAlphaMode(-1);
    SetSmoothing(smooth);
    for (int i = 0; i < count; ++i)
      DrawSprite(1, SpriteX(i, frame), SpriteY(i));
    EndOurFrame();
  });
  Renderer()->SetFragmentShortcuts(true);
  Renderer()->UseDrawBackend(DrawBackendKind::Shaders);
  return rate;
}

// The bare draws below set the fixed-function pipeline's state themselves.
struct FixedFunctionOnly {
  FixedFunctionOnly() { Renderer()->UseDrawBackend(DrawBackendKind::FixedFunction); }
  ~FixedFunctionOnly() { Renderer()->UseDrawBackend(DrawBackendKind::Shaders); }
};

struct FragmentGL {
  bool blending, alphaTest;
  GLint environment;
};

FragmentGL CurrentFragmentGL() {
  FragmentGL state{glIsEnabled(GL_BLEND) != 0, glIsEnabled(GL_ALPHA_TEST) != 0, 0};
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &state.environment);
  return state;
}

void ApplyFragmentGL(const FragmentGL& state) {
  state.blending ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
  state.alphaTest ? glEnable(GL_ALPHA_TEST) : glDisable(GL_ALPHA_TEST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, state.environment);
}

const char* Describe(const FragmentGL& state) {
  static std::string text;
  text = std::string(state.blending ? "blending" : "no blending") +
         (state.alphaTest ? ", alpha test" : "") +
         (state.environment == GL_REPLACE ? ", texels replace the colour" : ", colour multiplied");
  return text.c_str();
}

// The GL state our sprites end up drawn with: set by drawing one.
FragmentGL OurSpriteState(bool smooth) {
  OpenGLRadazuri& r = *Renderer();
  SetAlphaMode(-1);
  SetSmoothing(smooth);
  DrawSprite(1, 0, 0);
  r.FlushDrawing();
  const FragmentGL state = CurrentFragmentGL();
  glClear(GL_COLOR_BUFFER_BIT);
  return state;
}

const char* DescribeOurState(bool smooth) {
  const FixedFunctionOnly fixed;
  return Describe(OurSpriteState(smooth));
}

struct BareVertex {
  float x, y, s, t;
};

// The same quads as DrawSprite makes them, written into one array and drawn with one
// call.
void DrawBareFrame(std::vector<BareVertex>& vertices, int count, int frame) {
  const OpenGLRadazuri& r = *Renderer();
  const float side = float(kSide), tex = float(r.Sprite(1).textureWidth);
  const float s = side / tex;  // the image fills the texture from texel row 0 (its bottom) up
  vertices.resize(size_t(count) * 4);
  for (int i = 0; i < count; ++i) {
    const float x = float(SpriteX(i, frame)), y = float(SpriteY(i));
    BareVertex* v = &vertices[size_t(i) * 4];
    v[0] = {x, y + side, 0, 0};
    v[1] = {x + side, y + side, s, 0};
    v[2] = {x + side, y, s, s};
    v[3] = {x, y, 0, s};
  }
  if (count == 0) return;
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(2, GL_FLOAT, sizeof(BareVertex), &vertices[0].x);
  glTexCoordPointer(2, GL_FLOAT, sizeof(BareVertex), &vertices[0].s);
  glDrawArrays(GL_QUADS, 0, GLsizei(vertices.size()));
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

std::vector<uint8_t> ReadPicture() {
  std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * 4);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  glClear(GL_COLOR_BUFFER_BIT);
  return pixels;
}

// Whether the bare draw in our state makes our picture (of N sprites, over black).
bool BareDrawsOurPicture(int count, bool smooth) {
  const FixedFunctionOnly fixed;
  OpenGLRadazuri& r = *Renderer();
  const FragmentGL ours = OurSpriteState(smooth);
  for (int i = 0; i < count; ++i)
    DrawSprite(1, SpriteX(i, 0), SpriteY(i));
  r.ForgetGLState();
  const std::vector<uint8_t> picture = ReadPicture();
  ApplyFragmentGL(ours);
  std::vector<BareVertex> vertices;
  DrawBareFrame(vertices, count, 0);
  r.ForgetGLState();
  return ReadPicture() == picture;
}

// The bare draw, in the state our sprites are drawn with or in the full blended state.
Rate LimitRound(int count, bool smooth, bool blended) {
  const FixedFunctionOnly fixed;
  OpenGLRadazuri& r = *Renderer();
  const FragmentGL ours = OurSpriteState(smooth);  // binds the sprite with its filter
  r.ForgetGLState();
  ApplyFragmentGL(blended ? FragmentGL{true, true, GL_MODULATE} : ours);
  std::vector<BareVertex> vertices;
  const Rate rate = MeasureRound([&](int frame) {
    DrawBareFrame(vertices, count, frame);
    EndOurFrame();
  });
  r.ForgetGLState();
  return rate;
}

Rate SdlRendererRound(const SpriteKind& kind, int count, bool smooth) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, smooth ? "linear" : "nearest");
  SDL_Window* window = SDL_CreateWindow("SDL_Renderer", 0, 0, kWidth, kHeight, SDL_WINDOW_HIDDEN);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  static bool named = false;
  SDL_RendererInfo info;
  if (!named && SDL_GetRendererInfo(renderer, &info) == 0) {
    std::printf("SDL_Renderer uses its \"%s\" back end\n", info.name);
    named = true;
  }
  std::vector<uint32_t> pixels = SpritePixels(kind);
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), kSide, kSide, 32,
                                                            kSide * 4, SDL_PIXELFORMAT_ABGR8888);
  SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  const Rate rate = MeasureRound([&](int frame) {
    SDL_RenderClear(renderer);
    for (int i = 0; i < count; ++i) {
      SDL_Rect to{SpriteX(i, frame), SpriteY(i), kSide, kSide};
      SDL_RenderCopy(renderer, texture, nullptr, &to);
    }
    SDL_RenderPresent(renderer);
    glFinish();  // SDL's own context is current here
  });
  SDL_DestroyTexture(texture);
  SDL_FreeSurface(surface);
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  // SDL's renderer made a context of its own current; drawing goes back to ours.
  SDL_GL_MakeCurrent(Runtime().mainWindow, static_cast<SDL_GLContext>(Renderer()->Context()));
  return rate;
}

struct Row {
  Rate ours, fixed, full, sdl, bare, blended;
};

void PrintRow(const char* unit, int count, const Row& row, double Rate::*of) {
  const double ours = row.ours.*of, sdl = row.sdl.*of, bare = row.bare.*of;
  std::printf(
      "N = %5d %-9s ours %7.1f  fixed function %7.1f  no shortcuts %7.1f  SDL_Renderer %7.1f"
      "  bare, our state %7.1f  bare, blended %7.1f   ours/SDL %.2f (limit 1.00)"
      "  fixed function/SDL %.2f  ours/bare %.2f\n",
      count, unit, ours, row.fixed.*of, row.full.*of, sdl, bare, row.blended.*of, ours / sdl,
      row.fixed.*of / sdl, ours / bare);
}

}  // namespace

int main() {
  bench::StartRuntime(kWidth, kHeight, "Sprite benchmark");
  SDL_GL_SetSwapInterval(0);
  std::printf(
      "Sprites at %d x %d in alpha mode -1, frames per second (%s), best of %d alternating "
      "rounds\n",
      kWidth, kHeight, reinterpret_cast<const char*>(glGetString(GL_RENDERER)), kRounds);
  for (const SpriteKind& kind : kKinds) {
    LoadBenchSprite(kind);
    for (bool smooth : {true, false}) {
      std::printf(
          "%s, %s filtering (smoothing %s, SDL scale quality %s); ours draws with %s; the "
          "bare draw's picture is %s:\n",
          kind.name, smooth ? "linear" : "nearest", smooth ? "on" : "off",
          smooth ? "linear" : "nearest", DescribeOurState(smooth),
          BareDrawsOurPicture(1000, smooth) ? "ours" : "NOT ours");
      for (int count : {1000, 10000}) {
        Row row;
        for (int round = 0; round < kRounds; ++round) {
          row.ours.KeepBest(OursRound(count, true, smooth));
          row.sdl.KeepBest(SdlRendererRound(kind, count, smooth));
          row.fixed.KeepBest(OursRound(count, true, smooth, DrawBackendKind::FixedFunction));
          row.bare.KeepBest(LimitRound(count, smooth, false));
          row.blended.KeepBest(LimitRound(count, smooth, true));
          row.full.KeepBest(OursRound(count, false, smooth));
        }
        PrintRow("wall", count, row, &Rate::wall);
        PrintRow("processor", count, row, &Rate::processor);
        std::fflush(stdout);
      }
    }
  }
  std::fflush(stdout);
  std::_Exit(0);  // skip the shutdown of the windows made here
}
