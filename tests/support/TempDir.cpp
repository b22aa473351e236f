#include "support/TempDir.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

namespace zentoir::test {

TempDir::TempDir() {
  // The system's temporary directory as it was before any test pointed TMPDIR elsewhere.
  static const std::filesystem::path base = std::filesystem::temp_directory_path();
  std::string templ = (base / "zentoir-test-XXXXXX").string();
  if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  path_ = templ + "/";
}

TempDir::~TempDir() {
  if (replacedTmpDir_) {
    if (previousTmpDir_.empty()) {
      unsetenv("TMPDIR");
    } else {
      setenv("TMPDIR", previousTmpDir_.c_str(), 1);
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::UseAsTmpDir() {
  if (!replacedTmpDir_) {
    const char* previous = getenv("TMPDIR");
    previousTmpDir_ = previous ? previous : "";
    replacedTmpDir_ = true;
  }
  setenv("TMPDIR", path_.c_str(), 1);
}

}  // namespace zentoir::test
