#include "os/Process.h"

#include <spawn.h>
#include <sys/types.h>
#include <unistd.h>

extern char** environ;

namespace zentoir::os {

unsigned long CurrentProcessId() {
  return static_cast<unsigned long>(getpid());
}

bool StartCommandLine(const char* commandLine) {
  if (!commandLine || !*commandLine) return false;
  char sh[] = "/bin/sh";
  char dashC[] = "-c";
  char* argv[] = {sh, dashC, const_cast<char*>(commandLine), nullptr};
  pid_t pid;
  return posix_spawn(&pid, sh, nullptr, nullptr, argv, environ) == 0;
}

}  // namespace zentoir::os
