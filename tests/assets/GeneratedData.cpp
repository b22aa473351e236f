#include "GeneratedData.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
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

std::string GeneratorFailure(const std::string& arguments) {
  TempFolder folder;
  const std::string messages = folder.Path() + "stderr";
  const std::string command =
      Quoted(PINDRAKE_ASSETS_GENERATOR) + " " + arguments + " 2>" + Quoted(messages);
  const int status = std::system(command.c_str());
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 1) {
    return "no reported failure (status " + std::to_string(status) + ")";
  }
  return zentoir::testing::ReadFileBytes(messages);
}

const std::string& GeneratedDataDir() {
  static std::unique_ptr<TempFolder> folder;
  static std::string dataDir;
  if (!folder) {
    folder = std::make_unique<TempFolder>();
    dataDir = folder->Path() + "Daten/";
    const int status =
        RunGenerator("data " + Quoted(dataDir) + " " + Quoted(folder->Path() + "files.txt"));
    EXPECT_EQ(status, 0) << "the generator failed";
  }
  return dataDir;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  const std::string bytes = zentoir::testing::ReadFileBytes(path);
  return {bytes.begin(), bytes.end()};
}

}  // namespace assets_test
