#include "modal/InputText.h"

#include "core/FrameLoop.h"
#include "gfx2d/Fonts.h"
#include "gfx2d/renderer/RendererFace.h"
#include "input/InputState.h"
#include "input/TypedText.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

constexpr int32_t kSavedScreenSlot = 3;
constexpr int kBlinkFrames = 20;

// The "_" after the text shows and hides every 21 frames without typing.
struct BlinkingCursor {
  int counter = 0;
  bool shown = true;
  void Tick() {
    if (++counter > kBlinkFrames) {
      counter = 0;
      shown = !shown;
    }
  }
};

void Edit(DynString& text, int c) {
  if (c == 8) {
    if (!text.IsEmpty()) text.TruncateAt(text.length - 1);
    return;
  }
  const char byte = static_cast<char>(c);
  text.AppendBytes(&byte, 1);
}

}  // namespace

void InputText(DynString& text, double x, double y) {
  if (!ActiveInput() || !CaptureBackgroundSlot(kSavedScreenSlot)) return;
  const double left = TruncateToInt32(x);
  const double top = TruncateToInt32(y);
  PrintText(text, left, top);
  BlinkingCursor cursor;
  for (;;) {
    PresentFrame();
    const int c = static_cast<int>(GetTypedChar());
    if (c == 10) break;
    if (c == 0) {
      cursor.Tick();
    } else {
      Edit(text, c);
    }
    DrawBackgroundSlot(kSavedScreenSlot);
    DynString shown = text;
    if (cursor.shown) shown += "_";
    PrintText(shown, left, top);
  }
  FreeBackgroundSlot(kSavedScreenSlot);
}

}  // namespace zentoir
