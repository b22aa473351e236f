#include "core/Shutdown.h"

#include <array>
#include <cstdlib>
#include <vector>

namespace zentoir {
namespace {

template <typename Stage>
class StepTable {
 public:
  void Add(Stage stage, StepFunction step) {
    auto& list = steps_[static_cast<size_t>(stage)];
    for (StepFunction existing : list) {
      if (existing == step) return;
    }
    list.push_back(step);
  }

  // Steps may register further steps while running; those run too, in their stage.
  void RunAll() {
    for (auto& list : steps_) {
      while (!list.empty()) {
        StepFunction step = list.front();
        list.erase(list.begin());
        step();
      }
    }
  }

 private:
  std::array<std::vector<StepFunction>, static_cast<size_t>(Stage::Count)> steps_;
};

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
  ShutdownSteps().RunAll();
}

void RunExitSteps() {
  ExitSteps().RunAll();
}

}  // namespace zentoir
