#include "base/WindowMapping.h"

#include <algorithm>
#include <cmath>

namespace zentoir {

WindowMapping LetterboxFor(int32_t windowWidth, int32_t windowHeight, int32_t screenWidth,
                           int32_t screenHeight) {
  WindowMapping m;
  if (windowWidth < 1 || windowHeight < 1 || screenWidth < 1 || screenHeight < 1) return m;
  m.scale = std::min(double(windowWidth) / screenWidth, double(windowHeight) / screenHeight);
  m.width = std::max<int32_t>(1, int32_t(std::lround(screenWidth * m.scale)));
  m.height = std::max<int32_t>(1, int32_t(std::lround(screenHeight * m.scale)));
  m.offsetX = (windowWidth - m.width) / 2;
  m.offsetY = (windowHeight - m.height) / 2;
  return m;
}

WindowMapping& CurrentWindowMapping() {
  static WindowMapping mapping;
  return mapping;
}

void ResetWindowMapping() {
  CurrentWindowMapping() = WindowMapping{};
}

namespace {

// A pixel position as int32_t, held in range (a tiny window makes large numbers).
int32_t ToPixel(double value) {
  return int32_t(std::clamp(std::floor(value), -2147483648.0, 2147483647.0));
}

}  // namespace

void WindowToScreen(const WindowMapping& m, int32_t wx, int32_t wy, int32_t& sx, int32_t& sy) {
  sx = ToPixel((double(wx) - m.offsetX) / m.scale);
  sy = ToPixel((double(wy) - m.offsetY) / m.scale);
}

void ScreenToWindow(const WindowMapping& m, int32_t sx, int32_t sy, int32_t& wx, int32_t& wy) {
  wx = ToPixel(m.offsetX + (sx + 0.5) * m.scale);
  wy = ToPixel(m.offsetY + (sy + 0.5) * m.scale);
}

void ScaleMotion(WindowMapping& m, int32_t dx, int32_t dy, int32_t& sdx, int32_t& sdy) {
  if (m.scale == 1) {
    sdx = dx, sdy = dy;
    return;
  }
  m.restX += dx / m.scale;
  m.restY += dy / m.scale;
  sdx = int32_t(std::clamp(std::trunc(m.restX), -1e9, 1e9));
  sdy = int32_t(std::clamp(std::trunc(m.restY), -1e9, 1e9));
  m.restX -= sdx;
  m.restY -= sdy;
}

}  // namespace zentoir
