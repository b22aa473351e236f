// The download tests' web server on 127.0.0.1 and their fixture.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "NetTestSupport.h"
#include "net/DownloadSettings.h"
#include "os/Environment.h"
#include "support/TempDir.h"

namespace zentoir::testing {

inline bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() !=
         std::filesystem::file_type::not_found;
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
    testing::CloseRaw(listener_);
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
    const int peer = testing::AcceptConnection(listener_);
    if (peer < 0) return;
    testing::SetReceiveTimeout(peer, 10);
    char byte = 0;
    while (request_.find("\r\n\r\n") == std::string::npos &&
           testing::ReceiveRaw(peer, &byte, 1) == 1)
      request_ += byte;
    if (!answer_) {
      while (testing::ReceiveRaw(peer, &byte, 1) == 1) {
      }
    }
    for (const std::string& chunk : chunks_) {
      testing::SendBytes(peer, chunk);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    testing::CloseRaw(peer);
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

}  // namespace zentoir::testing
