// The two archive slots through which data-file names are resolved: a loose file on
// disk first, else a temporary file extracted from the resource archive.
#pragma once

#include <cstdint>
#include <string>

#include "files/ResourceArchives.h"

namespace zentoir {

struct ArchiveSlot {
  // 1 while the archive may be consulted; 0 for good once it cannot be opened or
  // lacks the trailer, until SetResourceArchives names an archive again.
  uint8_t enabled = 1;
  std::string archivePath;    // as the game gave it; relative to the current directory
  std::string extractedPath;  // the temporary file last extracted through this slot
};

// Used by every loader of images, fonts, sounds, 3D objects and INI files.
ArchiveSlot& GeneralArchiveSlot();
// Used only where a media file is handed to the music or movie player by name, so a
// playing tune's temporary file outlives the next image resolved.
ArchiveSlot& MediaArchiveSlot();

// Start-up: both slots enabled with empty paths, and the shutdown step that deletes
// their temporary files registered.
void CreateArchiveSlots();

// Turns a requested data-file name into the name of a readable file: the name itself
// when that file exists, else a temporary file extracted from the slot's archive under
// the base name (ASCII case ignored). Returns 1 with `outputPath` set, or 0. On 0 the
// output is "" unless the archive itself is unusable, which leaves it untouched. Each
// call deletes the file extracted by the previous call through the same slot.
int ResolveDataFile(ArchiveSlot& slot, const char* requestedName, std::string& outputPath);

// The same through the general slot, as the loaders of images, fonts and settings use it:
// true with `outputPath` set.
bool ResolveGeneralDataFile(const DynString& requestedName, std::string& outputPath);

// Deletes the slot's temporary file, if it has one, and forgets it.
void DeleteExtractedFile(ArchiveSlot& slot);

// Deletes both slots' temporary files (the shutdown step).
void DeleteExtractedFiles();

}  // namespace zentoir
