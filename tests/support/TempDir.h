// A temporary folder of the test's own, removed with everything in it at the end.
#pragma once

#include <string>

namespace zentoir::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, ending in '/'.
  const std::string& Path() const { return path_; }
  // Makes the folder the process's temporary directory ($TMPDIR) until this object goes.
  void UseAsTmpDir();

 private:
  std::string path_;
  std::string previousTmpDir_;
  bool replacedTmpDir_ = false;
};

}  // namespace zentoir::test
