// The error log on Windows: another program's open of the file drops the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ErrorLog.h"
#include "base/ErrorLogFile.h"
#include "os/File.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

TEST(ErrorLogWindows, DropsTheLineWhileAnotherProgramHoldsTheFile) {
  testing::ScopedTempDir tmp;
  AppendErrorLog("kept");
  {
    os::File holder;  // opened without sharing, as another program would
    ASSERT_TRUE(holder.OpenRead(ErrorLogPath()));
    AppendErrorLog("dropped");  // five attempts, then given up
  }
  AppendErrorLog("after");
  EXPECT_EQ(testing::ErrorLogLines(), (std::vector<std::string>{"kept", "after"}));
}

}  // namespace
}  // namespace zentoir
