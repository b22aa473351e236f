// Naming the archives that data files are taken from.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Names the archive of each slot: the general one (images, fonts, sounds, INI files)
// and the media one (music and movies). Deletes the slot's temporary file and enables
// it.
void SetResourceArchives(const DynString& generalArchive, const DynString& mediaArchive);

}  // namespace zentoir
