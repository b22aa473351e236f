// Files that are not ours on POSIX systems: FIFOs are never waited on, folders, FIFOs
// and devices are never replaced, a failed write keeps the old file, and a file mode stays.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "FolderFixtures.h"
#include "files/ArchiveSlot.h"
#include "files/FileChannels.h"
#include "files/FileOperations.h"
#include "os/ExclusiveFile.h"
#include "os/ReplaceFile.h"
#include "support/FifoWatchdog.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::FinishesWithoutBlocking;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

mode_t KindOf(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// Temporary files a writer left in the folder (they are hidden names).
int HiddenFilesIn(const std::string& folder) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    count += entry.path().filename().string().starts_with(".") ? 1 : 0;
  return count;
}

std::vector<std::string> HiddenNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().starts_with(".")) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A save killed between writing and renaming: a process that begins a replacement and
// ends without its commit. Answers that process's id, now gone.
pid_t KilledSaveOf(const std::string& target) {
  const pid_t child = fork();
  if (child == 0) {
    os::FileReplacement replacement;
    if (replacement.Begin(target)) replacement.Output().WriteAll("half", 4);
    _exit(0);
  }
  waitpid(child, nullptr, 0);
  return child;
}

// Lets writes beyond `bytes` fail with EFBIG (instead of a signal) while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

class FileSafetyPosixTest : public testing::ChannelFolderTest {};

TEST_F(FileSafetyPosixTest, AFifoIsNoFileAndNothingWaitsForItsWriter) {
  const std::string fifo = PathOf("pipe");
  ASSERT_TRUE(testing::MakeFifo(fifo));
  const DynString name = fifo.c_str();
  double exists = -1, size = -1, opened = -1;
  EXPECT_TRUE(FinishesWithoutBlocking(fifo, [&] { exists = FileExists(name); }));
  EXPECT_TRUE(FinishesWithoutBlocking(fifo, [&] { size = FileSize(name); }));
  EXPECT_TRUE(FinishesWithoutBlocking(fifo, [&] { opened = OpenFileChannel(0, name, 1); }));
  EXPECT_EQ(exists, 0.0);
  EXPECT_EQ(size, 0.0);
  EXPECT_EQ(opened, 0.0);

  const std::string copy = PathOf("copy");
  EXPECT_TRUE(FinishesWithoutBlocking(fifo, [&] { DuplicateFile(name, copy.c_str()); }));
  EXPECT_EQ(KindOf(copy), 0u);

  // Every loader finds its files through the resolver: a FIFO is no loose file.
  CreateArchiveSlots();
  int resolved = -1;
  std::string output = "unchanged";
  EXPECT_TRUE(FinishesWithoutBlocking(
      fifo, [&] { resolved = ResolveDataFile(GeneralArchiveSlot(), fifo.c_str(), output); }));
  EXPECT_EQ(resolved, 0);
  EXPECT_EQ(KindOf(fifo), static_cast<mode_t>(S_IFIFO));
}

TEST_F(FileSafetyPosixTest, WritersLeaveFoldersFifosAndDevicesAlone) {
  std::vector<std::pair<std::string, mode_t>> targets = {{PathOf("pipe"), S_IFIFO},
                                                         {PathOf("folder"), S_IFDIR}};
  ASSERT_TRUE(testing::MakeFifo(targets[0].first));
  ASSERT_EQ(mkdir(targets[1].first.c_str(), 0700), 0);
  // A node for the null device of our own (only root may make one).
  const std::string device = PathOf("null");
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
    targets.emplace_back(device, S_IFCHR);
  const std::string source = PathOf("source");
  WriteFileBytes(source, "bytes");
  const std::vector<uint8_t> bytes = {1, 2, 3};

  for (const auto& [target, kind] : targets) {
    const DynString name = target.c_str();
    EXPECT_FALSE(os::ReplaceFileContents(target, bytes)) << target;
    EXPECT_EQ(OpenFileChannel(0, name, 0), 0.0) << target;
    DuplicateFile(source.c_str(), name);
    RemoveFile(name);
    bool appended = true;
    EXPECT_TRUE(FinishesWithoutBlocking(
        targets[0].first, [&] { appended = os::AppendExclusive(target.c_str(), "line\r\n"); }));
    EXPECT_FALSE(appended) << target;
    EXPECT_EQ(KindOf(target), kind) << target;
  }
  EXPECT_EQ(HiddenFilesIn(dir_.Path()), 0);
}

TEST_F(FileSafetyPosixTest, AReplacedFileKeepsItsPermissions) {
  const std::string file = PathOf("data");
  WriteFileBytes(file, "old");
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  ASSERT_TRUE(os::ReplaceFileContents(file, std::vector<uint8_t>{'n', 'e', 'w'}));
  EXPECT_EQ(ReadFileBytes(file), "new");
  struct stat info;
  ASSERT_EQ(stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(FileSafetyPosixTest, AFailedWriteLeavesTheOldFile) {
  const std::string file = PathOf("Score.dat");
  const std::string old(1000, 'o');
  WriteFileBytes(file, old);
  const std::string source = PathOf("large");
  WriteFileBytes(source, std::string(20000, 'n'));
  {
    FileSizeLimit limit(8192);
    EXPECT_FALSE(os::ReplaceFileContents(file, std::vector<uint8_t>(20000, 'n')));
    DuplicateFile(source.c_str(), file.c_str());
  }
  EXPECT_EQ(ReadFileBytes(file), old);

  // A channel write that fails stops the program with error 3; the file stays as it was.
  EXPECT_STOPS_WITH_ERROR(3, {
    FileSizeLimit limit(8192);
    if (OpenFileChannel(0, file.c_str(), 0) == 1.0) WriteText(0, std::string(20000, 'n').c_str());
  });
  EXPECT_EQ(ReadFileBytes(file), old);
  EXPECT_EQ(HiddenFilesIn(dir_.Path()), 0);
}

TEST_F(FileSafetyPosixTest, ASaveRemovesOnlyTheTemporaryFilesOfGoneWriters) {
  const std::string file = PathOf("Score.dat");
  const std::string gone = ".~zentoir-" + std::to_string(KilledSaveOf(file));
  ASSERT_EQ(HiddenFilesIn(dir_.Path()), 1);
  // Names of the same form that are no leftover of ours, and a running writer's file.
  ASSERT_TRUE(testing::MakeFifo(PathOf(gone + "-90")));
  std::filesystem::create_directory(PathOf(gone + "-91"));
  std::filesystem::create_symlink(file, PathOf(gone + "-92"));
  WriteFileBytes(PathOf(gone + "-9x"), "");
  WriteFileBytes(PathOf(".~zentoir-1-0"), "");
  os::FileReplacement running;
  ASSERT_TRUE(running.Begin(PathOf("other.dat")));

  EXPECT_TRUE(os::ReplaceFileContents(file, "new"));
  EXPECT_EQ(ReadFileBytes(file), "new");
  std::vector<std::string> left = HiddenNamesIn(dir_.Path());
  const std::string mine = ".~zentoir-" + std::to_string(getpid()) + "-";
  ASSERT_EQ(std::erase_if(left, [&](const std::string& name) { return name.starts_with(mine); }),
            1u);
  EXPECT_EQ(left, (std::vector<std::string>{".~zentoir-1-0", gone + "-90", gone + "-91",
                                            gone + "-92", gone + "-9x"}));
}

}  // namespace
}  // namespace zentoir
