// Frames per second drawing N alpha-blended 40 × 40 sprites at 640 × 480: ours (with the
// quad batch, and without it for comparison), SDL's own 2D renderer drawing the same
// sprites, and the limit: the same quads as one bare vertex-array draw per frame in our
// context. The machine may be busy with other work, so the variants take turns in
// several rounds, each keeps its best round, and the figures are given both per second
// of wall time and per second of processor time (all threads of this process).
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
#include "gfx2d/ImageBuffer.h"
#include "gfx2d/Renderer.h"
#include "zentoir.h"

using namespace zentoir;

namespace {

constexpr int kWidth = 640, kHeight = 480, kSide = 40;
constexpr double kRoundSeconds = 0.6;
constexpr int kRounds = 3;

// A soft round sprite with an alpha edge, as RGBA pixels.
std::vector<uint32_t> BalloonPixels() {
  std::vector<uint32_t> pixels(kSide * kSide);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double dx = x - 19.5, dy = y - 19.5;
      const double d = std::sqrt(dx * dx + dy * dy);
      const auto alpha = static_cast<uint32_t>(d < 18 ? 255 : d < 20 ? (20 - d) * 127 : 0);
      pixels[size_t(y * kSide + x)] = 0x2040E0u | (alpha << 24);  // ABGR bytes R,G,B,A
    }
  }
  return pixels;
}

// The sprite goes straight into sprite 1 through the renderer, with its alpha edge.
void LoadBenchSprite() {
  ImageBuffer image;
  image.width = image.height = kSide;
  const std::vector<uint32_t> pixels = BalloonPixels();
  image.pixels.assign(reinterpret_cast<const uint8_t*>(pixels.data()),
                      reinterpret_cast<const uint8_t*>(pixels.data()) + pixels.size() * 4);
  OpenGLRadazuri& r = *Renderer();
  r.UploadImage(image, 0, 0, 0, 0, &r.Sprite(1).texture, nullptr, false, false);
  r.Sprite(1).width = r.Sprite(1).height = kSide;
  r.Sprite(1).textureWidth = r.Sprite(1).textureHeight = 64;
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
  Renderer()->Quads().Flush();
  SDL_GL_SwapWindow(Runtime().mainWindow);
  glClear(GL_COLOR_BUFFER_BIT);
  glFinish();  // count frames rendered, not frames queued
}

Rate OursRound(int count, bool batched, bool smooth) {
  Renderer()->Quads().SetEnabled(batched);
  const Rate rate = MeasureRound([&](int frame) {
    SetAlphaMode(-1);
    SetSmoothing(smooth);
    for (int i = 0; i < count; ++i)
      DrawSprite(1, SpriteX(i, frame), SpriteY(i));
    EndOurFrame();
  });
  Renderer()->Quads().SetEnabled(true);
  return rate;
}

// The same quads as DrawSprite makes them, written into one array and drawn with one
// call in the state our sprites are drawn with.
Rate LimitRound(int count, bool smooth) {
  OpenGLRadazuri& r = *Renderer();
  SetAlphaMode(-1);
  SetSmoothing(smooth);
  DrawSprite(1, 0, 0);  // binds the sprite with its filter and state
  r.GLState().FlushAndForget();
  glClear(GL_COLOR_BUFFER_BIT);
  struct Vertex {
    float x, y, s, t;
  };
  std::vector<Vertex> vertices(size_t(count) * 4);
  const float side = kSide, s = float(kSide) / 64, t0 = float(64 - kSide) / 64;
  const Rate rate = MeasureRound([&](int frame) {
    for (int i = 0; i < count; ++i) {
      const float x = float(SpriteX(i, frame)), y = float(SpriteY(i));
      Vertex* v = &vertices[size_t(i) * 4];
      v[0] = {x, y + side, 0, t0};
      v[1] = {x + side, y + side, s, t0};
      v[2] = {x + side, y, s, 1};
      v[3] = {x, y, 0, 1};
    }
    if (count > 0) {
      glEnableClientState(GL_VERTEX_ARRAY);
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      glVertexPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].x);
      glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].s);
      glDrawArrays(GL_QUADS, 0, GLsizei(vertices.size()));
      glDisableClientState(GL_VERTEX_ARRAY);
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    EndOurFrame();
  });
  r.GLState().Forget();
  return rate;
}

Rate SdlRendererRound(int count, bool smooth) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, smooth ? "linear" : "nearest");
  SDL_Window* window = SDL_CreateWindow("SDL_Renderer", 0, 0, kWidth, kHeight, SDL_WINDOW_HIDDEN);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  static bool named = false;
  SDL_RendererInfo info;
  if (!named && SDL_GetRendererInfo(renderer, &info) == 0) {
    std::printf("SDL_Renderer uses its \"%s\" back end\n", info.name);
    named = true;
  }
  std::vector<uint32_t> pixels = BalloonPixels();
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

void PrintRow(const char* unit, int count, double ours, double unbatched, double sdl,
              double limit) {
  std::printf(
      "N = %5d %-9s ours %8.1f  unbatched %8.1f  SDL_Renderer %8.1f  limit %8.1f"
      "   ours/SDL %.2f  ours/limit %.2f\n",
      count, unit, ours, unbatched, sdl, limit, ours / sdl, ours / limit);
}

}  // namespace

int main() {
  bench::StartRuntime(kWidth, kHeight, "Sprite benchmark");
  SDL_GL_SetSwapInterval(0);
  LoadBenchSprite();
  std::printf(
      "Alpha-blended 40 x 40 sprites at %d x %d, frames per second (%s), best of %d "
      "alternating rounds\n",
      kWidth, kHeight, reinterpret_cast<const char*>(glGetString(GL_RENDERER)), kRounds);
  for (bool smooth : {true, false}) {
    std::printf("%s filtering (smoothing %s, SDL scale quality %s):\n",
                smooth ? "Linear" : "Nearest", smooth ? "on" : "off",
                smooth ? "linear" : "nearest");
    for (int count : {100, 1000, 10000}) {
      Rate ours, unbatched, sdl, limit;
      for (int round = 0; round < kRounds; ++round) {
        ours.KeepBest(OursRound(count, true, smooth));
        sdl.KeepBest(SdlRendererRound(count, smooth));
        limit.KeepBest(LimitRound(count, smooth));
        unbatched.KeepBest(OursRound(count, false, smooth));
      }
      PrintRow("wall", count, ours.wall, unbatched.wall, sdl.wall, limit.wall);
      PrintRow("processor", count, ours.processor, unbatched.processor, sdl.processor,
               limit.processor);
    }
  }
  std::fflush(stdout);
  std::_Exit(0);  // skip the shutdown of the windows made here
}
