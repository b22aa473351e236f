// Draws a fixed set of scenes, each with other kinds of drawing, and saves each screen as
// <folder>/<scene>.png (the folder made where missing): the browser build and the
// desktop build of this program draw the same scenes, and tests/web/compare_scenes.py
// compares their pictures.
//
//   zentoir_drawing_scenes FOLDER
//
// Prints "scenes saved" when every picture is written.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx2d/ImageFiles.h"
#include "zentoir.h"

using namespace zentoir;

namespace {

std::string folder;

// The scenes' images are made at start-up, below the folder.
std::string WriteImage(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = folder + "/images/" + name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path;
}

std::string GradientPng(const std::string& name, int w, int h) {
  return WriteImage(name, testing::MakeGradientPng(w, h));
}

// Opaque, with holes of alpha 0 where asked: what colour-keyed images load as.
std::string SolidPng(const std::string& name, int w, int h, bool holes) {
  return WriteImage(name, testing::MakeSolidPng(w, h, holes));
}

std::string StripesBmp(const std::string& name, int w, int h) {
  std::vector<testing::Rgb> pixels;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      pixels.push_back({uint8_t(30 + (x / 20) * 7), uint8_t(60 + (y / 15) * 6), 150});
  return WriteImage(name, testing::MakeBmp(w, h, 24, pixels));
}

void LoadImages() {
  LoadSprite(GradientPng("gradient.png", 24, 16).c_str(), 1);
  LoadAnimSprite(GradientPng("anim.png", 32, 32).c_str(), 2, 16, 16);
  LoadSprite(SolidPng("opaque.png", 32, 32, false).c_str(), 3);
  LoadSprite(SolidPng("keyed.png", 32, 16, true).c_str(), 5);
  LoadFont("", 0);
  LoadFont(GradientPng("font.png", 128, 64).c_str(), 1);
}

void DrawSprites(int n, double x, double y) {
  DrawSprite(n, x, y);
  DrawSpriteStretched(n, x + 30, y, -30, 20);
  DrawSpriteStretched(n, x + 70, y + 20, 30, -20);
  DrawSpriteZoomed(n, x + 110, y + 10, -1.5, 2);
  DrawSpriteRotated(n, x + 150, y + 10, 33);
  DrawSpriteRotoZoom(n, x + 190, y + 10, -120, 1.7);
  DrawAnimFrame(2, 1, x + 230, y);
  DrawAnimFrameRotoZoom(2, 3, x + 270, y + 10, 45, 1.25);
  DrawAnimFrameStretched(2, 2, x + 300, y, -24, 40);
}

// Every way of drawing a sprite, with both filters, each kind of image.
void SpritesScene() {
  for (int smooth : {1, 0}) {
    SetSmoothing(smooth);
    for (int n : {1, 3, 5})
      DrawSprites(n, 10 + smooth * 320, 20 + n * 30);
    DrawSpriteZoomed(1, 60 + smooth * 320, 300, 6.5, 6.5);
    DrawSpriteRotoZoom(5, 200 + smooth * 320, 300, 17, 3.3);
  }
}

// The sprites over each other in every kind of alpha mode.
void AlphaModesScene() {
  FillRect(0, 0, 640, 480, 0x406080);
  int row = 0;
  for (double alpha : {0.0, -1.0, 1.0, -0.999, -0.6, 0.5, 0.2}) {
    SetAlphaMode(alpha);
    for (int smooth : {1, 0}) {
      SetSmoothing(smooth);
      const double y = 10 + row * 32, x = smooth * 320;
      for (int n : {1, 3, 5})
        DrawSpriteZoomed(n, x + 20 + n * 28, y + 12, 1.3, 1.3);
      DrawAnimFrameRotoZoom(2, row % 4, x + 200, y + 12, row * 20, 1.5);
      FillRect(x + 240, y, 40, 20, 0xC0A020);
      PrintText("alpha", x + 230, y + 8);
    }
    ++row;
  }
  SetAlphaMode(0);
}

// Rectangles, lines and pixels in colours and in the transparent colour, polygons
// textured and plain.
void PrimitivesScene() {
  FillRect(20, 20, 200, 120, 0x3366CC);
  FillRect(240, 140, -60, -40, 0x00FF00);
  for (int i = 0; i < 12; ++i) {
    DrawLine(20 + i * 10, 160, 220 - i * 7, 300 + i * 3, 0x0F0F0F * (i + 4));
    DrawLine(300, 20 + i * 9, 300 + i * 20, 20 + i * 9, 0xFF8000);
  }
  DrawLine(400, 100, 400, 100, 0xFFFFFF);
  for (int i = 0; i < 60; ++i)
    SetPixel(300 + i * 3, 200 + (i * 7) % 23, 0x10101 * (i * 4));
  for (int sprite : {-1, 1}) {
    SetAlphaMode(sprite < 0 ? 0 : -0.8);
    StartPolyVector(sprite);
    AddPolyVertex(420, 300, 0, 0, 0xFF0000);
    AddPolyVertex(400 + sprite * 20, 380, 0, 16, 0x00FF00);
    AddPolyVertex(500, 390, 24, 16, 0x0000FF);
    AddPolyVertex(520, 310, 24, 0, 0xFFFFFF);
    EndPolyVector();
  }
  SetAlphaMode(0);
}

// Both fonts, plain and blended, the numbers as text, and text cut by the screen's edge.
void TextScene() {
  for (int font : {0, 1}) {
    SelectFont(font);
    for (double alpha : {0.0, -0.5, 0.7}) {
      SetAlphaMode(alpha);
      const double y = 20 + font * 200 + (alpha < 0 ? 60 : alpha > 0 ? 120 : 0);
      PrintText("The quick brown fox jumps over the lazy dog 0123456789", 10, y);
      PrintNumber(-42.5, 10, y + 20);
      PrintNumber(1e21, 200, y + 20);
      PrintText("cut at the edge", 560, y + 30);
    }
  }
  SelectFont(0);
  SetAlphaMode(0);
}

// A background, an offscreen screen drawn into and drawn back, a viewport, and a
// capture of the screen with its key colour drawn back as transparent. The last scene:
// the background stays.
void ScreensScene() {
  LoadBackground(StripesBmp("back.bmp", 640, 480).c_str());
  CreateScreen(0, 30, 64, 48);
  UseScreen(0);
  FillRect(0, 0, 64, 48, 0x202020);
  DrawSprite(1, 4, 4);
  PrintText("off", 8, 30);
  UseScreen(-1);
  SetSmoothing(1);
  DrawSpriteZoomed(30, 200, 150, 3, 3);
  DrawSpriteRotoZoom(30, 450, 150, 30, 2);
  SetViewport(100, 300, 200, 120);
  DrawSprites(3, 0, 10);
  PrintText("inside the viewport", 5, 80);
  SetViewport(0, 0, 0, 0);
  FillRect(400, 300, 64, 48, 0x800080);
  FillRect(410, 310, 30, 20, 0x20C040);
  SetTransparentColour(0x800080);
  CaptureSprite(31, 400, 300, 64, 48);
  SetAlphaMode(-1);
  DrawSpriteZoomed(31, 520, 380, 2, 2);
  SetAlphaMode(0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: zentoir_drawing_scenes FOLDER\n", stderr);
    return 2;
  }
  folder = argv[1];
  std::error_code ignored;
  std::filesystem::create_directories(folder + "/images", ignored);
  StartupSettings& settings = Settings();
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  SetKeepWindowed(1);
  InitRuntime("", 1, "Drawing scenes");
  LoadImages();
  const struct {
    const char* name;
    void (*draw)();
  } scenes[] = {{"sprites", SpritesScene},
                {"alpha-modes", AlphaModesScene},
                {"primitives", PrimitivesScene},
                {"text", TextScene},
                {"screens", ScreensScene}};
  for (const auto& scene : scenes) {
    FillRect(0, 0, 640, 480, 0);
    scene.draw();
    if (!SaveScreen((folder + "/" + scene.name + ".png").c_str())) {
      std::fprintf(stderr, "zentoir_drawing_scenes: %s.png not saved\n", scene.name);
      return 1;
    }
    PresentFrame();
  }
  std::puts("scenes saved");
  return 0;
}
