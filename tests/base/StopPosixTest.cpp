// The error log on POSIX systems: another program's lock drops the line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "base/ErrorLog.h"
#include "base/ErrorLogFile.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using Lines = std::vector<std::string>;

TEST(ErrorLogPosix, DropsTheLineWhileAnotherProgramHoldsTheFile) {
  testing::ScopedTempDir tmp;
  AppendErrorLog("kept");
  const int holder = open(ErrorLogPath().c_str(), O_RDWR);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_EX), 0);
  AppendErrorLog("dropped");  // five attempts, then given up
  close(holder);
  AppendErrorLog("after");
  EXPECT_EQ(testing::ErrorLogLines(), (Lines{"kept", "after"}));
}

}  // namespace
}  // namespace zentoir
