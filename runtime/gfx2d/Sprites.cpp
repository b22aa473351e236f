#include "gfx2d/Sprites.h"

#include <GL/gl.h>

#include <string>

#include "files/ArchiveSlot.h"
#include "gfx2d/AlphaOverlap.h"
#include "gfx2d/gl/SpriteGeometry.h"
#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

// The renderer and sprite n when both exist.
OpenGLRadazuri* RendererFor(double n, int32_t& sprite) {
  sprite = TruncateToInt32(n);
  OpenGLRadazuri* r = ActiveRenderer();
  return r && IsSpriteNumber(sprite) ? r : nullptr;
}

// Draws the quad a geometry function makes for sprite n.
template <typename MakeQuad>
void DrawWith(double n, MakeQuad&& makeQuad) {
  int32_t sprite;
  OpenGLRadazuri* r = RendererFor(n, sprite);
  if (!r) return;
  r->PrepareSprite(sprite);
  SpriteQuad quad;
  if (makeQuad(r->Extent(sprite), quad)) r->AddSpriteQuad(quad);
}

PlacedMask Placed(OpenGLRadazuri& r, int32_t n, bool asFrame, double frame, double x, double y) {
  const SpriteRecord& s = r.Sprite(n);
  const std::vector<uint8_t>& plane = r.AlphaMask(n);
  const uint8_t* mask = plane.empty() ? nullptr : plane.data();
  const int32_t px = TruncateToInt32(x), py = TruncateToInt32(y);
  if (!asFrame) return PlaceImage(mask, s.textureWidth, s.width, s.height, px, py);
  return PlaceFrame(mask, s.textureWidth, s.width, s.height, s.frameWidth, s.frameHeight,
                    TruncateToInt32(frame), px, py);
}

double Collide(bool asFrames, double n1, double f1, double x1, double y1, double n2, double f2,
               double x2, double y2) {
  int32_t a, b;
  OpenGLRadazuri* r = RendererFor(n1, a);
  if (!r || !RendererFor(n2, b)) return 0;
  return TestAlphaOverlap(Placed(*r, a, asFrames, f1, x1, y1), Placed(*r, b, asFrames, f2, x2, y2));
}

}  // namespace

void LoadSprite(const DynString& path, double n) {
  int32_t sprite;
  OpenGLRadazuri* r = RendererFor(n, sprite);
  if (!r) return;
  r->FreeSprite(sprite);
  std::string file;
  if (ResolveGeneralDataFile(path, file))
    r->LoadSpriteImage(sprite, file, r->TransparentColour(), false);
}

void LoadAnimSprite(const DynString& path, double n, double frameWidth, double frameHeight) {
  LoadSprite(path, n);
  int32_t sprite;
  OpenGLRadazuri* r = RendererFor(n, sprite);
  if (!r || r->Sprite(sprite).width <= 0) return;
  r->SetSpriteFrame(sprite, static_cast<int16_t>(TruncateToInt32(frameWidth)),
                    static_cast<int16_t>(TruncateToInt32(frameHeight)));
}

double LoadBumpSprite(const DynString& path, double n) {
  int32_t sprite;
  OpenGLRadazuri* r = RendererFor(n, sprite);
  if (!r) return 0;
  r->FreeSprite(sprite);
  std::string file;
  return ResolveGeneralDataFile(path, file) ? r->LoadSpriteImage(sprite, file, 0x8000FF, true) : 0;
}

void GetSpriteSize(double n, double& width, double& height) {
  const int32_t sprite = TruncateToInt32(n);
  const OpenGLRadazuri* r = ActiveRenderer();
  const bool known = r && IsSpriteNumber(sprite);
  width = known ? r->Sprite(sprite).width : 0;
  height = known ? r->Sprite(sprite).height : 0;
}

void DrawSprite(double n, double x, double y) {
  DrawWith(n, [&](const SpriteExtent& e, SpriteQuad& q) {
    q = PlainSpriteQuad(e, float(x), float(y));
    return true;
  });
}

void DrawSpriteStretched(double n, double x, double y, double width, double height) {
  DrawWith(n, [&](const SpriteExtent& e, SpriteQuad& q) {
    q = StretchedSpriteQuad(e, float(x), float(y), float(width), float(height));
    return true;
  });
}

void DrawSpriteZoomed(double n, double x, double y, double zoomX, double zoomY) {
  DrawWith(n, [&](const SpriteExtent& e, SpriteQuad& q) {
    q = ZoomedSpriteQuad(e, x, y, zoomX, zoomY);
    return true;
  });
}

void DrawSpriteRotated(double n, double x, double y, double angle) {
  DrawSpriteRotoZoom(n, x, y, angle, 1);
}

void DrawSpriteRotoZoom(double n, double x, double y, double angle, double zoom) {
  DrawWith(n, [&](const SpriteExtent& e, SpriteQuad& q) {
    q = RotoZoomSpriteQuad(e, float(x), float(y), float(angle), float(zoom));
    return true;
  });
}

void DrawAnimFrame(double n, double frame, double x, double y) {
  DrawWith(n, [&](const SpriteExtent& e, SpriteQuad& q) {
    return AnimFrameQuad(e, TruncateToInt32(frame), float(x), float(y), q);
  });
}

void DrawAnimFrameRotoZoom(double n, double frame, double x, double y, double angle, double zoom) {
  DrawWith(n, [&](const SpriteExtent& e, SpriteQuad& q) {
    return AnimFrameRotoZoomQuad(e, TruncateToInt32(frame), float(x), float(y), float(angle),
                                 float(zoom), q);
  });
}

void DrawAnimFrameStretched(double n, double frame, double x, double y, double width,
                            double height) {
  DrawWith(n, [&](const SpriteExtent& e, SpriteQuad& q) {
    return AnimFrameStretchedQuad(e, TruncateToInt32(frame), float(x), float(y), float(width),
                                  float(height), q);
  });
}

double SpritesCollide(double n1, double x1, double y1, double n2, double x2, double y2) {
  return Collide(false, n1, 0, x1, y1, n2, 0, x2, y2);
}

double AnimFramesCollide(double n1, double frame1, double x1, double y1, double n2, double frame2,
                         double x2, double y2) {
  return Collide(true, n1, frame1, x1, y1, n2, frame2, x2, y2);
}

}  // namespace zentoir
