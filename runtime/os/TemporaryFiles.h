// The temporary files a replacement writes beside its target (see ReplaceFile.h), and the
// clean-up of those that a writer killed before its rename left behind.
#pragma once

#include <string>

namespace zentoir::os {

// A short hidden name beside `path` that no other writer uses at once:
// ".~zentoir-<process id>-<counter>" (short, so that a target with a long name still
// gets one).
std::string TemporaryNameBeside(const std::string& path);

// Deletes, in the folder of `path`, the temporary files of writers that are gone: names of
// exactly the form above whose process no longer exists, and only regular files of this
// user. Links, FIFOs, folders and the files of running processes stay.
void RemoveLeftoverTemporariesBeside(const std::string& path);

}  // namespace zentoir::os
