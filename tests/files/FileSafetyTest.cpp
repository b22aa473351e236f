// Files that are not ours, on any system: what a program wrote before it ended without
// closing is kept, and sizes beyond 4 GiB are read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "FolderFixtures.h"
#include "files/FileChannels.h"
#include "files/FileOperations.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

class FileSafetyTest : public testing::ChannelFolderTest {};

TEST_F(FileSafetyTest, WhatAProgramWroteWithoutClosingIsKeptAtItsEnd) {
  const std::string file = PathOf("Score.dat");
  WriteFileBytes(file, "old");
  EXPECT_EXIT_IF_SUPPORTED(
      {
        OpenFileChannel(0, file.c_str(), 0);
        WriteText(0, "written");
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFileBytes(file), "written");
}

TEST_F(FileSafetyTest, ChannelsReadFilesBeyondFourGibibytesToTheirEnd) {
  const std::string file = PathOf("huge");
  const std::uintmax_t fourGiB = std::uintmax_t{1} << 32;
  ASSERT_TRUE(WriteFileBytes(file, ""));
  std::error_code error;
  std::filesystem::resize_file(file, fourGiB, error);
  // WebAssembly's 32-bit calls cut the size silently.
  if (error || std::filesystem::file_size(file) != fourGiB)
    GTEST_SKIP() << "no sparse 4 GiB file here";

  EXPECT_EQ(FileSize(file.c_str()), 4294967296.0);
  ASSERT_EQ(OpenFileChannel(0, file.c_str(), 1), 1.0);
  EXPECT_EQ(EndOfFile(0), 0.0);

  CloseFileChannel(0);  // Windows resizes no file that is open without sharing
  std::filesystem::resize_file(file, fourGiB + 1, error);
  ASSERT_FALSE(error) << error.message();
  ASSERT_EQ(OpenFileChannel(0, file.c_str(), 1), 1.0);
  double value = -1;
  ReadByte(0, value);
  EXPECT_EQ(value, 0.0);
  EXPECT_EQ(EndOfFile(0), 0.0);
}

}  // namespace
}  // namespace zentoir
