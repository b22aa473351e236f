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
  // Makes the folder the process's temporary directory ($TMPDIR).
  void UseAsTmpDir() const;

 private:
  std::string path_;
};

}  // namespace zentoir::test
