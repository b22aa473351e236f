#include "os/LinkTarget.h"

#include "os/windows/FileKinds.h"

namespace zentoir::os {

// A link (a reparse point that names another path) is not followed to its target: it
// gives "", so nothing is ever written through it.
std::string OwnLinkTarget(const std::string& path) {
  const win32::NameKind kind = win32::KindOfName(path);
  const bool link = kind == win32::NameKind::kFileLink || kind == win32::NameKind::kOtherLink;
  return link ? std::string() : path;
}

}  // namespace zentoir::os
