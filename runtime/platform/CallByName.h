// Calling the game's functions by name: the compiled game registers them before its
// code runs.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// A game function that CallByName can call.
using GameFunction = void (*)();

// Adds the function under the name (matched exactly, byte for byte). Answers 1, or 0
// for an empty name or a null function. A name registered twice calls the first one.
double RegisterGameFunction(const DynString& name, GameFunction function);

// Calls the function registered under the name and answers 1. Answers 0 for an unknown
// name and sends the line CALLBYNAME "name" *** failed *** through DebugOut.
double CallByName(const DynString& name);

}  // namespace zentoir
