#include "support/TempDir.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zentoir::testing {

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/zentoir-test-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  hadTmpDir_ = base != nullptr;
  if (base) previousTmpDir_ = base;
  setenv("TMPDIR", path_.c_str(), 1);
}

TempDir::~TempDir() {
  if (hadTmpDir_) {
    setenv("TMPDIR", previousTmpDir_.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zentoir::testing
