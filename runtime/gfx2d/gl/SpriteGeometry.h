// Where sprite quads land on the screen and which part of the texture they show. Pure
// arithmetic, shared by the drawing commands and the tests.
#pragma once

#include <array>
#include <cstdint>

namespace zentoir {

struct QuadVertex {
  float x, y;  // screen position, y down
  float s, t;  // texture coordinate, t = 0 at the image's bottom
};

struct SpriteQuad {
  std::array<QuadVertex, 4> vertices;
  bool clockwise = false;  // mirrored in one axis: the front face flips for this quad
};

// The sizes of a loaded sprite that its geometry needs.
struct SpriteExtent {
  int32_t width = 0, height = 0;
  int32_t textureWidth = 0, textureHeight = 0;
  int32_t frameWidth = 0, frameHeight = 0;
};

SpriteQuad PlainSpriteQuad(const SpriteExtent& sprite, float x, float y);
SpriteQuad StretchedSpriteQuad(const SpriteExtent& sprite, float x, float y, float width,
                               float height);
// The stretched quad that zooms the sprite about its centre.
SpriteQuad ZoomedSpriteQuad(const SpriteExtent& sprite, double x, double y, double zoomX,
                            double zoomY);
// Rotated counter-clockwise by `angle` degrees about the sprite's centre and scaled.
SpriteQuad RotoZoomSpriteQuad(const SpriteExtent& sprite, float x, float y, float angle,
                              float zoom);

// Texture coordinates of animation frame f; false when the sprite has no frame grid.
struct FrameRect {
  float s0, s1, tBottom, tTop;
};
bool AnimFrameRect(const SpriteExtent& sprite, int32_t frame, FrameRect& rect);

bool AnimFrameQuad(const SpriteExtent& sprite, int32_t frame, float x, float y, SpriteQuad& quad);
bool AnimFrameStretchedQuad(const SpriteExtent& sprite, int32_t frame, float x, float y,
                            float width, float height, SpriteQuad& quad);
bool AnimFrameRotoZoomQuad(const SpriteExtent& sprite, int32_t frame, float x, float y, float angle,
                           float zoom, SpriteQuad& quad);

// A rectangle with negative sizes turned into the same area with positive sizes, the
// way FillRect draws it.
struct FloatRect {
  float x, y, width, height;
};
FloatRect NormalisedFillRect(float x, float y, float width, float height);

}  // namespace zentoir
