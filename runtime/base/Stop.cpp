#include "base/Stop.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ErrorLog.h"
#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "base/Truncate.h"
#include "os/Process.h"

namespace zentoir {
namespace {

bool stopping = false;

void WriteDebugReport() {
  const RuntimeContext& rt = Runtime();
  AppendErrorLog("-End On Line");
  AppendErrorLog(std::to_string(TruncateToInt32(rt.errorCode)));
  AppendErrorLog(std::to_string(TruncateToInt32(rt.errorLine) - 1));
  AppendErrorLog(std::to_string(TruncateToInt32(rt.currentLine)));
  AppendErrorLog(std::to_string(TruncateToInt32(rt.currentModule)));
}

// Releases the devices once; a stop reached again during the release (a window
// message, a failing release step) goes straight on to the exit.
void ShutdownOnce() {
  if (stopping) return;
  stopping = true;
  ShutdownRuntime();
}

// 0 for a normal end; a stop for an error ends with its number (1 when it does not fit
// an exit status), so callers of the process never take a failure for success.
int ExitStatus() {
  const int32_t code = TruncateToInt32(Runtime().errorCode);
  if (code == 0) return 0;
  return code > 0 && code < 256 ? code : 1;
}

}  // namespace

void StopProgram() {
  const bool firstStop = !stopping;
  ShutdownOnce();
  if (firstStop && Runtime().debugMode != 0) WriteDebugReport();
  std::fflush(nullptr);
  std::exit(ExitStatus());
}

void EndProgram() {
  SetErrorCode(0);
  StopProgram();
}

void EndAndRun(std::string_view commandLine) {
  ShutdownOnce();
  os::StartCommandLine(std::string(commandLine).c_str());
  std::fflush(nullptr);
  std::exit(0);
}

void SetErrorCode(double code) {
  RuntimeContext& rt = Runtime();
  rt.errorCode = code;
  rt.errorLine = rt.currentLine;
}

double GetErrorCode() {
  return Runtime().errorCode;
}

void SetLineInfo(double module, double line) {
  RuntimeContext& rt = Runtime();
  rt.currentModule = module;
  rt.currentLine = line;
}

void StopWithError(int code) {
  SetErrorCode(code);
  StopProgram();
}

}  // namespace zentoir
