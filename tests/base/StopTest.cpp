#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/ErrorLog.h"
#include "base/ErrorLogFile.h"
#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "base/Stop.h"
#include "support/Platform.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using Lines = std::vector<std::string>;

TEST(ErrorLog, AppendsLinesWithCrLf) {
  testing::ScopedTempDir tmp;
  AppendErrorLog("first");
  AppendErrorLog("");
  AppendErrorLog("No DX_Input");
  EXPECT_EQ(testing::ReadFileBytes(tmp.Path() + "ErrorLog.txt"), "first\r\n\r\nNo DX_Input\r\n");
  RemoveErrorLog();
  EXPECT_EQ(access((tmp.Path() + "ErrorLog.txt").c_str(), F_OK), -1);
}

TEST(StopDeathTest, NormalEndInDebugModeReportsZeros) {
  testing::ScopedTempDir tmp;
  EXPECT_EXIT(
      {
        Runtime().debugMode = 1;
        EndProgram();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(testing::ErrorLogLines(), (Lines{"-End On Line", "0", "-1", "0", "0"}));
}

TEST(StopDeathTest, ErrorReportsTheLineCurrentWhenItWasSet) {
  testing::ScopedTempDir tmp;
  EXPECT_EXIT(
      {
        Runtime().debugMode = 1;
        SetLineInfo(3, 41);
        SetErrorCode(7);
        SetLineInfo(4, 99);
        StopProgram();
      },
      ::testing::ExitedWithCode(7), "");
  EXPECT_EQ(testing::ErrorLogLines(), (Lines{"-End On Line", "7", "40", "99", "4"}));
}

TEST(StopDeathTest, WithoutDebugModeTheLogIsUntouched) {
  testing::ScopedTempDir tmp;
  EXPECT_EXIT(
      {
        SetErrorCode(9);
        StopProgram();
      },
      ::testing::ExitedWithCode(9), "");
  EXPECT_EQ(access(ErrorLogPath().c_str(), F_OK), -1);
}

TEST(StopDeathTest, AnErrorNumberBeyondAnExitStatusStillEndsAsAFailure) {
  testing::ScopedTempDir tmp;
  EXPECT_EXIT(
      {
        SetErrorCode(256);
        StopProgram();
      },
      ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(
      {
        SetErrorCode(-3);
        StopProgram();
      },
      ::testing::ExitedWithCode(1), "");
}

// Each step appends its name to the log, so the parent sees the order.
void LogMusic() {
  AppendErrorLog("music");
}
void LogRenderer() {
  AppendErrorLog("renderer");
}
void LogWindow() {
  AppendErrorLog("window");
}
void LogIni() {
  AppendErrorLog("ini");
}
void LogLibraries() {
  AppendErrorLog("libraries");
}
void StopAgain() {
  AppendErrorLog("stop inside shutdown");
  StopProgram();
}

TEST(StopDeathTest, ShutdownStepsRunInStageOrderThenExitSteps) {
  testing::ScopedTempDir tmp;
  EXPECT_EXIT(
      {
        AddExitStep(ExitStage::Libraries, LogLibraries);
        AddExitStep(ExitStage::IniStore, LogIni);
        AddShutdownStep(ShutdownStage::Window, LogWindow);
        AddShutdownStep(ShutdownStage::Renderer, LogRenderer);
        AddShutdownStep(ShutdownStage::Music, LogMusic);
        AddShutdownStep(ShutdownStage::Music, LogMusic);  // registered once only
        StopProgram();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(testing::ErrorLogLines(), (Lines{"music", "renderer", "window", "ini", "libraries"}));
}

TEST(StopDeathTest, AStopDuringShutdownEndsWithoutRepeatingIt) {
  testing::ScopedTempDir tmp;
  EXPECT_EXIT(
      {
        AddShutdownStep(ShutdownStage::Input, StopAgain);
        AddShutdownStep(ShutdownStage::Window, LogWindow);
        StopProgram();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(testing::ErrorLogLines(), (Lines{"stop inside shutdown"}));
}

TEST(StopDeathTest, EndAndRunStartsTheCommandAndExits) {
  testing::ScopedTempDir tmp;
  const std::string marker = tmp.Path() + "started";
  const std::string command =
      testing::OnWindows() ? "type nul > \"" + marker + "\"" : "touch '" + marker + "'";
  EXPECT_EXIT(EndAndRun(command.c_str()), ::testing::ExitedWithCode(0), "");
  for (int i = 0; i < 100 && access(marker.c_str(), F_OK) != 0; ++i)
    usleep(20000);
  EXPECT_EQ(access(marker.c_str(), F_OK), 0);
}

}  // namespace
}  // namespace zentoir
