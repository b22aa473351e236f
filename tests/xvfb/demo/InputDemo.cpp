// A program on the runtime for real input events: with the cursor hidden it waits until
// the mouse moves and prints the runtime position before and after, then edits a line
// with InputText and prints what was typed. The first argument is the window title.
#include <cstdio>

#include "zentoir.h"

namespace {

void Say(const char* format, double a = 0, double b = 0) {
  std::printf(format, a, b);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zentoir;
  InitRuntime("", 1, argc > 1 ? argv[1] : "Input Demo");
  SetFrameRateLimit(100);
  ShowSystemCursor(0);
  double x0, y0, x, y, left, right;
  PresentFrame();
  GetMouseState(x0, y0, left, right);
  Say("start %.0f %.0f\n", x0, y0);
  do {
    PresentFrame();
    GetMouseState(x, y, left, right);
  } while (x == x0 && y == y0);
  Say("moved %.0f %.0f\n", x - x0, y - y0);
  DynString text;
  Say("editing\n");
  InputText(text, 10, 10);
  std::printf("typed [%s]\n", text.CStr());
  std::fflush(stdout);
  StopProgram();
}
