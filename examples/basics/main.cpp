// A first game on Zentoir: a sprite made at start-up, moved with the arrow keys and the
// mouse, a sound on every click, and text. Esc ends it; `--frames N` ends it after N frames.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "zentoir.h"

using namespace zentoir;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBall = 1;   // sprite number
constexpr double kClick = 1;  // sound slot
constexpr double kLeft = 203, kRight = 205, kUp = 200, kDown = 208;  // key codes

// Writes a short 16-bit mono beep as a WAV file, so the example needs no data files.
void WriteBeep(const std::string& path) {
  const int rate = 22050, samples = rate / 10;
  auto le = [](std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
  };
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4), le(out, 36 + 2 * samples, 4), out.write("WAVEfmt ", 8);
  le(out, 16, 4), le(out, 1, 2), le(out, 1, 2), le(out, rate, 4), le(out, 2 * rate, 4);
  le(out, 2, 2), le(out, 16, 2), out.write("data", 4), le(out, 2 * samples, 4);
  for (int i = 0; i < samples; ++i) {
    const double fade = 1.0 - double(i) / samples;
    le(out, uint16_t(int16_t(8000 * fade * std::sin(2 * kPi * 880 * i / rate))), 2);
  }
}

// Paints a ball with the primitives and copies it into a sprite.
void MakeBallSprite() {
  FillRect(0, 0, 32, 32, 0x800080);  // the transparent colour: red 128, blue 128
  SetTransparentColour(0x800080);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if ((x - 15.5) * (x - 15.5) + (y - 15.5) * (y - 15.5) < 15 * 15)
        SetPixel(x, y, 0x2020E0 + 0x000100 * (x * 6));
  CaptureSprite(kBall, 0, 0, 32, 32);
}

}  // namespace

int main(int argc, char** argv) {
  long frames = -1;
  if (argc == 3 && std::strcmp(argv[1], "--frames") == 0) frames = std::atol(argv[2]);
  StartupSettings& settings = Settings();
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  InitRuntime("", 1, "Zentoir basics");

  const char* tmp = std::getenv("TMPDIR");
  const std::string beep = std::string(tmp && *tmp ? tmp : "/tmp") + "/zentoir-beep.wav";
  WriteBeep(beep);
  LoadSound(beep.c_str(), kClick, 2);
  MakeBallSprite();

  double x = 304, y = 224, clicks = 0, wasDown = 0;
  for (long frame = 0; frames < 0 || frame < frames; ++frame) {
    const double step = GetFrameTime() * 0.25;  // pixels per millisecond
    x += (KeyState(kRight) - KeyState(kLeft)) * step;
    y += (KeyState(kDown) - KeyState(kUp)) * step;
    double mouseX, mouseY, left, right;
    GetMouseState(mouseX, mouseY, left, right);
    if (left && !wasDown) {  // a new click moves the ball there and beeps
      x = mouseX - 16, y = mouseY - 16, ++clicks;
      PlaySound(kClick, 0, 1);
    }
    wasDown = left;

    FillRect(0, 0, 640, 480, 0x402010);
    DrawSprite(kBall, x, y);
    SelectFont(0);
    PrintText("Arrow keys or a click move the ball. Esc ends.", 10, 10);
    PrintText("Clicks: " + NumberToText(clicks), 10, 30);
    PresentFrame();
  }
  RemoveFile(beep.c_str());
  EndProgram();
}
