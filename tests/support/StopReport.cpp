#include "support/StopReport.h"

#include <cstdlib>

#include "base/ErrorLogFile.h"
#include "base/RuntimeContext.h"
#include "support/TempDir.h"

namespace zentoir::testing {

void EnableStopReport() {
  Runtime().debugMode = 1;
}

std::vector<std::string> ErrorLogLines() {
  const std::string text = ReadFileBytes(ErrorLogPath());
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

int ReportedErrorCode() {
  const std::vector<std::string> lines = ErrorLogLines();
  int code = -1;  // the log is only appended to: the last report is the newest stop's
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] == "-End On Line") code = std::atoi(lines[i + 1].c_str());
  }
  return code;
}

}  // namespace zentoir::testing
