// A fresh temporary folder for one test, made the process's TMPDIR (and TMP, which
// Windows follows) while it lives.
#pragma once

#include <string>

namespace zentoir::testing {

class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  // The folder, with a trailing '/'.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  // TMPDIR and TMP as they were, put back at the end.
  std::string oldTmpDir_, oldTmp_;
  bool hadTmpDir_ = false, hadTmp_ = false;
  bool owned_ = true;
};

// The whole contents of a file ("" when it cannot be read).
std::string ReadFileBytes(const std::string& path);

// Writes a file; true on success.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace zentoir::testing
