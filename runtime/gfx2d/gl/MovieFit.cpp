#include "gfx2d/gl/MovieFit.h"

#include <algorithm>
#include <cmath>

namespace zentoir {

MovieRect FitMovie(int pictureWidth, int pictureHeight, int clientWidth, int clientHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || clientWidth <= 0 || clientHeight <= 0) return {};
  const double scale = std::min(static_cast<double>(clientWidth) / pictureWidth,
                                static_cast<double>(clientHeight) / pictureHeight);
  MovieRect rect;
  rect.width = std::min(clientWidth, static_cast<int>(std::lround(pictureWidth * scale)));
  rect.height = std::min(clientHeight, static_cast<int>(std::lround(pictureHeight * scale)));
  rect.x = (clientWidth - rect.width) / 2;
  rect.y = (clientHeight - rect.height) / 2;
  return rect;
}

}  // namespace zentoir
