#include "os/SystemFacts.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>

namespace zentoir::os {
namespace {

std::string Trimmed(std::string text) {
  const auto isSpace = [](unsigned char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r';
  };
  while (!text.empty() && isSpace(text.back()))
    text.pop_back();
  size_t start = 0;
  while (start < text.size() && isSpace(text[start]))
    ++start;
  return text.substr(start);
}

std::string TrimmedFile(const std::string& path) {
  std::string text;
  return ReadSmallFile(path, text) ? Trimmed(text) : std::string();
}

}  // namespace

bool ReadSmallFile(const std::string& path, std::string& text, size_t limit) {
  text.clear();
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char chunk[1024];
  while (ok) {
    const ssize_t got = read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0 || text.size() + static_cast<size_t>(got) > limit) {
      ok = got == 0;
      break;
    }
    text.append(chunk, static_cast<size_t>(got));
  }
  close(fd);
  if (!ok) text.clear();
  return ok;
}

const char* PlatformName() {
  return "LINUX";
}

bool DebuggerAttached() {
  std::string status;
  if (!ReadSmallFile("/proc/self/status", status, 1 << 16)) return false;
  const size_t at = status.find("\nTracerPid:");
  return at != std::string::npos && std::atoi(status.c_str() + at + 11) != 0;
}

bool EnvironmentFlag(const char* name) {
  const char* value = std::getenv(name);
  return value && std::strcmp(value, "1") == 0;
}

std::vector<int> BatteryPercents() {
  const std::string root = "/sys/class/power_supply/";
  std::vector<std::string> names;
  if (DIR* folder = opendir(root.c_str())) {
    while (const dirent* entry = readdir(folder))
      if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  std::vector<int> percents;
  for (const std::string& name : names) {
    if (TrimmedFile(root + name + "/type") != "Battery") continue;
    const std::string capacity = TrimmedFile(root + name + "/capacity");
    if (capacity.empty()) continue;
    percents.push_back(std::clamp(std::atoi(capacity.c_str()), 0, 100));
  }
  return percents;
}

LocalTime CurrentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::string SystemMachineId() {
  for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
    std::string id = TrimmedFile(path);
    if (!id.empty()) return id;
  }
  return "";
}

std::string UserDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data == '/') return std::string(data) + "/zentoir/";
  const char* home = std::getenv("HOME");
  if (home && *home == '/') return std::string(home) + "/.local/share/zentoir/";
  return "";
}

bool MakeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1))
    mkdir(path.substr(0, slash).c_str(), 0700);
  mkdir(path.c_str(), 0700);
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteNewFile(const std::string& path, const std::string& text) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  const bool closed = close(fd) == 0;
  if (!written || !closed) unlink(path.c_str());
  return written && closed;
}

std::string RandomHex(int bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  try {
    std::random_device source;
    for (int i = 0; i < bytes; ++i) {
      const unsigned byte = source() & 0xFF;
      hex += kDigits[byte >> 4];
      hex += kDigits[byte & 15];
    }
  } catch (...) {  // no source of randomness
    hex.clear();
  }
  return hex;
}

}  // namespace zentoir::os
