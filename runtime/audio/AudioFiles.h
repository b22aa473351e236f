// Finding and reading the data files of sounds and music.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/DynString.h"

namespace zentoir {

// The two places a data file may come from: sounds share the loaders' lookup with
// images and fonts, music and movies have their own.
enum class AudioFileKind { Sound, Music };

// The name of a readable file for a requested data-file name: the loose file, else a
// temporary copy from the resource archive; "" when there is none.
std::string ResolveAudioFile(const DynString& name, AudioFileKind kind);

// Reads a whole regular file of at most maxBytes bytes; false when it cannot be read or
// is larger.
bool ReadAudioFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes);

// Whether the path names a regular file of at most maxBytes bytes.
bool RegularFileWithin(const std::string& path, int64_t maxBytes);

}  // namespace zentoir
