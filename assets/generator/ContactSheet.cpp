#include "ContactSheet.h"

#include <algorithm>

#include "Backdrops.h"
#include "BmpFile.h"
#include "DataSet.h"
#include "Image.h"
#include "Noise.h"
#include "PngFile.h"

namespace pindrake_assets {

namespace {

constexpr int kSheetWidth = 1240;
constexpr int kZoom = 3;  // small pictures are shown again this many times larger
constexpr int kMargin = 16;
const Rgba kBackground = MakeRgb(54, 60, 72);
const Rgba kTextBand = MakeRgb(128, 146, 166);

// The pixels of a font sheet with black made transparent, and its grid as the game's
// font loader derives it from the image size.
struct Font {
  Image glyphs;
  int cellWidth = 0, cellHeight = 0, glyphCount = 0;
};

Image ToImage(const PixelBuffer& pixels, bool blackIsTransparent) {
  Image image(pixels.width, pixels.height);
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      const uint8_t* p = pixels.Pixel(x, y);
      const uint8_t alpha = pixels.channels == 4 ? p[3] : 255;
      const bool keyed = blackIsTransparent && p[0] == 0 && p[1] == 0 && p[2] == 0;
      image.at(x, y) = keyed ? Rgba{} : MakeRgb(p[0], p[1], p[2], alpha / 255.0f);
    }
  }
  return image;
}

bool LoadFont(const std::string& path, Font& font) {
  PixelBuffer pixels;
  const bool bitmap = path.size() > 4 && path.substr(path.size() - 4) == ".bmp";
  if (!(bitmap ? ReadBmp24(path, pixels) : ReadPng(path, pixels))) return false;
  font.glyphs = ToImage(pixels, true);
  const bool sixteenRows = pixels.width < pixels.height;
  font.cellWidth = pixels.width >> 4;
  font.cellHeight = pixels.height >> (sixteenRows ? 4 : 3);
  font.glyphCount = sixteenRows ? 256 : 128;
  return true;
}

void PrintText(Image& canvas, const Font& font, const std::string& text, int x, int y) {
  for (unsigned char byte : text) {
    const int glyph = byte % font.glyphCount;
    const int sx = (glyph % 16) * font.cellWidth, sy = (glyph / 16) * font.cellHeight;
    for (int row = 0; row < font.cellHeight; ++row) {
      for (int column = 0; column < font.cellWidth; ++column) {
        canvas.BlendOver(x + column, y + row, font.glyphs.at(sx + column, sy + row));
      }
    }
    x += font.cellWidth;
  }
}

void FillRect(Image& canvas, int left, int top, int width, int height, const Rgba& colour) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x)
      canvas.BlendOver(x, y, colour);
  }
}

void Checkerboard(Image& canvas, int left, int top, int width, int height) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      const bool dark = ((x - left) / 6 + (y - top) / 6) % 2 == 0;
      canvas.BlendOver(x, y, dark ? MakeRgb(150, 150, 156) : MakeRgb(196, 196, 202));
    }
  }
}

struct Picture {
  std::string name;
  Image image;
};

Image Magnified(const Image& image) {
  Image large(image.width() * kZoom, image.height() * kZoom);
  for (int y = 0; y < large.height(); ++y) {
    for (int x = 0; x < large.width(); ++x)
      large.at(x, y) = image.at(x / kZoom, y / kZoom);
  }
  return large;
}

// The small pictures once more, enlarged so that every pixel can be judged.
std::vector<Picture> MagnifiedSmallPictures(const std::vector<Picture>& pictures) {
  std::vector<Picture> enlarged;
  for (const Picture& picture : pictures) {
    if (picture.image.width() <= 64 && picture.image.height() <= 64) {
      enlarged.push_back({picture.name + " x3", Magnified(picture.image)});
    }
  }
  return enlarged;
}

// Places the pictures in rows, each on a checkerboard with its name below.
int LayOutPictures(Image* canvas, const std::vector<Picture>& pictures, const Font& label,
                   int top) {
  int x = kMargin, rowHeight = 0;
  for (const Picture& picture : pictures) {
    const int shownWidth = std::max(picture.image.width() + 8,
                                    static_cast<int>(picture.name.size()) * label.cellWidth);
    if (x + shownWidth > kSheetWidth - kMargin) {
      x = kMargin;
      top += rowHeight + 10;
      rowHeight = 0;
    }
    if (canvas) {
      Checkerboard(*canvas, x, top, picture.image.width() + 8, picture.image.height() + 8);
      canvas->Draw(picture.image, x + 4, top + 4);
      PrintText(*canvas, label, picture.name, x, top + picture.image.height() + 10);
    }
    rowHeight = std::max(rowHeight, picture.image.height() + 12 + label.cellHeight);
    x += shownWidth + 14;
  }
  return top + rowHeight + 16;
}

const Image& Find(const std::vector<Picture>& pictures, const std::string& name) {
  for (const Picture& picture : pictures) {
    if (picture.name == name) return picture.image;
  }
  return pictures.front().image;
}

constexpr int kPreviewWidth = 640, kPreviewHeight = 320;

