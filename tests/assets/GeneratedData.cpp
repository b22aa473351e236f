#include "GeneratedData.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace assets_test {

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

int RunGenerator(const std::string& arguments) {
  const std::string command = Quoted(PINDRAKE_ASSETS_GENERATOR) + " " + arguments + " 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TempFolder::TempFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/pindrake_assets_XXXXXX";
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

const std::string& GeneratedDataDir() {
  static std::unique_ptr<TempFolder> folder;
  static std::string dataDir;
  if (!folder) {
    folder = std::make_unique<TempFolder>();
    dataDir = folder->path() + "Daten/";
    const int status =
        RunGenerator("data " + Quoted(dataDir) + " " + Quoted(folder->path() + "files.txt"));
    EXPECT_EQ(status, 0) << "the generator failed";
  }
  return dataDir;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace assets_test
