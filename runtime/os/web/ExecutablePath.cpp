// A page's program has no file of its own. The page names it (Module.thisProgram, also
// the program's argv[0]), and its data archive lies in the virtual file system under
// that name, standing for the executable that carries the archive elsewhere.
#include <emscripten.h>

#include "os/Paths.h"

namespace zentoir::os {

std::string ExecutablePath() {
  const char* name = emscripten_run_script_string("Module['thisProgram'] || ''");
  return name ? name : "";
}

}  // namespace zentoir::os
