#include "net/DownloadTarget.h"

#include <algorithm>

namespace zentoir {

void DownloadTarget::Create() {
  if (created_) return;  // a second connection (a retry) keeps the first file
  created_ = true;
  std::string path = path_;
  std::replace(path.begin(), path.end(), '\\', '/');
  if (os::MayReplaceFile(path)) file_.CreateAnew(path);
}

void DownloadTarget::Body(const char* bytes, size_t count) {
  if (file_.IsOpen() && !file_.WriteAll(bytes, count)) file_.Close();
}

}  // namespace zentoir
