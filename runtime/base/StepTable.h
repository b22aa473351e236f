// Lists of step functions grouped in ordered stages: the shape of the shutdown and exit
// registries.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace zentoir {

using StepFunction = void (*)();

template <typename Stage>
class StepTable {
 public:
  // Adding the same function to the same stage again is ignored.
  void Add(Stage stage, StepFunction step) {
    auto& list = steps_[static_cast<size_t>(stage)];
    for (StepFunction existing : list) {
      if (existing == step) return;
    }
    list.push_back(step);
  }

  // Runs the steps of one stage in the order they were added and keeps them.
  void Run(Stage stage) const {
    const auto list = steps_[static_cast<size_t>(stage)];  // a step may add others
    for (StepFunction step : list)
      step();
  }

  // Runs and forgets every step, stage by stage. Steps may add further steps while
  // running; those run too, in their stage.
  void RunAndClearAll() {
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

}  // namespace zentoir
