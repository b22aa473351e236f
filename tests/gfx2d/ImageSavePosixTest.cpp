// Saved images on POSIX systems: FIFOs and devices are never replaced.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <string>
#include <utility>
#include <vector>

#include "RenderFixture.h"
#include "support/FifoWatchdog.h"
#include "zentoir.h"

namespace zentoir {
namespace {

class ImageSavePosix : public testing::RenderTest {
 protected:
  std::string PathOf(const std::string& name) { return dir_.Path() + name; }
};

TEST_F(ImageSavePosix, FifosAndDevicesAreNeverReplaced) {
  const std::string fifo = PathOf("shot.bmp");
  ASSERT_TRUE(testing::MakeFifo(fifo));
  EXPECT_EQ(SaveScreen(fifo.c_str()), 0);
  std::vector<std::pair<std::string, mode_t>> kept = {{fifo, S_IFIFO}};
  // A node for the null device of our own (only root may make one).
  const std::string device = PathOf("full.png");
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    EXPECT_EQ(SaveScreen(device.c_str()), 0);
    kept.emplace_back(device, S_IFCHR);
  }
  for (const auto& [path, kind] : kept) {
    struct stat info;
    ASSERT_EQ(lstat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & S_IFMT, kind) << path;
  }
}

}  // namespace
}  // namespace zentoir
