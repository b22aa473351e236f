// The temporary files a replacement writes beside its target (see ReplaceFile.h), and the
// clean-up of those that a writer killed before its rename left behind.
#pragma once

#include <string>
#include <string_view>

namespace zentoir::os {

// A short hidden name beside `path` that no other writer uses at once:
// ".~zentoir-<process id>-<counter>" (short, so that a target with a long name still
// gets one).
std::string TemporaryNameBeside(const std::string& path);

// Deletes, in the folder of `path`, the temporary files of writers that are gone: names of
// exactly the form above whose process no longer exists, and only regular files of this
// user. Links, FIFOs, folders and the files of running processes stay.
void RemoveLeftoverTemporariesBeside(const std::string& path);

// The name's start that all our temporary names share.
inline constexpr std::string_view kTemporaryPrefix = ".~zentoir-";

// The writer's process id in one of our temporary names; 0 for any other name.
unsigned long WriterOfTemporaryName(std::string_view name);

}  // namespace zentoir::os
