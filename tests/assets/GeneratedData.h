// Runs the data generator once into a temporary folder shared by the data-set tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace assets_test {

using TempFolder = zentoir::testing::ScopedTempDir;

// Runs the generator with the given arguments (each quoted); returns its exit status.
int RunGenerator(const std::string& arguments);

// What the generator says on stderr when it fails as it reports failures (exit status 1);
// a text naming the status for anything else (success, a crash, no such program).
std::string GeneratorFailure(const std::string& arguments);

// The data folder the generator wrote (ends with '/'), made on first use.
const std::string& GeneratedDataDir();

// The whole contents of a file as bytes (empty when it cannot be read).
std::vector<uint8_t> ReadWholeFile(const std::string& path);

std::string Quoted(const std::string& text);

}  // namespace assets_test
