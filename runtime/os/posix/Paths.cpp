#include "os/Paths.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace zentoir::os {

std::string TempDirectory() {
  const char* env = std::getenv("TMPDIR");
  std::string dir = (env && *env) ? env : "/tmp/";
  if (dir.back() != '/') dir += '/';
  return dir;
}

std::vector<std::string> SpareTempDirectories() {
  return {"/tmp/", "/var/tmp/", "/dev/shm/"};
}

std::string CurrentDirectory() {
  std::vector<char> buffer(256);
  while (!getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) return "";
    buffer.resize(buffer.size() * 2);
  }
  std::string dir = buffer.data();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

bool ChangeDirectory(const std::string& path) {
  return chdir(path.c_str()) == 0;
}

bool IsAbsolutePath(const std::string& path) {
  return !path.empty() && path.front() == '/';
}

std::string FolderOf(const std::string& path) {
  const size_t cut = path.find_last_of('/');
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace zentoir::os
