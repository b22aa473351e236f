#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zentoir::testing {

namespace {
// A death-test child runs the test again from its start; it must keep using the
// parent's folder so that the parent can read what the child wrote.
bool InDeathTestChild() {
  return !GTEST_FLAG_GET(internal_run_death_test).empty();
}
}  // namespace

ScopedTempDir::ScopedTempDir() {
  if (InDeathTestChild() && std::getenv("TMPDIR")) {
    path_ = std::getenv("TMPDIR");
    owned_ = false;
    return;
  }
  if (const char* old = std::getenv("TMPDIR")) {
    hadTmpDir_ = true;
    oldTmpDir_ = old;
  }
  std::string pattern = std::filesystem::temp_directory_path().string() + "/zentoir-test-XXXXXX";
  if (mkdtemp(pattern.data())) path_ = pattern + "/";
  setenv("TMPDIR", path_.c_str(), 1);
}

ScopedTempDir::~ScopedTempDir() {
  if (!owned_) return;
  if (hadTmpDir_) {
    setenv("TMPDIR", oldTmpDir_.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace zentoir::testing
