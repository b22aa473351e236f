// Drawing with the quad batch gives the same frame, byte for byte, as drawing each quad
// on its own.
#include <gtest/gtest.h>

#include <vector>

#include "RenderFixture.h"
#include "base/RuntimeContext.h"
#include "gfx2d/gl/DrawBackends.h"
#include "gfx2d/gl/SpriteGeometry.h"
#include "gfx2d/renderer/Renderer.h"
#include "zentoir.h"

namespace zentoir {
namespace {

class Batching : public testing::RenderTest {
 protected:
  void TearDown() override {
    Renderer()->UseDrawBackend(DrawBackends::StartupChoice());
    Renderer()->SetBatching(true);
    Renderer()->SetFragmentShortcuts(true);
    SetSmoothing(1);
  }

  std::string GradientPng(const std::string& name, int w, int h) {
    return WriteImage(name, testing::MakeGradientPng(w, h));
  }

  std::string SolidPng(const std::string& name, int w, int h, bool holes) {
    return WriteImage(name, testing::MakeSolidPng(w, h, holes));
  }

  void LoadAssets() {
    LoadSprite(GradientPng("plain.png", 24, 16).c_str(), 1);
    LoadAnimSprite(GradientPng("anim.png", 32, 32).c_str(), 2, 16, 16);
    LoadSprite(SolidPng("opaque.png", 32, 32, false).c_str(), 3);  // opaque to the edge
    LoadSprite(SolidPng("opaque-inside.png", 24, 16, false).c_str(), 4);
    LoadSprite(SolidPng("keyed.png", 32, 16, true).c_str(), 5);
    LoadAnimSprite(SolidPng("keyed-anim.png", 32, 32, true).c_str(), 6, 16, 16);
    LoadSprite(SolidPng("opaque.png", 32, 32, false).c_str(), 7);
    LoadFont("", 0);
    LoadFont(GradientPng("font.png", 128, 64).c_str(), 1);
    CreateScreen(0, 30, 64, 48);
  }

  void DrawSprites(double shift, int n = 1, int anim = 2) {
    DrawSprite(n, 10 + shift, 10);
    DrawSpriteStretched(n, 40, 10 + shift, -30, 20);
    DrawSpriteStretched(n, 80, 30, 30, -20);
    DrawSpriteZoomed(n, 120 + shift, 20, -1.5, 2);
    DrawSpriteRotated(n, 160, 20 + shift, 33);
    DrawSpriteRotoZoom(n, 200, 20, -120 + shift, 1.7);
    DrawAnimFrame(anim, 1, 240, 10 + shift);
    DrawAnimFrameRotoZoom(anim, 3, 270, 20, 45 + shift, 1.25);
    DrawAnimFrameStretched(anim, 2, 300 + shift, 10, -24, 40);
    DrawAnimFrameStretched(anim, 0, 330, 50, 20, -12);
  }

  // Translucent, opaque, opaque-inside and colour-keyed sprites over each other with
  // both filters, in every kind of alpha mode.
  void DrawSpriteKinds() {
    for (double alpha : {0.0, -1.0, 1.0, -0.999, -0.6, 0.5}) {
      SetAlphaMode(alpha);
      for (int smooth : {1, 0}) {
        SetSmoothing(smooth);
        for (int n : {1, 3, 4, 5})
          DrawSprites(n * 3 + alpha * 5 + smooth, n, n == 1 ? 2 : 6);
        DrawSprite(3, 200 + smooth * 7, 100);
        DrawSprite(5, 210, 105 + smooth * 3);
        PrintText("Text over sprites", 190 + alpha, 110);
      }
    }
    // A capture into the opaque sprite's texture brings transparent texels with it.
    SetAlphaMode(0);
    FillRect(0, 0, 32, 32, 0x8000FF);
    FillRect(8, 8, 12, 12, 0x20C040);
    CaptureSprite(7, 0, 0, 32, 32);
    SetAlphaMode(-1);
    SetSmoothing(1);
    DrawSpriteZoomed(7, 40, 200, 2.5, 2.5);
  }

  void DrawPrimitives(double shift) {
    FillRect(5 + shift, 100, 50, 30, 0x3366CC);
    FillRect(60, 130, -40, -20, 0x00FF00);
    DrawLine(10, 140 + shift, 200, 170, 0xFF8000);
    DrawLine(200, 100, 150 + shift, 180, 0x0000FF);
    for (int i = 0; i < 20; ++i)
      SetPixel(220 + i, 110 + (i * 7) % 13, 0x10101 * (i * 12));
  }

  void DrawTexts(double shift) {
    SelectFont(0);
    PrintText("Batched text 123", 10 + shift, 200);
    SelectFont(1);
    PrintText("ABCabc", 10, 220 + shift);
    SelectFont(0);
    PrintNumber(-42.5, 200 + shift, 200);
  }

