#include "gfx2d/renderer/SoftwareWarning.h"

#include <cstring>
#include <string>

#include "base/ErrorLog.h"
#include "base/Shutdown.h"
#include "gfx2d/gl/GLExtensions.h"
#include "os/MessageBox.h"

namespace zentoir {
namespace {

constexpr const char* kCaption = "!!OpenGL Software Emulation!!";
constexpr const char* kText =
    "Please update your GFX adapter's driver\nso it can render OpenGL by HARDWARE\n\n\n"
    "Bitte aktualisieren Sie Ihren\nGrafkkartentreiber, damit er OpenGL\n"
    "per HARDWARE unterst\xC3\xBCtzt!";

bool warningShown = false;

// Read once per process: the name does not change while the program runs.
const std::string& CachedRendererName() {
  static const std::string name = [] {
    const char* text = CurrentGLRendererName();
    return std::string(text ? text : "");
  }();
  return name;
}

}  // namespace

bool IsSoftwareRendererName(const char* name) {
  if (!name) return false;
  if (std::strcmp(name, "Mesa Windows GDI Driver") == 0) return true;
  for (const char* marker : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"}) {
    if (std::strstr(name, marker)) return true;
  }
  return false;
}

void WarnOnceIfSoftwareRendering() {
  if (warningShown || !IsSoftwareRendererName(CachedRendererName().c_str())) return;
  warningShown = true;
  os::ShowWarningBox(kCaption, kText);
  AddShutdownStep(ShutdownStage::WarningBox, os::CloseWarningBox);
  AppendErrorLog("OpenGL Software Emulation");
}

}  // namespace zentoir
