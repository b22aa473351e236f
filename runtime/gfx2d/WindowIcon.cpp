// SetWindowIcon: an image file as the window's icon.
#include <string>

#include "files/ArchiveSlot.h"
#include "gfx2d/DisplayCommands.h"
#include "gfx2d/image/ImageFile.h"
#include "gfx2d/renderer/Renderer.h"
#include "os/Window.h"

namespace zentoir {
namespace {

// Desktops show icons of at most a few hundred pixels; larger pictures are refused
// before they are decoded.
constexpr int32_t kMaxIconSide = 1024;

}  // namespace

double SetWindowIcon(const DynString& path) {
  const OpenGLRadazuri* renderer = Renderer();
  if (!renderer || !renderer->Window()) return 0;
  std::string file;
  if (!ResolveGeneralDataFile(path, file)) return 0;
  ImageBuffer image;
  if (!ReadImageFile(file, kNoColourKey, image, kMaxIconSide)) return 0;
  return os::SetWindowIcon(renderer->Window(), image.pixels.data(), image.width, image.height) ? 1
                                                                                               : 0;
}

}  // namespace zentoir
