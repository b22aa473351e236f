#include "gfx2d/BackgroundCommands.h"

#include <string>

#include "base/ErrorLog.h"
#include "files/ArchiveSlot.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/renderer/Renderer.h"

namespace zentoir {
namespace {

void ClearToNothing(OpenGLRadazuri& r) {
  r.FreeBackgroundImage(0);
  r.ClearColourBuffer();
}

}  // namespace

void LoadBackground(const DynString& path) {
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r) return;
  AppendErrorLog("Loadbmp");
  AppendErrorLog("Dedevovudo");
  std::string file;
  if (!ResolveGeneralDataFile(path, file)) {
    AppendErrorLog("failed");
    ClearToNothing(*r);
    return;
  }
  AppendErrorLog("OK?");
  if (r->LoadBackgroundImage(0, file)) {
    r->DrawBackgroundImage(0);
  } else {
    ClearToNothing(*r);
  }
}

void ClearBackground() {
  if (OpenGLRadazuri* r = ActiveRenderer()) ClearToNothing(*r);
}

}  // namespace zentoir