  // The frame equals the reference byte for byte, and more than `least` bytes were drawn.
  static void ExpectSameDrawnFrame(const std::vector<uint8_t>& frame,
                                   const std::vector<uint8_t>& reference, size_t least) {
    ASSERT_EQ(frame.size(), reference.size());
    size_t differing = 0, drawn = 0;
    for (size_t i = 0; i < frame.size(); ++i) {
      differing += frame[i] != reference[i];
      drawn += reference[i] != 0;
    }
    EXPECT_EQ(differing, 0u);
    EXPECT_GT(drawn, least);
  }

  static std::vector<uint8_t> ReadFrame() {
    const OpenGLRadazuri& r = *Renderer();
    std::vector<uint8_t> frame(size_t(r.ScreenWidth()) * size_t(r.ScreenHeight()) * 4);
    Renderer()->FlushDrawing();
    glReadPixels(0, 0, r.ScreenWidth(), r.ScreenHeight(), GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    return frame;
  }

  // Every kind of draw in a few alpha modes, with reads, captures, a viewport change and
  // an offscreen screen in between; returns the frame and every value read.
  std::vector<uint8_t> DrawScenes() {
    LoadAssets();  // afresh: the screen and the capture keep what was drawn into them
    std::vector<uint8_t> frame;
    std::vector<double> reads;
    for (double alpha : {0.0, -0.6, 0.5}) {
      SetAlphaMode(alpha);
      SetSmoothing(alpha != 0.5);
      DrawSprites(alpha * 7);
      DrawPrimitives(alpha * 5);
      DrawTexts(alpha * 3);
      DrawSpriteZoomed(1, 60, 70, 2.5, 2.5);
      SetSmoothing(alpha == 0.5);  // the same texture with the other filter
      DrawSpriteZoomed(1, 130, 70, 2.5, 2.5);
      DrawSprite(1, 12, 12);
      reads.push_back(GetPixel(20, 15));  // in the middle of a batch
      DrawSprite(1, 14, 14);
      CaptureSprite(20, 0, 0, 100, 60);  // also in the middle of one
      DrawSprite(20, 380, 10 + alpha * 30);
    }
    DrawSpriteKinds();
    SetViewport(400, 200, 200, 150);
    DrawSprites(1);
    DrawTexts(2);
    SetViewport(0, 0, 0, 0);
    UseScreen(0);
    DrawSprites(0);
    DrawPrimitives(2);
    for (double alpha : {-0.999, -1.0}) {  // the screen keeps the alpha blending makes
      SetAlphaMode(alpha);
      DrawSprites(2 + alpha, 3, 6);
      DrawSprites(4, 5, 6);
      DrawTexts(alpha);
    }
    reads.push_back(GetPixel(12, 12));
    UseScreen(-1);
    SetAlphaMode(-1);
    DrawSprite(30, 500, 20);
    DrawSprite(1, 505, 25);
    frame = ReadFrame();
    for (double value : reads) {
      const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
      frame.insert(frame.end(), bytes, bytes + sizeof value);
    }
    return frame;
  }
};

// Batched and with the cheaper blending, alpha test and texture environment the
// textures' alpha allows, against each quad drawn on its own with the full state.
TEST_F(Batching, FramesAreIdenticalWithBatchingAndShortcutsOnAndOff) {
  Renderer()->SetBatching(false);
  Renderer()->SetFragmentShortcuts(false);
  const std::vector<uint8_t> unbatched = DrawScenes();
  SetUp();
  Renderer()->SetBatching(true);
  Renderer()->SetFragmentShortcuts(true);
  const std::vector<uint8_t> batched = DrawScenes();
  ASSERT_EQ(batched.size(), unbatched.size());
  size_t differing = 0;
  for (size_t i = 0; i < batched.size(); ++i)
    differing += batched[i] != unbatched[i];
  EXPECT_EQ(differing, 0u);
  size_t drawn = 0;  // the scenes did draw
  for (size_t i = 0; i + 3 < batched.size() - 4 * sizeof(double); i += 4)
    drawn += batched[i] != 0 || batched[i + 1] != 0 || batched[i + 2] != 0;
  EXPECT_GT(drawn, 10000u);
}

// Mirrored quads share a batch with the others: the pixels are those of each quad drawn
// on its own, in immediate mode, with the front face switched for mirrored ones.
TEST_F(Batching, MirroredQuadsGiveThePixelsOfQuadsTurnedToTheFront) {
  LoadSprite(GradientPng("plain.png", 24, 16).c_str(), 1);
  const SpriteExtent extent{24, 16, 32, 16, 0, 0};
  auto drawQuads = [&](auto draw) {
    SetAlphaMode(-0.7);
    for (int i = 0; i < 40; ++i) {
      SetSmoothing(i % 2);
      draw(StretchedSpriteQuad(extent, 10 + i * 13.3f, 10 + i * 7.1f, float(i % 3 - 1) * 31.5f,
                               (float(i % 4) - 1.5f) * 17));
      draw(RotoZoomSpriteQuad(extent, 300 + i * 5.7f, 200 + i * 3.3f, i * 17.0f, 1.3f));
      draw(ZoomedSpriteQuad(extent, 500 + i * 2.1, 100 + i * 9.7, -1.7, 1.2 - i * 0.07));
    }
  };
  OpenGLRadazuri& r = *Renderer();
  auto prepare = [&] { r.PrepareSprite(1); };
  r.UseDrawBackend(DrawBackendKind::FixedFunction);  // for the immediate-mode reference
  drawQuads([&](const SpriteQuad& quad) {
    prepare();
    r.ForgetGLState();
    if (quad.clockwise) glFrontFace(GL_CW);
    glBegin(GL_QUADS);
    for (const QuadVertex& v : quad.vertices) {
      glTexCoord2f(v.s, v.t);
      glVertex2f(v.x, v.y);
    }
    glEnd();
    glFrontFace(GL_CCW);
  });
  const std::vector<uint8_t> reference = ReadFrame();
  r.UseDrawBackend(DrawBackendKind::Shaders);
  SetUp();
  drawQuads([&](const SpriteQuad& quad) {
    prepare();
    r.AddSpriteQuad(quad);
  });
  ExpectSameDrawnFrame(ReadFrame(), reference, 10000);
}

// Shaders draw what the fixed-function pipeline draws, byte for byte: sprites, text,
// primitives, polygons and a background, into the back buffer and offscreen screens.
TEST_F(Batching, ShadersDrawTheFixedFunctionPipelinesPixels) {
  const std::string background = SolidBmp("back.bmp", 700, 300, {30, 90, 160});
  auto draw = [&] {
    LoadBackground(background.c_str());
    std::vector<uint8_t> frame = DrawScenes();
    for (int sprite : {-1, 1}) {
      SetAlphaMode(sprite < 0 ? 0 : -0.8);
      StartPolyVector(sprite);
      AddPolyVertex(420, 300, 0, 0, 0xFF0000);
      AddPolyVertex(400 + sprite * 20, 380, 0, 16, 0x00FF00);
      AddPolyVertex(500, 390, 24, 16, 0x0000FF);
      AddPolyVertex(520, 310, 24, 0, 0xFFFFFF);
      EndPolyVector();
    }
    const std::vector<uint8_t> last = ReadFrame();
    frame.insert(frame.end(), last.begin(), last.end());
    return frame;
  };
  ASSERT_EQ(Renderer()->UseDrawBackend(DrawBackendKind::FixedFunction),
            DrawBackendKind::FixedFunction);
  const std::vector<uint8_t> fixed = draw();
  SetUp();
  ASSERT_EQ(Renderer()->UseDrawBackend(DrawBackendKind::Shaders), DrawBackendKind::Shaders);
  ExpectSameDrawnFrame(draw(), fixed, 10000);
  // With the alpha test in the shader, as on OpenGL ES, a software rasteriser may draw
  // either pipeline's fragments by a faster path of its own that rounds filtered texels
  // by a step or two differently. Where a texel's alpha lies at the alpha test's
  // threshold, the two pictures then differ in that pixel: a few on the edges of quads.
  SetUp();
  ASSERT_EQ(Renderer()->UseDrawBackend(DrawBackendKind::ShadersOnly), DrawBackendKind::ShadersOnly);
  const std::vector<uint8_t> alone = draw();
  ASSERT_EQ(alone.size(), fixed.size());
  size_t differing = 0;
  for (size_t i = 0; i < alone.size(); ++i)
    differing += alone[i] != fixed[i];
  EXPECT_LE(differing, alone.size() / 5000);
}

// A run of lines shares a draw; each line's end pixel is drawn as before, a point after
// the line.
TEST_F(Batching, LinesGiveThePixelsOfALineAndAnEndPoint) {
  OpenGLRadazuri& r = *Renderer();
  auto drawLines = [&](auto draw) {
    for (double alpha : {0.0, -0.5}) {
      SetAlphaMode(alpha);
      for (int i = 0; i < 60; ++i) {
        const double x1 = 20 + (i * 37) % 300, y1 = 20 + (i * 53) % 200;
        const double x2 = x1 + (i % 7 - 3) * (i % 5) * 9, y2 = y1 + (i % 11 - 5) * (i % 3) * 7;
        draw(x1, y1, x2, y2, double(0x10305 * (i + 1) & 0xFFFFFF));
      }
      draw(400, 300, 400, 300, 0xFFFFFF);  // no length: the end pixel only
      draw(400.5, 310.25, 420.75, 330.5, 0x00FF00);
    }
  };
  r.SetBatching(false);
  drawLines([&](double x1, double y1, double x2, double y2, double colour) {
    // The same through the quad batch, as a line and a point.
    const float line[4] = {float(x1), float(y1), float(x2), float(y2)};
    r.DrawColoured(GL_LINES, line, 2, uint32_t(colour));
    r.DrawColoured(GL_POINTS, line + 2, 1, uint32_t(colour));
  });
  const std::vector<uint8_t> reference = ReadFrame();
  SetUp();
  r.SetBatching(true);
  drawLines(DrawLine);
  ExpectSameDrawnFrame(ReadFrame(), reference, 3000);
}

}  // namespace
}  // namespace zentoir
