#include "files/ArchiveFormat.h"

namespace zentoir {

int64_t ResolveArchivePosition(int32_t position, int64_t fileSize) {
  int64_t offset = position < 0 ? fileSize + position : position;
  return (offset < 0 || offset > fileSize) ? -1 : offset;
}

}  // namespace zentoir
