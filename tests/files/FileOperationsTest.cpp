#include "files/FileOperations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;
namespace fs = std::filesystem;

TEST(FileOperationsTest, ExistsAndSizeOnlyForReadableFiles) {
  ScopedTempDir dir;
  const std::string file = dir.Path() + "a.dat";
  WriteFileBytes(file, std::string(12345, 'q'));
  EXPECT_EQ(FileExists(file.c_str()), 1.0);
  EXPECT_EQ(FileSize(file.c_str()), 12345.0);
  EXPECT_EQ(FileExists((dir.Path() + "none").c_str()), 0.0);
  EXPECT_EQ(FileSize((dir.Path() + "none").c_str()), 0.0);
  EXPECT_EQ(FileExists(dir.Path().c_str()), 0.0);
  RemoveFile(file.c_str());
  EXPECT_EQ(FileExists(file.c_str()), 0.0);
}

TEST(FileOperationsTest, DuplicateFileCopiesEveryBlockAndReplacesTheDestination) {
  ScopedTempDir dir;
  std::string contents;
  for (int i = 0; i < 3 * 4096 + 17; ++i)
    contents += static_cast<char>(i * 7);
  const std::string source = dir.Path() + "source";
  const std::string destination = dir.Path() + "copy";
  WriteFileBytes(source, contents);
  WriteFileBytes(destination, std::string(50000, 'o'));
  DuplicateFile(source.c_str(), destination.c_str());
  EXPECT_EQ(ReadFileBytes(destination), contents);

  // An exact multiple of the block size, and an empty file.
  WriteFileBytes(source, contents.substr(0, 8192));
  DuplicateFile(source.c_str(), destination.c_str());
  EXPECT_EQ(ReadFileBytes(destination), contents.substr(0, 8192));
  WriteFileBytes(source, "");
  DuplicateFile(source.c_str(), destination.c_str());
  EXPECT_EQ(FileSize(destination.c_str()), 0.0);
  EXPECT_EQ(FileExists(destination.c_str()), 1.0);
}

TEST(FileOperationsTest, DuplicateFileWithoutSourceLeavesTheDestinationAlone) {
  ScopedTempDir dir;
  const std::string destination = dir.Path() + "keep";
  WriteFileBytes(destination, "kept");
  DuplicateFile((dir.Path() + "missing").c_str(), destination.c_str());
  EXPECT_EQ(ReadFileBytes(destination), "kept");
}

TEST(FileOperationsTest, CurrentDirectoryEndsInSlashAndFollowsChangeDirectory) {
  ScopedTempDir dir;
  const DynString before = CurrentDirectory();
  fs::create_directory(fs::path(dir.Path()) / "sub");
  ChangeDirectory((dir.Path() + "\\sub").c_str());
  const DynString now = CurrentDirectory();
  EXPECT_EQ(std::string(now.View()),
            fs::canonical(fs::path(dir.Path()) / "sub").generic_string() + "/");
  WriteFileBytes(std::string(now.View()) + "Score.dat", "1");
  EXPECT_EQ(FileExists("Score.dat"), 1.0);
  ChangeDirectory(before);
  EXPECT_EQ(CurrentDirectory().View().back(), '/');
}

TEST(FileOperationsTest, WholeFilesAsBytesAreReadWithinTheLimitAndReplacedWhole) {
  ScopedTempDir dir;
  const std::string file = dir.Path() + "table.dat";
  const DynString bytes("a\0b\r\n\xFF", 6);  // any bytes, NUL included
  EXPECT_EQ(SaveFileSafely(file.c_str(), bytes), 1.0);
  DynString read;
  EXPECT_EQ(zentoir::ReadFileBytes(file.c_str(), read, 6), 1.0);
  EXPECT_EQ(read.View(), bytes.View());
  EXPECT_EQ(zentoir::ReadFileBytes(file.c_str(), read, 5), 0.0);  // larger than the limit
  EXPECT_EQ(read.length, 0u);
  EXPECT_EQ(zentoir::ReadFileBytes(file.c_str(), read, -1), 0.0);
  EXPECT_EQ(zentoir::ReadFileBytes(dir.Path().c_str(), read, 100), 0.0);  // a folder
  // A folder under the name is never replaced, and nothing is left beside it.
  const std::string folder = dir.Path() + "folder";
  fs::create_directory(folder);
  EXPECT_EQ(SaveFileSafely(folder.c_str(), bytes), 0.0);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace zentoir
