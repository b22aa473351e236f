#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <string>
#include <thread>
#include <vector>

#include "NetTestSupport.h"
#include "net/Download.h"
#include "net/DownloadSettings.h"
#include "os/Environment.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ReadFileBytes;

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

// A web server for one request on 127.0.0.1: it reads the request, then sends its
// chunks 50 ms apart and closes; or, told not to answer, holds the connection until
// the client gives up.
class ScriptedServer {
 public:
  explicit ScriptedServer(std::vector<std::string> chunks, bool answer = true)
      : chunks_(std::move(chunks)), answer_(answer) {
    listener_ = testing::ListenLoopback(0, port_);
    thread_ = std::thread([this] { Serve(); });
  }
  ~ScriptedServer() {
    thread_.join();
    close(listener_);
  }
  double Port() const { return port_; }
  // What the client sent (complete once the download returned).
  std::string Request() {
    thread_.join();
    thread_ = std::thread([] {});
    return request_;
  }

 private:
  void Serve() {
    pollfd entry{listener_, POLLIN, 0};
    if (poll(&entry, 1, 10000) != 1) return;
    const int peer = accept(listener_, nullptr, nullptr);
    timeval wait{10, 0};
    setsockopt(peer, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    char byte = 0;
    while (request_.find("\r\n\r\n") == std::string::npos && recv(peer, &byte, 1, 0) == 1)
      request_ += byte;
    if (!answer_) {
      while (recv(peer, &byte, 1, 0) == 1) {
      }
    }
    for (const std::string& chunk : chunks_) {
      testing::SendBytes(peer, chunk);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    close(peer);
  }

  std::vector<std::string> chunks_;
  bool answer_;
  int listener_;
  uint16_t port_ = 0;
  std::thread thread_;
  std::string request_;
};

class Download : public ::testing::Test {
 protected:
  // Every request here goes to this machine, never through a proxy of the environment.
  void SetUp() override {
    for (const char* name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
      os::SetEnvironmentValue(name, nullptr);
  }
  void TearDown() override { DownloadSettingsInUse() = DownloadSettings(); }
  std::string File(const char* name) const { return tmp_.Path() + name; }
  testing::ScopedTempDir tmp_;
};

TEST_F(Download, HeadersOnlyLeaveAnEmptyFileAndTheRequestIsSentAsItStands) {
  const std::string file = File("empty.txt");
  testing::WriteFileBytes(file, "old contents");
  ScriptedServer server({"HTTP/1.0 200 OK\r\nServer: test\r\n\r\n"});
  EXPECT_EQ(DownloadFile("127.0.0.1", "/a b/../c?x=1", server.Port(), file.c_str()), 1);
  EXPECT_TRUE(Exists(file));
  EXPECT_EQ(ReadFileBytes(file), "");
  EXPECT_EQ(server.Request(),
            "GET /a b/../c?x=1 HTTP/1.0\r\nHost:127.0.0.1\r\nAccept: */*\r\n"
            "User-Agent: Zentoir game\r\n\r\n");
}

TEST_F(Download, TheBodyStartsAfterTheFirstEmptyLineWhateverTheLineEndsAndChunks) {
  struct Case {
    std::vector<std::string> chunks;
    std::string body;
  } cases[] = {
      {{"HTTP/1.0 200 OK\nX-A: 1\n\nline one\r\n\r\nline two"}, "line one\r\n\r\nline two"},
      {{"HTTP/1.0 200 OK\r\nX-A: 1\r\n\r", "\nsecond chunk", " and a third"},
       "second chunk and a third"},
      {{"HTTP/1.0 404 Not Found\r\n\r\n<h1>missing</h1>"}, "<h1>missing</h1>"},
  };
  for (const Case& c : cases) {
    const std::string file = File("body.txt");
    ScriptedServer server(c.chunks);
    EXPECT_EQ(DownloadFile("127.0.0.1", "/", server.Port(), file.c_str()), 1) << c.body;
    EXPECT_EQ(ReadFileBytes(file), c.body);
  }
}

TEST_F(Download, NoServerMeansNoFileAndASilentServerTimesOut) {
  const std::string file = File("never.txt");
  EXPECT_EQ(DownloadFile("127.0.0.1", "/", testing::FreePort(), file.c_str()), 0);
  EXPECT_FALSE(Exists(file));

  DownloadSettingsInUse().stallTimeoutS = 1;
  ScriptedServer silent({}, false);
  EXPECT_EQ(DownloadFile("127.0.0.1", "/", silent.Port(), file.c_str()), 0);
}

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
