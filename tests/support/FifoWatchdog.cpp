#include "support/FifoWatchdog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace zentoir::testing {
namespace {

constexpr auto kPoll = std::chrono::milliseconds(20);
constexpr int kPatientPolls = 250;  // 5 s: a call that does not block returns at once

bool WaitFor(const std::atomic<bool>& done, int polls) {
  for (int i = 0; i < polls && !done; ++i)
    std::this_thread::sleep_for(kPoll);
  return done;
}

}  // namespace

bool MakeFifo(const std::string& path) {
  return mkfifo(path.c_str(), 0600) == 0;
}

bool FinishesWithoutBlocking(const std::string& fifo, const std::function<void()>& call) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    call();
    done = true;
  });
  const bool inTime = WaitFor(done, kPatientPolls);
  // Opening both ends (O_RDWR never waits on Linux) wakes an open waiting for the other
  // side; closing again lets a waiting read see the end of the data.
  while (!done) {
    const int fd = open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) close(fd);
    WaitFor(done, 5);
  }
  worker.join();
  return inTime;
}

}  // namespace zentoir::testing
