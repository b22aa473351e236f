// What every platform's runtime/os/ must give the layers above it: paths that end in a
// separator, a clock that never goes back, loopback TCP, and libraries loaded by name.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "os/Clock.h"
#include "os/DynamicLibrary.h"
#include "os/Paths.h"
#include "os/Sockets.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ScopedTempDir;

TEST(PlatformLayer, PathsNameFoldersWithTheirSeparator) {
  const ScopedTempDir temp;
  // Windows gives its own separator, the test folder has '/'.
  EXPECT_EQ(std::filesystem::path(os::TempDirectory()), std::filesystem::path(temp.Path()));
  const std::string program = os::ExecutablePath();
  EXPECT_TRUE(std::filesystem::is_regular_file(program)) << program;
  ASSERT_FALSE(os::FolderOf(program).empty());
  EXPECT_EQ(os::FolderOf(program).back(), testing::OnWindows() ? '\\' : '/');
  EXPECT_EQ(os::FolderOf("a/b/c.txt"), "a/b/");
  EXPECT_EQ(os::FolderOf("c.txt"), "");

  const std::string before = os::CurrentDirectory();
  ASSERT_TRUE(os::ChangeDirectory(temp.Path()));
  EXPECT_EQ(os::CurrentDirectory().back(), '/');
  EXPECT_FALSE(os::ChangeDirectory(temp.Path() + "missing"));
  ASSERT_TRUE(os::ChangeDirectory(before));
  EXPECT_EQ(os::CurrentDirectory(), before);
}

TEST(PlatformLayer, TheClockNeverGoesBackAndSleepsLastAtLeastTheirTime) {
  double last = os::MonotonicMs();
  for (int i = 0; i < 1000; ++i) {
    const double now = os::MonotonicMs();
    ASSERT_GE(now, last);
    last = now;
  }
  os::SleepMilliseconds(20);
  EXPECT_GE(os::MonotonicMs() - last, 19.0);
}

// Waits (generously) until the socket has something to read.
bool Readable(int socket) {
  std::vector<bool> readable;
  return os::WaitReadable({socket}, 10000, readable) && readable[0];
}

TEST(PlatformLayer, LoopbackConnectionsCarryBytesAndTellTheClose) {
  const int listener = os::ListenOnPort(0);
  ASSERT_NE(listener, os::kNoSocket);
  const uint16_t port = os::LocalPort(listener);
  ASSERT_NE(port, 0);
  const int client = os::ConnectToHost("127.0.0.1", port, 10000);
  ASSERT_NE(client, os::kNoSocket);
  ASSERT_TRUE(Readable(listener));
  int server = os::kNoSocket;
  ASSERT_EQ(os::AcceptPending(listener, server), os::AcceptResult::Accepted);

  EXPECT_EQ(os::SendAll(client, "ping", 4, 10000), 4u);
  ASSERT_TRUE(Readable(server));
  char buffer[8] = {};
  const os::IoResult got = os::ReceiveSome(server, buffer, sizeof buffer);
  EXPECT_EQ(got.status, os::IoStatus::Done);
  EXPECT_EQ(std::string(buffer, got.bytes), "ping");
  EXPECT_EQ(os::ReceiveSome(server, buffer, sizeof buffer).status, os::IoStatus::WouldBlock);

  os::CloseSocket(client);
  ASSERT_TRUE(Readable(server));
  EXPECT_EQ(os::ReceiveSome(server, buffer, sizeof buffer).status, os::IoStatus::Closed);
  os::CloseSocket(server);
  os::CloseSocket(listener);
}

TEST(PlatformLayer, LibrariesLoadByNameAndNeverFromAFolder) {
  os::LibraryHandle maths = os::OpenLibrary(testing::OnWindows() ? "msvcrt.dll" : "libm.so.6");
  ASSERT_NE(maths, nullptr);
  auto* cosine = reinterpret_cast<double (*)(double)>(os::LibrarySymbol(maths, "cos"));
  ASSERT_NE(cosine, nullptr);
  EXPECT_EQ(cosine(0), 1.0);
  EXPECT_EQ(os::LibrarySymbol(maths, "no_such_function_here"), nullptr);
  os::CloseLibrary(maths);

  const ScopedTempDir temp;
  EXPECT_EQ(os::OpenLibrary(temp.Path().c_str()), nullptr);
}

}  // namespace
}  // namespace zentoir
