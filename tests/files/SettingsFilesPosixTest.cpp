// Settings files on POSIX systems: a disk that fills up, FIFOs, file modes and links.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "FolderFixtures.h"
#include "base/RuntimeContext.h"
#include "files/ArchiveSlot.h"
#include "files/GameIniStore.h"
#include "files/GameLineStore.h"
#include "files/IniFiles.h"
#include "files/LineFiles.h"
#include "os/ReplaceFile.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ErrorLogLines;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;
namespace fs = std::filesystem;

class SettingsFilesPosixTest : public testing::SettingsFolderTest {};

TEST_F(SettingsFilesPosixTest, AFailedWriteLeavesTheOldFileAndOneLogLine) {
  WriteFileBytes(Path("keep.ini"), "[Old]\r\nk=v\r\n");
  EXPECT_EXIT(
      {
        IniOpen(Path("keep.ini").c_str());
        IniPut("Old", "big", std::string(5000, 'b').c_str());
        signal(SIGXFSZ, SIG_IGN);
        rlimit small;
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 1000;  // a disk that fills up
        setrlimit(RLIMIT_FSIZE, &small);
        IniOpen(Path("other.ini").c_str());
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFileBytes(Path("keep.ini")), "[Old]\r\nk=v\r\n");
  EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"INI file not written: " + Path("keep.ini")});
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"ErrorLog.txt", "keep.ini"}));
}

TEST_F(SettingsFilesPosixTest, OnlyRegularFilesAreReplaced) {
  ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
  fs::create_directories(Path("folder"));
  fs::create_symlink(Path("target"), Path("link"));
  EXPECT_FALSE(os::ReplaceFileContents(Path("fifo"), "x"));
  EXPECT_FALSE(os::ReplaceFileContents(Path("folder"), "x"));
  EXPECT_FALSE(os::ReplaceFileContents(Path("link"), "x"));
  EXPECT_TRUE(fs::is_fifo(Path("fifo")));
  EXPECT_TRUE(fs::is_symlink(Path("link")));
  EXPECT_FALSE(fs::exists(Path("target")));
  // A replaced file keeps its permission bits; no temporary file stays behind.
  WriteFileBytes(Path("plain"), "old");
  fs::permissions(Path("plain"), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(os::ReplaceFileContents(Path("plain"), "new"));
  EXPECT_EQ(ReadFileBytes(Path("plain")), "new");
  EXPECT_EQ(fs::status(Path("plain")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"fifo", "folder", "link", "plain"}));
}

TEST_F(SettingsFilesPosixTest, ALinkedFileIsReplacedAtItsFinalTarget) {
  fs::create_directories(Path("real"));
  WriteFileBytes(Path("real/game.ini"), "[Old]\r\nk=v\r\n");
  fs::create_symlink("real/game.ini", Path("middle"));
  fs::create_symlink("middle", Path("game.ini"));
  IniOpen(Path("game.ini").c_str());
  IniPut("Old", "k", "w");
  IniOpen(Path("other.ini").c_str());
  EXPECT_EQ(ReadFileBytes(Path("real/game.ini")), "[Old]\r\nk=w\r\n");
  EXPECT_TRUE(fs::is_symlink(Path("game.ini")));
  EXPECT_TRUE(fs::is_symlink(Path("middle")));
  EXPECT_EQ(fs::read_symlink(Path("game.ini")), "middle");
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), fs::directory_iterator()), 1);
}

TEST_F(SettingsFilesPosixTest, LinksToAnythingButOwnRegularFilesAreRefusedWithALogLine) {
  ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
  fs::create_directories(Path("folder"));
  WriteFileBytes(Path("foreign"), "theirs");
  const bool foreign = chown(Path("foreign").c_str(), 65534, 65534) == 0 && geteuid() != 65534;
  std::vector<std::string> links{"to-nothing", "to-fifo", "to-folder"};
  if (foreign) links.push_back("to-foreign");
  fs::create_symlink(Path("nothing"), Path("to-nothing"));
  fs::create_symlink(Path("fifo"), Path("to-fifo"));
  fs::create_symlink(Path("folder"), Path("to-folder"));
  fs::create_symlink(Path("foreign"), Path("to-foreign"));
  std::vector<std::string> expected;
  for (const std::string& link : links) {
    PutFileLine(Path(link).c_str(), 0, "x");
    GetFileLine(Path("other.txt").c_str(), 0);
    EXPECT_TRUE(fs::is_symlink(Path(link))) << link;
    expected.push_back("Line file not written: " + Path(link));
  }
  EXPECT_EQ(ErrorLogLines(), expected);
  EXPECT_TRUE(fs::is_fifo(Path("fifo")));
  EXPECT_FALSE(fs::exists(Path("nothing")));
  EXPECT_TRUE(fs::is_empty(Path("folder")));
  EXPECT_EQ(ReadFileBytes(Path("foreign")), "theirs");
}

}  // namespace
}  // namespace zentoir
