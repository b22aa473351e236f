// Sprite commands: loading images into numbered sprites, drawing them, and collisions.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Frees sprite n, then loads the image file (BMP or PNG, found through the resource
// archive) with the transparent colour as key. A failed load leaves the sprite free.
void LoadSprite(const DynString& path, double n);
// LoadSprite, then the animation frame size when the image loaded.
void LoadAnimSprite(const DynString& path, double n, double frameWidth, double frameHeight);
// Loads the image as a normal map (its red channel as heights); 1 loaded, 0 not.
double LoadBumpSprite(const DynString& path, double n);
// The sprite's size in pixels (0, 0 for a free sprite).
void GetSpriteSize(double n, double& width, double& height);

// The sprite at its size with its top-left corner at (x, y).
void DrawSprite(double n, double x, double y);
// Stretched to width × height; a negative size mirrors it.
void DrawSpriteStretched(double n, double x, double y, double width, double height);
// Stretched by the two factors about the sprite's centre; a negative factor mirrors it.
void DrawSpriteZoomed(double n, double x, double y, double zoomX, double zoomY);
// Rotated about its centre by the angle in degrees.
void DrawSpriteRotated(double n, double x, double y, double angle);
// Rotated about its centre by the angle in degrees and zoomed by the factor.
void DrawSpriteRotoZoom(double n, double x, double y, double angle, double zoom);
// One frame of an animation sprite (LoadAnimSprite) at its size.
void DrawAnimFrame(double n, double frame, double x, double y);
// One frame rotated about its centre by the angle in degrees and zoomed by the factor.
void DrawAnimFrameRotoZoom(double n, double frame, double x, double y, double angle, double zoom);
// One frame stretched to width × height; a negative size mirrors it.
void DrawAnimFrameStretched(double n, double frame, double x, double y, double width,
                            double height);

// 1 when solid pixels of the two sprites (or frames) overlap at the given positions.
double SpritesCollide(double n1, double x1, double y1, double n2, double x2, double y2);
double AnimFramesCollide(double n1, double frame1, double x1, double y1, double n2, double frame2,
                         double x2, double y2);

}  // namespace zentoir
