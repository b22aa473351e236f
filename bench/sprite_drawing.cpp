// Frames per second drawing N alpha-blended 40 × 40 sprites at 640 × 480, against SDL's
// own 2D renderer drawing the same sprites on the same machine.
#include <GL/gl.h>
#include <SDL2/SDL.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchRuntime.h"
#include "base/RuntimeContext.h"
#include "gfx2d/ImageBuffer.h"
#include "gfx2d/OpenGLRadazuri.h"
#include "zentoir.h"

using namespace zentoir;

namespace {

constexpr int kWidth = 640, kHeight = 480, kSide = 40;
constexpr double kSeconds = 1.5;

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
  OpenGLRadazuri& r = *Runtime().renderer;
  r.UploadImage(image, 0, 0, 0, 0, &r.spriteTable[1].texture, nullptr, false, false);
  r.spriteTable[1].width = r.spriteTable[1].height = kSide;
  r.spriteTable[1].textureWidth = r.spriteTable[1].textureHeight = 64;
}

template <typename DrawFrame>
double FramesPerSecond(DrawFrame&& drawFrame) {
  using Clock = std::chrono::steady_clock;
  for (int warmUp = 0; warmUp < 10; ++warmUp)
    drawFrame(warmUp);
  const auto start = Clock::now();
  int frames = 0;
  while (std::chrono::duration<double>(Clock::now() - start).count() < kSeconds) {
    drawFrame(frames);
    ++frames;
  }
  return frames / std::chrono::duration<double>(Clock::now() - start).count();
}

double ZentoirFps(int count) {
  return FramesPerSecond([&](int frame) {
    SetAlphaMode(-1);
    for (int i = 0; i < count; ++i) {
      DrawSprite(1, (i * 37 + frame) % (kWidth - kSide), (i * 53) % (kHeight - kSide));
    }
    SDL_GL_SwapWindow(Runtime().mainWindow);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();  // count frames rendered, not frames queued
  });
}

double SdlRendererFps(int count) {
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
  const double fps = FramesPerSecond([&](int frame) {
    SDL_RenderClear(renderer);
    for (int i = 0; i < count; ++i) {
      SDL_Rect to{(i * 37 + frame) % (kWidth - kSide), (i * 53) % (kHeight - kSide), kSide, kSide};
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
  SDL_GL_MakeCurrent(Runtime().mainWindow, static_cast<SDL_GLContext>(Runtime().renderer->context));
  return fps;
}

}  // namespace

int main() {
  bench::StartRuntime(kWidth, kHeight, "Sprite benchmark");
  SDL_GL_SetSwapInterval(0);
  LoadBenchSprite();
  std::printf("Alpha-blended 40 x 40 sprites at %d x %d, frames per second (%s)\n", kWidth, kHeight,
              reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  for (int count : {0, 100, 1000, 10000}) {
    const double ours = ZentoirFps(count);
    const double sdl = SdlRendererFps(count);
    std::printf("N = %5d   Zentoir %8.1f fps   SDL_Renderer %8.1f fps   ratio %.2f\n", count, ours,
                sdl, ours / sdl);
  }
  std::fflush(stdout);
  std::_Exit(0);  // skip the shutdown of the windows made here
}
