#include "gfx2d/image/ImageFile.h"

#include <vector>

#include "gfx2d/image/BmpReader.h"
#include "gfx2d/image/PngReader.h"
#include "os/File.h"

namespace zentoir {
namespace {

bool HasBmpSignature(const std::vector<uint8_t>& file) {
  return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

}  // namespace

bool ReadImageFile(const std::string& path, int64_t colourKey, ImageBuffer& image,
                   int32_t maxSide) {
  std::vector<uint8_t> file;
  if (!os::ReadWholeFile(os::NativePath(path), file, kMaxImageFileBytes)) {
    image.Release();
    return false;
  }
  if (HasBmpSignature(file)) return DecodeBmp(file, colourKey, image, maxSide);
  return DecodePng(file, path, colourKey, image, maxSide);
}

}  // namespace zentoir
