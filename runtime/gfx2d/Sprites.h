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

void DrawSprite(double n, double x, double y);
void DrawSpriteStretched(double n, double x, double y, double width, double height);
void DrawSpriteZoomed(double n, double x, double y, double zoomX, double zoomY);
void DrawSpriteRotated(double n, double x, double y, double angle);
void DrawSpriteRotoZoom(double n, double x, double y, double angle, double zoom);
void DrawAnimFrame(double n, double frame, double x, double y);
void DrawAnimFrameRotoZoom(double n, double frame, double x, double y, double angle, double zoom);
void DrawAnimFrameStretched(double n, double frame, double x, double y, double width,
                            double height);

// 1 when solid pixels of the two sprites (or frames) overlap at the given positions.
double SpritesCollide(double n1, double x1, double y1, double n2, double x2, double y2);
double AnimFramesCollide(double n1, double frame1, double x1, double y1, double n2, double frame2,
                         double x2, double y2);

}  // namespace zentoir
