#include "support/TempDir.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

namespace zentoir::test {

TempDir::TempDir() {
  std::string templ = (std::filesystem::temp_directory_path() / "zentoir-test-XXXXXX").string();
  if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  path_ = templ + "/";
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::UseAsTmpDir() const {
  setenv("TMPDIR", path_.c_str(), 1);
}

}  // namespace zentoir::test
