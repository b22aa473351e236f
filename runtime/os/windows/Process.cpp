#include "os/Process.h"

#include "os/windows/SystemHeaders.h"

#include <string>
#include <vector>

namespace zentoir::os {
namespace {

// The command interpreter named by ComSpec, else the system's own cmd.exe; "" when
// neither is known (a bare "cmd.exe" would be taken from the current folder).
std::string CommandInterpreter() {
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("ComSpec", path, sizeof path);
  if (length > 0 && length < sizeof path) return std::string(path, length);
  length = GetSystemDirectoryA(path, sizeof path);
  if (length == 0 || length >= sizeof path) return {};
  return std::string(path, length) + "\\cmd.exe";
}

// Without a console of our own (the usual case for a windowed program) the interpreter
// gets none either, so that no empty console window shows; a console program it starts
// then opens a console of its own. With one, both share it, as a terminal is shared.
DWORD ConsoleFlags() {
  return GetConsoleWindow() ? 0 : DETACHED_PROCESS;
}

}  // namespace

unsigned long CurrentProcessId() {
  return GetCurrentProcessId();
}

bool StartCommandLine(const char* commandLine) {
  if (!commandLine || !*commandLine) return false;
  const std::string interpreter = CommandInterpreter();
  if (interpreter.empty()) return false;
  // /s with the line in quotes: the interpreter takes off just those outer quotes and
  // runs the line as it is. /d leaves out the AutoRun commands of the registry, as a
  // non-interactive shell reads no start-up files.
  const std::string line = "\"" + interpreter + "\" /d /s /c \"" + commandLine + "\"";
  std::vector<char> writable(line.begin(), line.end());  // CreateProcessA may write to it
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(interpreter.c_str(), writable.data(), nullptr, nullptr, FALSE, ConsoleFlags(),
                      nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace zentoir::os
