// zentoir-pack: appends a resource archive to an executable, and lists or extracts the
// archive a file carries.
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "pack/PackerCommands.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: zentoir-pack append <executable> <file, folder or @list>...\n"
               "       zentoir-pack list <file>\n"
               "       zentoir-pack extract <file> <output folder>\n"
               "Folders are packed with every file below them; files are looked up by\n"
               "their base names, so base names must differ (ignoring letter case).\n"
               "A @list names a text file holding one path a line, relative to the\n"
               "list's own folder.\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Names are in the system's code page, as the runtime's file calls take them; where
  // paths are wide, the C library converts them by that code page.
  std::setlocale(LC_CTYPE, "");
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "append" && args.size() >= 3) {
    return zentoir::pack::AppendArchive(args[1], {args.begin() + 2, args.end()});
  }
  if (command == "list" && args.size() == 2) return zentoir::pack::ListArchive(args[1]);
  if (command == "extract" && args.size() == 3) {
    return zentoir::pack::ExtractArchive(args[1], args[2]);
  }
  return Usage();
}