// A corner of the board screen put together from the data set, to judge how the pieces
// look side by side: cloud background, walls, a random board, the hover outline, the
// pointer, the counter icon, the "New Game" picture and the shadowed title.
void DrawBoardPreview(Image& canvas, const std::vector<Picture>& pictures,
                      const std::vector<std::pair<std::string, Font>>& fonts, int left, int top) {
  Image scene(kPreviewWidth, kPreviewHeight);
  const Image& clouds = Find(pictures, "Wolken.png");
  for (int y = 0; y < kPreviewHeight; y += clouds.height()) {
    for (int x = 0; x < kPreviewWidth; x += clouds.width())
      scene.Draw(clouds, x, y);
  }
  const char* balloons[] = {"Blau.png", "Rot.png", "Gr\xFCn.png", "Gelb.png"};
  Dice dice(5);
  const int boardLeft = 100;
  for (int column = 0; column < 11; ++column) {
    for (int row = 0; row * 40 < kPreviewHeight; ++row) {
      const int x = boardLeft + column * 40, y = row * 40;
      if (column == 0 || column == 10 || row == 0) {
        scene.Draw(Find(pictures, "Mauer.png"), x, y);
      } else if (row >= 2) {
        scene.Draw(Find(pictures, balloons[dice.Below(4)]), x, y);
      }
    }
  }
  scene.Draw(Find(pictures, "Umriss.png"), boardLeft + 3 * 40, 3 * 40);
  scene.Draw(Find(pictures, "Maus.png"), boardLeft + 3 * 40 + 22, 3 * 40 + 18);
  const Image& icon = Find(pictures, "2Pindrake.png");
  scene.Draw(icon, 65 - icon.width() / 2, 24 - icon.height() / 2);
  PrintText(scene, fonts[3].second, "99", 22, 17);
  PrintText(scene, fonts[28].second, "99", 20, 15);
  FillRect(scene, 555, 128, 70, 45, MakeRgb(40, 70, 200));
  const Image& newGame = Find(pictures, "NeuSpiel.png");
  scene.Draw(newGame, 590 - newGame.width() / 2, 141 - newGame.height() / 2);
  PrintText(scene, fonts[5].second, "New Game", 562, 152);
  PrintText(scene, fonts[4].second, "Pindrake", 266, 3);
  PrintText(scene, fonts[29].second, "Pindrake", 264, 1);
  canvas.Draw(scene, left, top);
}

}  // namespace

bool WriteContactSheet(const std::string& dataDir, const std::string& outputPng,
                       std::string& error) {
  std::vector<Picture> pictures;
  std::vector<std::pair<std::string, Font>> fonts;
  for (const std::string& file : GameDataFiles()) {
    const std::string path = dataDir + file;
    const std::string extension = file.substr(file.size() - 4);
    if (file.starts_with(kFontFolder) || extension == ".bmp") {
      Font font;
      if (!LoadFont(path, font)) {
        error = "cannot read " + path;
        return false;
      }
      fonts.emplace_back(file.substr(file.rfind('/') + 1), std::move(font));
    } else if (extension == ".png") {
      PixelBuffer pixels;
      if (!ReadPng(path, pixels)) {
        error = "cannot read " + path;
        return false;
      }
      pictures.push_back({file, ToImage(pixels, false)});
    }
  }
  const Font& label = fonts[5].second;  // white 7 × 14
  // Small pictures first, then the same enlarged, then the large tiles.
  std::stable_partition(pictures.begin(), pictures.end(), [](const Picture& picture) {
    return picture.image.width() <= 64 && picture.image.height() <= 64;
  });
  const std::vector<Picture> enlarged = MagnifiedSmallPictures(pictures);
  const auto firstLarge = std::find_if(pictures.begin(), pictures.end(), [](const Picture& p) {
    return p.image.width() > 64 || p.image.height() > 64;
  });
  pictures.insert(firstLarge, enlarged.begin(), enlarged.end());

  int height = LayOutPictures(nullptr, pictures, label, kMargin + 30) + kPreviewHeight + 16;
  for (const auto& entry : fonts)
    height += entry.second.cellHeight + 10;
  Image canvas(kSheetWidth, height + kMargin, kBackground);

  PrintText(canvas, fonts[9].second, "Pindrake data set", kMargin, kMargin);
  int y = LayOutPictures(&canvas, pictures, label, kMargin + 30);
  DrawBoardPreview(canvas, pictures, fonts, kMargin, y);
  y += kPreviewHeight + 16;
  const std::string sample =
      " Pindrake 0123456789 \xE4\xF6\xFC\xDF \xC4\xD6\xDC \x80 Game Over! Punkte: 1.02";
  for (const auto& [name, font] : fonts) {
    FillRect(canvas, kMargin, y, kSheetWidth - 2 * kMargin, font.cellHeight + 6, kTextBand);
    PrintText(canvas, font, name + sample, kMargin + 4, y + 3);
    y += font.cellHeight + 10;
  }
  if (!WritePng(outputPng, canvas)) {
    error = "cannot write " + outputPng;
    return false;
  }
  return true;
}

}  // namespace pindrake_assets
