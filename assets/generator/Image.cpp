#include "Image.h"

#include <algorithm>

namespace pindrake_assets {

Rgba MakeRgb(int red, int green, int blue, float alpha) {
  return {red / 255.0f, green / 255.0f, blue / 255.0f, alpha};
}

Rgba Mix(const Rgba& from, const Rgba& to, float amount) {
  auto lerp = [amount](float a, float b) { return a + (b - a) * amount; };
  return {lerp(from.r, to.r), lerp(from.g, to.g), lerp(from.b, to.b), lerp(from.a, to.a)};
}

Rgba Scaled(const Rgba& colour, float factor) {
  return {colour.r * factor, colour.g * factor, colour.b * factor, colour.a};
}

Image::Image(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Image::BlendOver(int x, int y, const Rgba& colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || colour.a <= 0) return;
  Rgba& target = at(x, y);
  const float source = std::min(colour.a, 1.0f);
  const float below = target.a * (1 - source);
  const float alpha = source + below;
  target.r = (colour.r * source + target.r * below) / alpha;
  target.g = (colour.g * source + target.g * below) / alpha;
  target.b = (colour.b * source + target.b * below) / alpha;
  target.a = alpha;
}

void Image::Draw(const Image& source, int left, int top) {
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x)
      BlendOver(left + x, top + y, source.at(x, y));
  }
}

void Paint(Image& image, const Shader& shader, int samples) {
  Paint(image, 0, 0, image.width(), image.height(), shader, samples);
}

void Paint(Image& image, int left, int top, int width, int height, const Shader& shader,
           int samples) {
  const double step = 1.0 / samples;
  const double weight = 1.0 / (samples * samples);
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      Rgba sum;  // premultiplied
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const Rgba c = shader(x + (sx + 0.5) * step, y + (sy + 0.5) * step);
          const float a = std::clamp(c.a, 0.0f, 1.0f);
          sum.r += c.r * a;
          sum.g += c.g * a;
          sum.b += c.b * a;
          sum.a += a;
        }
      }
      if (sum.a <= 0) continue;
      image.BlendOver(
          x, y, {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, static_cast<float>(sum.a * weight)});
    }
  }
}

}  // namespace pindrake_assets
