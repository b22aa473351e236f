#include "Widgets.h"

#include <algorithm>

namespace pindrake {

using namespace zentoir;

void UpdateMouse(double minX, double minY, double maxX, double maxY) {
  GetMouseState(mouseX, mouseY, mouseLeft, mouseRight);
  mouseX = std::min(std::max(mouseX, minX), maxX);
  mouseY = std::min(std::max(mouseY, minY), maxY);
  mouseButton = 0;
  if (mouseLeft != 0) mouseButton = 1;
  if (mouseRight != 0) mouseButton = 2;
  if (MouseAxis(5) != 0) mouseButton = 3;
  SetMousePosition(mouseX, mouseY);
}

void DrawBevelBox(double x, double y, double w, double h, double colour, double pressed) {
  const double x0 = x - w / 2, y0 = y - h / 2;
  FillRect(x0, y0, w, h, colour);
  const double lit = pressed == 1 ? BEVEL_DARK : BEVEL_LIGHT;
  const double shaded = pressed == 1 ? BEVEL_LIGHT : BEVEL_DARK;
  DrawLine(x0, y0, x0 + w - 1, y0, lit);
  DrawLine(x0 + w, y0, x0 + w, y0 + h, shaded);
  DrawLine(x0, y0 + h, x0 + w - 1, y0 + h, shaded);
  DrawLine(x0, y0, x0, y0 + h, lit);
}

void DrawBevelFrame(double x, double y, double w, double h, double sunken) {
  const double lit = sunken == 1 ? BEVEL_DARK : BEVEL_LIGHT;
  const double shaded = sunken == 1 ? BEVEL_LIGHT : BEVEL_DARK;
  DrawLine(x, y, x + w, y, lit);
  DrawLine(x + w, y, x + w, y + h, shaded);
  DrawLine(x, y + h, x + w, y + h, shaded);
  DrawLine(x, y, x, y + h, lit);
}

void DrawSpriteCentred(double sprite, double x, double y) {
  double w = 0, h = 0;
  GetSpriteSize(sprite, w, h);
  DrawSprite(sprite, x - w / 2, y - h / 2);
}

void TileSprite(double sprite) {
  double w = 0, h = 0;
  GetSpriteSize(sprite, w, h);
  if (w <= 0 || h <= 0) return;
  for (double i = 0; i <= SCREEN_WIDTH / w; ++i) {
    for (double j = 0; j <= SCREEN_HEIGHT / h; ++j)
      DrawSprite(sprite, i * w, j * h);
  }
}

void PrintCentred(const DynString& text, double x, double y) {
  double cw = 0, ch = 0;
  GetFontSize(cw, ch);
  PrintText(text, x - TextLength(text) * cw / 2, y - ch / 2);
}

void PrintShadowed(const DynString& text, double x, double y, double f1, double f2, double d) {
  SelectFont(f1);
  double cw = 0, ch = 0;
  GetFontSize(cw, ch);
  const double hw = TextLength(text) * cw / 2, hh = ch / 2;
  PrintText(text, x - hw, y - hh);
  SelectFont(f2);
  PrintText(text, x + d - hw, y + d - hh);
}

namespace {

void Disarm() {
  buttonArmed = 0;
  armedX = -1;
  armedY = -1;
}

// What TextButton and ImageButton share: the hover highlight, the pressed look drawn by
// `drawPressed`, arming and the click on release.
template <typename DrawLook>
double RunButton(double x, double y, double w, double h, double colour, double hoverAlpha,
                 DrawLook&& drawLook) {
  drawLook(0);
  const bool inside =
      mouseX >= x - w / 2 && mouseX <= x + w / 2 && mouseY >= y - h / 2 && mouseY <= y + h / 2;
  if (inside) {
    if (mouseLeft == 0 && buttonArmed == 0) {
      SetAlphaMode(hoverAlpha);
      DrawBevelBox(x, y, w, h, colour, 0);
      SetAlphaMode(-0.999);
    } else {
      SetAlphaMode(-0.999);
      drawLook(1);
      buttonArmed = 1;
      armedX = mouseX;
      armedY = mouseY;
      if (mouseLeft == 0) {
        Disarm();
        PlaySound(SOUND_BUTTON, 0, SOUND_VOLUME);
        return 1;
      }
    }
  }
  if (mouseLeft == 0 && buttonArmed == 1 && (armedX != mouseX || armedY != mouseY)) Disarm();
  return 0;
}

}  // namespace

double TextButton(const DynString& text, double x, double y, double w, double h, double colour,
                  double font) {
  SelectFont(font);
  return RunButton(x, y, w, h, colour, 0.15, [&](double pressed) {
    DrawBevelBox(x, y, w, h, colour, pressed);
    PrintCentred(text, x, y);
  });
}

double ImageButton(const DynString& text, double x, double y, double w, double h, double colour,
                   double sprite, double offset) {
  return RunButton(x, y, w, h, colour, 0.2, [&](double pressed) {
    DrawBevelBox(x, y, w, h, colour, pressed);
    PrintCentred(text, x, y + offset);
    DrawSpriteCentred(sprite, x, y - offset);
  });
}

namespace {

void DrawDialogText(GenericArray<DynString>& lines, double count, double font, double cx,
                    double cy) {
  const double shadow = IntMod(font, 5);
  SelectFont(font);
  double cw = 0, ch = 0;
  GetFontSize(cw, ch);
  const double top = cy - count * ch / 2 - 9;
  for (double i = 0; i < count; ++i) {
    const DynString& line = ElementAt(lines, i);
    const double ly = top + i * ch;
    SelectFont(shadow);
    double sw = 0, sh = 0;
    GetFontSize(sw, sh);
    PrintText(line, cx - TextLength(line) * sw / 2, ly - sh / 2);
    SelectFont(font);
    PrintText(line, cx - TextLength(line) * sw / 2 - 1, ly - sh / 2 - 1);
  }
}

}  // namespace

double MessageDialog(const DynString& text, double kind, double font) {
  GenericArray<DynString> lines;
  const double count = SplitText(text, lines, "|");
  const double cx = 320, cy = 240;
  // A dialog opened while the left button is down waits for its release, drawing nothing.
  double left = 1;
  for (;;) {
    GetMouseState(mouseX, mouseY, left, mouseRight);
    if (left == 0) break;
    PumpMessages();
    SleepMs(1);
  }
  PlaySound(SOUND_DIALOG, 0, SOUND_VOLUME);
  double result = -1;
  bool first = true;
  while (result == -1) {
    UpdateMouse(cx - 200, cy - 110, cx + 200, cy + 110);
    SetAlphaMode(0.75);
    DrawSprite(SCREEN_COPY_SPRITE, 0, 0);
    SetAlphaMode(-0.999);
    DrawBevelBox(cx, cy, 400, 220, COLOUR_RED, 0);
    DrawBevelBox(cx, cy - 20, 380, 160, COLOUR_RED, 1);
    DrawDialogText(lines, count, font, cx, cy);
    if (kind == 2) {
      if (TextButton("Ja", cx - 50, cy + 86, 60, 36, COLOUR_RED, 8) != 0) result = 1;
      if (TextButton("Nein", cx + 50, cy + 86, 60, 36, COLOUR_RED, 8) != 0) result = 0;
    } else if (TextButton("OK", cx, cy + 86, 60, 36, COLOUR_RED, 8) != 0) {
      result = 1;  // any kind but 2 closes with OK, so no dialog can trap the player
    }
    if (first) {
      first = false;
      mouseX = cx;
      mouseY = cy + 100;
      SetMousePosition(mouseX, mouseY);
    }
    DrawSprite(POINTER_SPRITE, mouseX, mouseY);
    if (result == -1) PresentFrame();
  }
  mouseLeft = 0;
  mouseRight = 0;
  mouseButton = 0;
  return result;
}

DynString RepeatText(const DynString& text, double n) {
  DynString result;
  for (double i = 1; i <= n; ++i)
    result += text;
  return result;
}

DynString TrimText(const DynString& text, double mode) {
  const std::string_view view = text.View();
  const size_t first = view.find_first_not_of(' ');
  if (first == std::string_view::npos) return text;  // spaces only stay as they are
  const size_t last = view.find_last_not_of(' ');
  const size_t from = (mode == 0 || mode == 1) ? first : 0;
  const size_t to = (mode == 0 || mode == 2) ? last + 1 : view.size();
  return DynString(view.substr(from, to - from));
}

}  // namespace pindrake
