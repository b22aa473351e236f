// Program start-up and the settings commands that go with it.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Brings the runtime up for the StartupSettings filled before the call: the renderer
// with its window and context, the devices of the other subsystems (core/StartupWatch.h
// lists them in order), the program's directory as the current directory, the "Loading..."
// screen; then writes "Init OK" to standard output. Returns 0. A window or context that
// cannot be created ends the program with a line in the error log and on standard error.
// A show command of 0 starts with the window hidden. The command line is the process's
// own; the runtime keeps no copy of it. A second call while running does nothing.
double InitRuntime(const DynString& commandLine, double showCommand, const DynString& title);

// While set (the start), losing the focus pauses the program.
void SetAutoPause(double flag);
// While set (the start), Esc at a PresentFrame ends the program.
void SetEscapeEnds(double flag);
// While set, full-screen requests open a window of the asked size instead (for tests,
// and for players who want a window). Setting the environment variable ZENTOIR_WINDOWED
// to a non-empty value other than "0" sets it at start-up.
void SetKeepWindowed(double flag);

// The executable's folder, without a trailing '/' ("/" for the root).
DynString ProgramDirectory();

}  // namespace zentoir
