// Fixtures shared by the files tests of every system and those of one system alone.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/RuntimeContext.h"
#include "files/ArchiveSlot.h"
#include "files/FileChannels.h"
#include "files/GameIniStore.h"
#include "files/GameLineStore.h"
#include "support/TempDir.h"

namespace zentoir::testing {

// A folder of the test's own; every file channel is closed after the test.
class ChannelFolderTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (int channel = 0; channel < kChannelCount; ++channel)
      CloseFileChannel(channel);
  }
  std::string PathOf(const std::string& name) const { return dir_.Path() + name; }

  ScopedTempDir dir_;
};

// A folder of the test's own, fresh archive slots, and no settings left to write back.
class SettingsFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateArchiveSlots();
    Runtime().errorCode = 0;
  }
  void TearDown() override {
    GameIniStore() = IniStore();  // nothing pending for the next test's write-back
    GameLineStore() = LineFileStore();
    DeleteExtractedFiles();
  }

  std::string Path(const std::string& name) const { return dir_.Path() + name; }
  // The names in the folder, sorted.
  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  ScopedTempDir dir_;
};

}  // namespace zentoir::testing
