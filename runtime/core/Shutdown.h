// The ordered release of runtime devices at the end of the program.
//
// Each subsystem registers its release step under its stage when it starts;
// ShutdownRuntime runs the stages in this order, each step once. Exit steps run when
// the process exits (after the stop routine, or after main returns).
#pragma once

#include "core/StepTable.h"

namespace zentoir {

enum class ShutdownStage {
  WarningBox,        // an open software-rendering warning closed while the window exists
  RestoreDirectory,  // the program's directory becomes current again
  TimerResolution,
  Music,
  Renderer,
  Input,
  Sound,
  Network,
  Archives,  // temporary files extracted from the resource archive
  Window,
  Count
};

enum class ExitStage {
  IniStore,   // pending INI changes written back
  LineStore,  // pending line-file changes written back
  FileHandle,
  Libraries,  // libraries loaded by name released
  Count
};

// Registers a step; registering the same function for the same stage again is ignored.
void AddShutdownStep(ShutdownStage stage, StepFunction step);
void AddExitStep(ExitStage stage, StepFunction step);

// Runs and forgets every registered shutdown step, stage by stage.
void ShutdownRuntime();

// Runs and forgets every registered exit step (also run automatically at process exit).
void RunExitSteps();

}  // namespace zentoir
