// Movies on POSIX systems: a FIFO is no movie.
#include <sys/stat.h>

#include <string>

#include "MovieFixture.h"
#include "zentoir.h"

namespace zentoir::testing {
namespace {

TEST_F(MovieTest, AFifoIsNotPlayable) {
  const std::string fifo = dir_.Path() + "fifo.mkv";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(PlayMovie(fifo.c_str()), 3);  // no writer: never waits for one
}

}  // namespace
}  // namespace zentoir::testing
