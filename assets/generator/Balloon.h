// The glossy balloon: the five board and title balloons, and the small balloon pictures
// built from the same painter (counter icon, "New Game" picture, window icon).
#pragma once

#include "Image.h"

namespace pindrake_assets {

// A symbol printed on a balloon so that its colour can be told without seeing colour.
enum class BalloonMark { None, Ring, Triangle, Diamond, Star };

struct BalloonStyle {
  Rgba colour;
  BalloonMark mark = BalloonMark::None;
};

// Geometry in pixels: the body is an egg (taller below its centre than above), the knot
// sits under it, and a short wavy string hangs from the knot.
struct BalloonShape {
  double centreX = 20, centreY = 17;
  double radiusX = 15.5, radiusTop = 15.5, radiusBottom = 17.5;
  double stringLength = 3;
};

BalloonStyle BlueBalloon();
BalloonStyle RedBalloon();
BalloonStyle GreenBalloon();
BalloonStyle YellowBalloon();
BalloonStyle WhiteBalloon();

void PaintBalloon(Image& image, const BalloonStyle& style, const BalloonShape& shape);

Image MakeBoardBalloon(const BalloonStyle& style);  // 40 × 40
Image MakeCounterIcon();                            // small balloon beside the counter
Image MakeNewGamePicture();                         // three balloons, about 32 × 22
Image MakeWindowIcon(int size);                     // a bunch of balloons, size × size

}  // namespace pindrake_assets
