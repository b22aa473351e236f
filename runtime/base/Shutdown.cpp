#include "base/Shutdown.h"

#include <cstdlib>

#include "base/StepTable.h"

namespace zentoir {
namespace {

StepTable<ShutdownStage>& ShutdownSteps() {
  static StepTable<ShutdownStage> table;
  return table;
}

StepTable<ExitStage>& ExitSteps() {
  static auto* table = new StepTable<ExitStage>();  // outlives static destruction
  return *table;
}

}  // namespace

void AddShutdownStep(ShutdownStage stage, StepFunction step) {
  ShutdownSteps().Add(stage, step);
}

void AddExitStep(ExitStage stage, StepFunction step) {
  static bool hooked = std::atexit(RunExitSteps) == 0;
  (void)hooked;
  ExitSteps().Add(stage, step);
}

void ShutdownRuntime() {
  ShutdownSteps().RunAndClearAll();
}

void RunExitSteps() {
  ExitSteps().RunAndClearAll();
}

}  // namespace zentoir
