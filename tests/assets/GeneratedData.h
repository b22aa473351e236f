// Runs the data generator once into a temporary folder shared by the data-set tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets_test {

// Runs the generator with the given arguments (each quoted); returns its exit status.
int RunGenerator(const std::string& arguments);

// A fresh folder below $TMPDIR (or /tmp), removed with everything in it on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }  // ends with '/'

 private:
  std::string path_;
};

// The data folder the generator wrote (ends with '/'), made on first use.
const std::string& GeneratedDataDir();

std::vector<uint8_t> ReadWholeFile(const std::string& path);

std::string Quoted(const std::string& text);

}  // namespace assets_test
