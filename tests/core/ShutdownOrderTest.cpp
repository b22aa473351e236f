#include <gtest/gtest.h>

#include <string>

#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "core/RuntimeChild.h"
#include "gfx2d/renderer/Renderer.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using ::testing::ExitedWithCode;

void Print(const char* label) {
  std::fprintf(stderr, "[%s]", label);
}

// What a step sees of the renderer and the window while it runs.
void PrintDevices(const char* stage) {
  const RuntimeContext& rt = Runtime();
  std::fprintf(stderr, "[%s renderer=%d window=%d]", stage, Renderer() != nullptr,
               rt.mainWindow != nullptr);
}

TEST(ShutdownOrder, DevicesGoInOrderRendererBeforeWindowAndExitCodeIsZero) {
  testing::UseHeadlessVideo();
  testing::ScopedTempDir tmp;
  EXPECT_EXIT(
      {
        testing::StartRuntime();
        AddShutdownStep(ShutdownStage::Music, [] { PrintDevices("music"); });
        AddShutdownStep(ShutdownStage::Input, [] { PrintDevices("input"); });
        AddShutdownStep(ShutdownStage::Sound, [] { Print("sound"); });
        AddShutdownStep(ShutdownStage::Network, [] { Print("network"); });
        AddShutdownStep(ShutdownStage::Archives, [] { PrintDevices("archives"); });
        AddExitStep(ExitStage::IniStore, [] { PrintDevices("exit"); });
        EndProgram();
      },
      ExitedWithCode(0),
      "\\[music renderer=1 window=1\\]\\[input renderer=0 window=1\\]\\[sound\\]"
      "\\[network\\]\\[archives renderer=0 window=1\\]\\[exit renderer=0 window=0\\]$");
}

}  // namespace
}  // namespace zentoir
