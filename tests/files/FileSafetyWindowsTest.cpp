// Files that are not ours on Windows: folders and device names are never written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/FileChannels.h"
#include "files/FileOperations.h"
#include "os/ExclusiveFile.h"
#include "os/ReplaceFile.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

TEST(FileSafetyWindowsTest, WritersLeaveFoldersAndDeviceNamesAlone) {
  testing::ScopedTempDir dir;
  const std::string folder = dir.Path() + "folder";
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  const std::string source = dir.Path() + "source";
  testing::WriteFileBytes(source, "bytes");

  for (const std::string& target :
       {folder, dir.Path() + "NUL", dir.Path() + "com1.txt", std::string("CONOUT$")}) {
    const DynString name = target.c_str();
    EXPECT_FALSE(os::ReplaceFileContents(target, "x")) << target;
    EXPECT_EQ(OpenFileChannel(0, name, 0), 0.0) << target;
    EXPECT_EQ(OpenFileChannel(0, name, 1), 0.0) << target;
    EXPECT_EQ(FileExists(name), 0.0) << target;
    DuplicateFile(source.c_str(), name);
    RemoveFile(name);
    EXPECT_FALSE(os::AppendExclusive(target.c_str(), "line\r\n")) << target;
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            2);  // the folder and the source, no file beside them
}

}  // namespace
}  // namespace zentoir
