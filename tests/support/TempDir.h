// A fresh temporary folder for one test, removed with everything in it at the end.
// It also becomes $TMPDIR while it lives, so the runtime's temporary files land in it.
#pragma once

#include <filesystem>
#include <string>

namespace zentoir::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The path of a file inside the folder.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
  std::string previousTmpDir_;
  bool hadTmpDir_ = false;
};

// Whole-file helpers for test data.
void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

}  // namespace zentoir::testing
