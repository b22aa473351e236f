// A program on the runtime that does nothing but present frames: a window with the
// title given as the first argument ("Zentoir Demo" without one), until Esc, Alt+F4
// or the window's close button ends it.
#include "zentoir.h"

int main(int argc, char** argv) {
  using namespace zentoir;
  const DynString title = argc > 1 ? argv[1] : "Zentoir Demo";
  InitRuntime("", 1, title);
  for (;;)
    PresentFrame();
}
