// An RGBA picture with float channels in 0..1 (straight, not premultiplied alpha), the
// canvas every generated image is painted on before it is written out.
#pragma once

#include <functional>
#include <vector>

namespace pindrake_assets {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

Rgba MakeRgb(int red, int green, int blue, float alpha = 1.0f);
Rgba Mix(const Rgba& from, const Rgba& to, float amount);
Rgba Scaled(const Rgba& colour, float factor);  // scales red, green, blue; keeps alpha

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgba fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  Rgba& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Rgba& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  // Composites the colour over the pixel ("over" operator); ignores points outside.
  void BlendOver(int x, int y, const Rgba& colour);
  // Composites a whole image with its top-left corner at (left, top).
  void Draw(const Image& source, int left, int top);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

// A colour at a point of the canvas (pixel centres lie at x + 0.5, y + 0.5).
using Shader = std::function<Rgba(double x, double y)>;

// Evaluates the shader on a grid of samples × samples points inside every pixel of the
// rectangle, averages them (weighted by alpha) and composites the result over the image.
// This gives smooth, anti-aliased edges to shapes that the shader draws hard.
void Paint(Image& image, const Shader& shader, int samples = 4);
void Paint(Image& image, int left, int top, int width, int height, const Shader& shader,
           int samples = 4);

}  // namespace pindrake_assets
