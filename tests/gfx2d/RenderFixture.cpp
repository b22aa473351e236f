#include "RenderFixture.h"

#include <cstdlib>

#include "zentoir.h"

#include "base/RuntimeContext.h"
#include "gfx2d/renderer/Renderer.h"
#include "os/Environment.h"

namespace zentoir::testing {

void RenderTest::SetUpTestSuite() {
  if (Renderer()) return;
  os::SetEnvironmentValue("ZENTOIR_NO_MESSAGE_BOX", "1", true);
  InitRuntime("", 1, "Render Test");
}

void RenderTest::SetUp() {
  ASSERT_NE(Renderer(), nullptr);
  SetAlphaMode(0);
  SetViewport(0, 0, 0, 0);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
}

std::string RenderTest::WriteImage(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = dir_.Path() + name;
  WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
  return path;
}

std::string RenderTest::SolidBmp(const std::string& name, int w, int h, Rgb colour) {
  return WriteImage(name, MakeBmp(w, h, 24, std::vector<Rgb>(size_t(w * h), colour)));
}

Pixel RenderTest::At(int x, int y) const {
  Renderer()->FlushDrawing();  // the pixels are read directly
  unsigned char rgba[4] = {};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, Renderer()->ScreenHeight() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2]};
}

std::vector<Pixel> RenderTest::Row(int y, int fromX, int toX) const {
  std::vector<Pixel> row;
  for (int x = fromX; x <= toX; ++x)
    row.push_back(At(x, y));
  return row;
}

}  // namespace zentoir::testing
