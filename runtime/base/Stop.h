// The one stop routine every way out of the program goes through, and the error
// information it reports.
#pragma once

#include <string_view>

namespace zentoir {

// Error numbers recorded before a stop.
enum ErrorNumber : int {
  kErrorNone = 0,
  kErrorNoWindow = 1,    // no OpenGL window could be created at start-up
  kErrorFile = 3,        // a file read or write failed
  kErrorArgument = 7,    // an argument out of range, or no memory for an array
  kErrorIndex = 9,       // an array index out of range
  kErrorNoMoreData = 20  // no more data items to read
};

// Releases every runtime device, reports the error in debug mode and ends the process:
// exit code 0 when the error code is 0, else the error number (1 beyond 255). Safe to reach from
// anywhere, also while a stop is under way.
[[noreturn]] void StopProgram();

// A normal end: error code 0, then StopProgram.
[[noreturn]] void EndProgram();

// Shuts down, starts another program with the command line and exits.
[[noreturn]] void EndAndRun(std::string_view commandLine);

// Records the reason of a stop together with the current line.
void SetErrorCode(double code);

// The error number recorded last: by SetErrorCode, or by a command that records one and
// goes on (a line number out of range gives 7, a line file that cannot be read 3). 0
// while none was recorded; reading it changes nothing, SetErrorCode(0) clears it.
double GetErrorCode();

// Records the source module and line being executed.
void SetLineInfo(double module, double line);

// Records the error number and stops: the end of every fatal runtime error.
[[noreturn]] void StopWithError(int code);

}  // namespace zentoir
