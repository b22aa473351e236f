// The local file of a download: deleted and created anew once the server is connected,
// then written with the response body. When it cannot be created (or the name belongs
// to something that is not a regular file) or a write fails, the rest of the body is
// discarded and the download does not count as stored.
#pragma once

#include <cstddef>
#include <string>

#include "os/File.h"

namespace zentoir {

class DownloadTarget {
 public:
  explicit DownloadTarget(std::string path) : path_(std::move(path)) {}

  void Create();
  void Body(const char* bytes, size_t count);
  // True when the file was created and every body byte went into it.
  bool Stored() const { return file_.IsOpen(); }

 private:
  std::string path_;
  os::File file_;
  bool created_ = false;
};

}  // namespace zentoir
