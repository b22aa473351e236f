#include "base/ErrorLog.h"

#include <string>

#include "base/ErrorLogFile.h"
#include "os/Clock.h"
#include "os/ExclusiveFile.h"
#include "os/File.h"
#include "os/LogEcho.h"
#include "os/Paths.h"

namespace zentoir {

namespace {
constexpr int kAttempts = 5;
constexpr int kRetryDelayMs = 100;
}  // namespace

std::string ErrorLogPath() {
  return os::TempDirectory() + "ErrorLog.txt";
}

void AppendErrorLog(std::string_view text) {
  os::EchoErrorLogLine(text);
  const std::string path = ErrorLogPath();
  std::string line(text);
  line += "\r\n";
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    if (os::AppendExclusive(path.c_str(), line)) return;
    if (attempt < kAttempts) os::SleepMilliseconds(kRetryDelayMs);
  }
}

void RemoveErrorLog() {
  os::RemoveFile(ErrorLogPath());
}

}  // namespace zentoir
