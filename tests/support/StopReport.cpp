#include "support/StopReport.h"

#include <string>

#include "support/TempDir.h"

namespace zentoir::testing {

int ReportedErrorCode() {
  const std::string log = ReadFileBytes(ErrorLogPath());
  const std::string marker = "-End On Line\r\n";
  const size_t at = log.rfind(marker);
  if (at == std::string::npos) return -1;
  return std::atoi(log.c_str() + at + marker.size());
}

}  // namespace zentoir::testing
