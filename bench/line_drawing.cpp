// Frames per second drawing N short lines with DrawLine at 640 × 480: ours (a run of
// lines shares one draw), the lines each drawn as a line and an end point (two draws per
// line, as DrawLine did before), and the limit: the same lines and end pixels as one bare
// line draw. Best of several alternating rounds, per second of processor time.
#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchRuntime.h"
#include "base/RuntimeContext.h"
#include "gfx2d/renderer/Renderer.h"
#include "zentoir.h"

using namespace zentoir;

namespace {

constexpr int kRounds = 3;
constexpr uint32_t kLineColour = 0x30C0F0;
constexpr double kRoundSeconds = 0.5;

double ProcessSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Line {
  float x1, y1, x2, y2;
};

Line LineAt(int i, int frame) {
  const auto x = float(20 + (i * 37 + frame) % 600), y = float(20 + (i * 53) % 440);
  return {x, y, x + float(i % 17 - 8), y + float(i % 13 - 6)};
}

void EndFrame() {
  Renderer()->FlushDrawing();
  SDL_GL_SwapWindow(Runtime().mainWindow);
  glClear(GL_COLOR_BUFFER_BIT);
  glFinish();
}

template <typename DrawFrame>
double FramesPerProcessorSecond(DrawFrame&& drawFrame) {
  const double start = ProcessSeconds();
  int frames = 0;
  while (ProcessSeconds() - start < kRoundSeconds)
    drawFrame(frames++);
  return frames / (ProcessSeconds() - start);
}

double Ours(int count) {
  return FramesPerProcessorSecond([&](int frame) {
    for (int i = 0; i < count; ++i) {
      const Line l = LineAt(i, frame);
      DrawLine(l.x1, l.y1, l.x2, l.y2, kLineColour);
    }
    EndFrame();
  });
}

// Each line as a line and an end point, two draws per line.
double LineAndPoint(int count) {
  OpenGLRadazuri& r = *Renderer();
  return FramesPerProcessorSecond([&](int frame) {
    for (int i = 0; i < count; ++i) {
      const Line l = LineAt(i, frame);
      r.DrawColoured(GL_LINES, &l.x1, 2, kLineColour);
      r.DrawColoured(GL_POINTS, &l.x2, 1, kLineColour);
    }
    EndFrame();
  });
}

// The same lines and end pixels as one bare line draw, with GL used directly.
void DrawBareLines(OpenGLRadazuri& r, std::vector<float>& xy, int count, int frame) {
  const DirectGL direct = r.UseGLDirectly();
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_ALPHA_TEST);
  glColor4ub(0xF0, 0xC0, 0x30, 255);
  for (int i = 0; i < count; ++i) {
    const Line l = LineAt(i, frame);
    const float v[8] = {l.x1, l.y1, l.x2, l.y2, l.x2, l.y2, l.x2 + 1, l.y2};
    std::copy(v, v + 8, &xy[size_t(i) * 8]);
  }
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glTranslatef(0.375f, 0.375f, 0);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(2, GL_FLOAT, 0, xy.data());
  glDrawArrays(GL_LINES, 0, GLsizei(count) * 4);
  glDisableClientState(GL_VERTEX_ARRAY);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

double Bare(int count) {
  OpenGLRadazuri& r = *Renderer();
  std::vector<float> xy(size_t(count) * 8);
  return FramesPerProcessorSecond([&](int frame) {
    DrawBareLines(r, xy, count, frame);
    EndFrame();
  });
}

}  // namespace

int main() {
  bench::StartRuntime(640, 480, "Line benchmark");
  SDL_GL_SetSwapInterval(0);
  SetAlphaMode(0);
  std::printf("Short lines at 640 x 480, frames per processor second (%s), best of %d rounds\n",
              reinterpret_cast<const char*>(glGetString(GL_RENDERER)), kRounds);
  for (int count : {1000, 10000}) {
    double ours = 0, old = 0, bare = 0;
    for (int round = 0; round < kRounds; ++round) {
      ours = std::max(ours, Ours(count));
      old = std::max(old, LineAndPoint(count));
      bare = std::max(bare, Bare(count));
    }
    std::printf(
        "N = %5d  ours %7.1f  line and point %7.1f  bare %7.1f   ours/line and point %.2f  "
        "ours/bare %.2f\n",
        count, ours, old, bare, ours / old, ours / bare);
  }
  std::fflush(stdout);
  std::_Exit(0);
}
