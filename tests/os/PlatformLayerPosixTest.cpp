// The platform layer on POSIX systems: a FIFO is never loaded as a library.
#include <gtest/gtest.h>

#include <string>

#include "os/DynamicLibrary.h"
#include "support/FifoWatchdog.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

TEST(PlatformLayerPosix, LibrariesNeverLoadFromAFifo) {
  const testing::ScopedTempDir temp;
  const std::string fifo = temp.Path() + "lib.so";
  ASSERT_TRUE(testing::MakeFifo(fifo));
  bool loaded = true;
  EXPECT_TRUE(testing::FinishesWithoutBlocking(
      fifo, [&] { loaded = os::OpenLibrary(fifo.c_str()) != nullptr; }));
  EXPECT_FALSE(loaded);
}

}  // namespace
}  // namespace zentoir
