#include <emscripten.h>

#include "os/Paths.h"
#include "os/ReplaceFile.h"

namespace zentoir::os {

// A page that keeps files mounts the browser's lasting storage (IndexedDB) at /saved
// and copies it back over the in-memory files before the program starts. A replaced
// file (other than a temporary one) is mirrored there under its own path, and the
// storage written through at once; a write that comes while one is under way is
// taken by another pass after it.
void KeepReplacement(const std::string& path) {
  if (path.rfind(TempDirectory(), 0) == 0) return;
  // clang-format off
  EM_ASM({
    if (!FS.analyzePath("/saved").exists) return;
    var path = UTF8ToString($0);
    if (path.charAt(0) !== "/") path = (FS.cwd() === "/" ? "" : FS.cwd()) + "/" + path;
    try {
      var copy = "/saved" + path;
      FS.mkdirTree(copy.substring(0, copy.lastIndexOf("/")));
      FS.writeFile(copy, FS.readFile(path));
    } catch (error) {
      err("The browser did not keep " + path + ": " + error);
      return;
    }
    if (Module.keepingFiles) {
      Module.keepAgain = true;
      return;
    }
    var keep = function () {
      Module.keepingFiles = true;
      Module.keepAgain = false;
      FS.syncfs(false, function (error) {
        if (error) err("The browser did not keep the saved files: " + error);
        Module.keepingFiles = false;
        if (Module.keepAgain) keep();
      });
    };
    keep();
  }, path.c_str());
  // clang-format on
}

}  // namespace zentoir::os
