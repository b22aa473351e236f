// A tiny program built outside the repository against the installed runtime.
#include <cstdio>

#include "zentoir.h"

using namespace zentoir;

int main() {
  NumberArray points;
  FillArray(points, 2, {40, 2});
  const DynString line = "Punkte: " + NumberToText(ElementAt(points, 0) + ElementAt(points, 1));
  std::puts(line.CStr());
  EndProgram();
}
