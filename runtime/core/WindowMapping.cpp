#include "core/WindowMapping.h"

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

void WindowToScreen(const WindowMapping& m, int32_t wx, int32_t wy, int32_t& sx, int32_t& sy) {
  sx = int32_t(std::floor((wx - m.offsetX) / m.scale));
  sy = int32_t(std::floor((wy - m.offsetY) / m.scale));
}

void ScreenToWindow(const WindowMapping& m, int32_t sx, int32_t sy, int32_t& wx, int32_t& wy) {
  wx = m.offsetX + int32_t(std::lround((sx + 0.5) * m.scale - 0.5));
  wy = m.offsetY + int32_t(std::lround((sy + 0.5) * m.scale - 0.5));
}

void ScaleMotion(WindowMapping& m, int32_t dx, int32_t dy, int32_t& sdx, int32_t& sdy) {
  if (m.scale == 1) {
    sdx = dx, sdy = dy;
    return;
  }
  m.restX += dx / m.scale;
  m.restY += dy / m.scale;
  sdx = int32_t(std::trunc(m.restX));
  sdy = int32_t(std::trunc(m.restY));
  m.restX -= sdx;
  m.restY -= sdy;
}

}  // namespace zentoir
