// Where a movie's picture goes in the window: as large as fits, aspect kept, centred.
#pragma once

namespace zentoir {

struct MovieRect {
  int x = 0, y = 0;  // from the top left of the client area
  int width = 0, height = 0;
};

// The picture scaled by the smaller of the two ratios client size / picture size and
// centred in the client area. Empty for empty sizes.
MovieRect FitMovie(int pictureWidth, int pictureHeight, int clientWidth, int clientHeight);

}  // namespace zentoir
