#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "os/Environment.h"

namespace zentoir::testing {

namespace {
// A death-test child runs the test again from its start; it must keep using the
// parent's folder so that the parent can read what the child wrote.
bool InDeathTestChild() {
  return !GTEST_FLAG_GET(internal_run_death_test).empty();
}
// The runtime's temporary folder follows TMPDIR on POSIX systems and TMP on Windows.
void UseTempFolder(const char* path) {
  os::SetEnvironmentValue("TMPDIR", path);
  os::SetEnvironmentValue("TMP", path);
}

// The variable's value into `value`; false when it is not set.
bool Saved(const char* name, std::string& value) {
  const char* current = std::getenv(name);
  if (current) value = current;
  return current != nullptr;
}

// A new folder of a random name in the system's temporary folder; "" when none was made.
std::string MakeFreshFolder() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path base = fs::temp_directory_path(error);
  std::random_device random;
  for (int attempt = 0; attempt < 100 && !error; ++attempt) {
    const std::string name = "zentoir-test-" + std::to_string(random() % 1000000000u);
    if (fs::create_directory(base / name, error)) return (base / name).generic_string();
  }
  return "";
}
}  // namespace

ScopedTempDir::ScopedTempDir() {
  if (InDeathTestChild() && std::getenv("TMPDIR")) {
    path_ = std::getenv("TMPDIR");
    owned_ = false;
    return;
  }
  hadTmpDir_ = Saved("TMPDIR", oldTmpDir_);
  hadTmp_ = Saved("TMP", oldTmp_);
  const std::string folder = MakeFreshFolder();
  if (!folder.empty()) path_ = folder + "/";
  UseTempFolder(path_.c_str());
}

ScopedTempDir::~ScopedTempDir() {
  if (!owned_) return;
  os::SetEnvironmentValue("TMPDIR", hadTmpDir_ ? oldTmpDir_.c_str() : nullptr);
  os::SetEnvironmentValue("TMP", hadTmp_ ? oldTmp_.c_str() : nullptr);
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
