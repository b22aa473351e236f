// Downloads onto what is not a regular file, and over TLS from a local openssl server.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "DownloadFixture.h"
#include "net/Download.h"

namespace zentoir {
namespace {

using testing::Download;
using testing::Exists;
using testing::ReadFileBytes;
using testing::ScriptedServer;

TEST_F(Download, SomethingThatIsNotARegularFileIsLeftAlone) {
  const std::string fifo = File("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  ScriptedServer server({"HTTP/1.0 200 OK\r\n\r\nbody"});
  EXPECT_EQ(DownloadFile("127.0.0.1", "/", server.Port(), fifo.c_str()), 0);
  struct stat info;
  ASSERT_EQ(lstat(fifo.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// openssl s_server with a certificate made for the test, serving the test folder for
// one connection. Ended by its process id when the test is over.
class TlsServer {
 public:
  TlsServer(const std::string& folder, uint16_t port) {
    int out[2];
    if (pipe(out) != 0) return;
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
      // Ends with the test, even one killed by a time limit.
      if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent) _exit(127);
      dup2(out[1], STDOUT_FILENO);
      dup2(out[1], STDERR_FILENO);
      if (chdir(folder.c_str()) != 0) _exit(127);
      const std::string accept = "127.0.0.1:" + std::to_string(port);
      execlp("openssl", "openssl", "s_server", "-accept", accept.c_str(), "-naccept", "1", "-WWW",
             "-cert", "cert.pem", "-key", "key.pem", nullptr);
      _exit(127);
    }
    close(out[1]);
    ready_ = WaitForLine(out[0], "ACCEPT");
    close(out[0]);
  }
  ~TlsServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  bool Ready() const { return ready_; }

 private:
  static bool WaitForLine(int fd, const std::string& line) {
    std::string seen;
    char byte = 0;
    pollfd entry{fd, POLLIN, 0};
    while (poll(&entry, 1, 10000) == 1 && read(fd, &byte, 1) == 1) {
      seen += byte;
      if (seen.find(line) != std::string::npos) return true;
    }
    return false;
  }
  pid_t pid_ = -1;
  bool ready_ = false;
};

bool MakeCertificate(const std::string& folder) {
  const std::string command =
      "cd '" + folder +
      "' && openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes "
      "-keyout key.pem -out cert.pem -days 1 -subj /CN=localhost "
      "-addext subjectAltName=IP:127.0.0.1,DNS:localhost >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

TEST_F(Download, HttpsWithTheServersCertificateTrusted) {
  if (std::system("command -v openssl >/dev/null 2>&1") != 0) GTEST_SKIP() << "no openssl";
  ASSERT_TRUE(MakeCertificate(tmp_.Path()));
  ASSERT_TRUE(testing::WriteFileBytes(File("page.txt"), "secret page"));
  const uint16_t port = testing::FreePort();
  TlsServer server(tmp_.Path(), port);
  ASSERT_TRUE(server.Ready());
  DownloadSettingsInUse().tlsPort = port;
  DownloadSettingsInUse().caFile = File("cert.pem");
  const std::string file = File("got.txt");
  EXPECT_EQ(DownloadFile("127.0.0.1", "/page.txt", port, file.c_str()), 1);
  EXPECT_EQ(ReadFileBytes(file), "secret page");
}

TEST_F(Download, HttpsWithAnUntrustedCertificateIsRefused) {
  if (std::system("command -v openssl >/dev/null 2>&1") != 0) GTEST_SKIP() << "no openssl";
  ASSERT_TRUE(MakeCertificate(tmp_.Path()));
  ASSERT_EQ(mkdir(File("trusted").c_str(), 0700), 0);
  ASSERT_TRUE(MakeCertificate(File("trusted")));  // the only certificate trusted here
  ASSERT_TRUE(testing::WriteFileBytes(File("page.txt"), "secret page"));
  const uint16_t port = testing::FreePort();
  TlsServer server(tmp_.Path(), port);
  ASSERT_TRUE(server.Ready());
  DownloadSettingsInUse().tlsPort = port;
  DownloadSettingsInUse().caFile = File("trusted/cert.pem");
  const std::string file = File("got.txt");
  EXPECT_EQ(DownloadFile("127.0.0.1", "/page.txt", port, file.c_str()), 0);
  EXPECT_FALSE(Exists(file));
}

}  // namespace
}  // namespace zentoir
