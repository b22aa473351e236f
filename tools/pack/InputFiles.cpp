#include "pack/InputFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "os/Paths.h"
#include "pack/NarrowNames.h"

namespace zentoir::pack {
namespace {

namespace fs = std::filesystem;

bool ReadWholeFile(const fs::path& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// The regular files below a folder, sorted by path so archives come out the same.
bool FilesBelow(const fs::path& folder, std::vector<fs::path>& files, std::string& error) {
  std::error_code failure;
  std::vector<fs::path> found;
  for (fs::recursive_directory_iterator it(folder, failure), end; !failure && it != end;
       it.increment(failure)) {
    if (it->is_regular_file()) found.push_back(it->path());
  }
  if (failure) {
    error = "cannot read folder " + folder.string() + ": " + failure.message();
    return false;
  }
  std::sort(found.begin(), found.end());
  files.insert(files.end(), found.begin(), found.end());
  return true;
}

// The paths listed in a list file, one a line, relative to the list's own folder.
bool PathsInList(const std::string& list, std::vector<std::string>& paths, std::string& error) {
  std::ifstream in(list, std::ios::binary);
  if (!in) {
    error = "cannot read list " + list;
    return false;
  }
  const std::string folder = os::FolderOf(list);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    paths.push_back(os::IsAbsolutePath(line) ? line : folder + line);
  }
  return true;
}

}  // namespace

bool ExpandLists(const std::vector<std::string>& arguments, std::vector<std::string>& paths,
                 std::string& error) {
  for (const std::string& argument : arguments) {
    if (argument.size() > 1 && argument[0] == '@') {
      if (!PathsInList(argument.substr(1), paths, error)) return false;
    } else {
      paths.push_back(argument);
    }
  }
  return true;
}

bool CollectInputs(const std::vector<std::string>& paths, std::vector<ArchiveInput>& inputs,
                   std::string& error) {
  std::vector<fs::path> files;
  for (const std::string& path : paths) {
    std::error_code failure;
    const fs::file_status status = fs::status(path, failure);
    if (fs::is_directory(status)) {
      if (!FilesBelow(path, files, error)) return false;
    } else if (fs::is_regular_file(status)) {
      files.emplace_back(path);
    } else {
      error = "no such file or folder: " + path;
      return false;
    }
  }
  for (const fs::path& file : files) {
    ArchiveInput input;
    input.name = NarrowName(file.filename());
    if (!ReadWholeFile(file, input.bytes)) {
      error = "cannot read " + file.string();
      return false;
    }
    inputs.push_back(std::move(input));
  }
  return true;
}

}  // namespace zentoir::pack
