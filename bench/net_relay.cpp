// Network games on this machine: the round trip of a message between two players
// through the host, and messages per second the host relays to 8 players, each beside
// the same traffic over plain TCP sockets (an echo, and a relay thread that copies each
// message to 8 sockets), which is the limit the runtime can approach.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "net/NetworkState.h"
#include "os/Sockets.h"

namespace {

using namespace zentoir;
using Clock = std::chrono::steady_clock;

constexpr int kRoundTrips = 2000;
constexpr int kReceivers = 8;
constexpr int kRelayed = 2000;
const std::string kText = "a message of thirty bytes ....";

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A port nothing listens on right now.
uint16_t FreePort() {
  const int s = os::ListenOnPort(0);
  const uint16_t port = os::LocalPort(s);
  os::CloseSocket(s);
  return port;
}

// A connected pair of loopback TCP sockets with Nagle's delay off.
void TcpPair(int& a, int& b) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(listener, 1);
  socklen_t length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  a = socket(AF_INET, SOCK_STREAM, 0);
  connect(a, reinterpret_cast<sockaddr*>(&address), sizeof address);
  b = accept(listener, nullptr, nullptr);
  close(listener);
  int on = 1;
  setsockopt(a, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  setsockopt(b, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

bool ReadExactly(int s, char* buffer, size_t count) {
  while (count > 0) {
    const ssize_t n = recv(s, buffer, count, 0);
    if (n <= 0) return false;
    buffer += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

std::string WaitForMessage(NetworkState& state, int32_t id) {
  for (;;) {
    std::string text = state.GetMessage(id);
    if (!text.empty()) return text;
    std::this_thread::yield();
  }
}

// Microseconds per round trip: A to B through the host, and B's answer back to A.
double RuntimeRoundTrip() {
  const uint16_t port = FreePort();
  NetworkState host, client;
  if (!host.Host(port) || !client.Join("127.0.0.1", port)) return -1;
  const int32_t a = host.CreatePlayer("A");
  const int32_t b = client.CreatePlayer("B");
  const auto start = Clock::now();
  for (int i = 0; i < kRoundTrips; ++i) {
    host.SendMessage(a, b, kText);
    WaitForMessage(client, b);
    client.SendMessage(b, a, kText);
    WaitForMessage(host, a);
  }
  return Seconds(start) * 1e6 / kRoundTrips;
}

// The same two hops per direction (player to host, host to player) over plain sockets.
double TcpRoundTrip() {
  int a, hostA, hostB, b;
  TcpPair(a, hostA);
  TcpPair(hostB, b);
  std::thread relay([&] {
    char buffer[64];
    for (int i = 0; i < kRoundTrips; ++i) {
      ReadExactly(hostA, buffer, kText.size());
      send(hostB, buffer, kText.size(), 0);
      ReadExactly(hostB, buffer, kText.size());
      send(hostA, buffer, kText.size(), 0);
    }
  });
  std::thread echo([&] {
    char buffer[64];
    for (int i = 0; i < kRoundTrips; ++i) {
      ReadExactly(b, buffer, kText.size());
      send(b, buffer, kText.size(), 0);
    }
  });
  char buffer[64];
  const auto start = Clock::now();
  for (int i = 0; i < kRoundTrips; ++i) {
    send(a, kText.data(), kText.size(), 0);
    ReadExactly(a, buffer, kText.size());
  }
  const double us = Seconds(start) * 1e6 / kRoundTrips;
  relay.join();
  echo.join();
  for (int s : {a, hostA, hostB, b})
    close(s);
  return us;
}

// Messages per second: one player sends to everybody, 8 players on 8 joined programs
// take every copy.
double RuntimeRelayRate() {
  const uint16_t port = FreePort();
  NetworkState host;
  if (!host.Host(port)) return -1;
  const int32_t sender = host.CreatePlayer("Sender");
  std::vector<std::unique_ptr<NetworkState>> programs;
  std::vector<int32_t> ids;
  for (int i = 0; i < kReceivers; ++i) {
    programs.push_back(std::make_unique<NetworkState>());
    if (!programs.back()->Join("127.0.0.1", port)) return -1;
    ids.push_back(programs.back()->CreatePlayer("R" + std::to_string(i)));
  }
  const auto start = Clock::now();
  std::vector<int> received(kReceivers, 0);
  int sent = 0, done = 0;
  while (done < kReceivers) {
    if (sent < kRelayed) sent += host.SendMessage(sender, 0, kText) ? 1 : 0;
    for (int i = 0; i < kReceivers; ++i) {
      if (received[i] == kRelayed) continue;
      while (!programs[i]->GetMessage(ids[i]).empty())
        ++received[i];
      if (received[i] == kRelayed) ++done;
    }
  }
  return kRelayed * kReceivers / Seconds(start);
}

// The same fan-out over plain sockets: a relay thread copies each message to 8 sockets.
double TcpRelayRate() {
  int from, relayIn;
  TcpPair(from, relayIn);
  std::vector<int> outs(kReceivers), ins(kReceivers);
  for (int i = 0; i < kReceivers; ++i)
    TcpPair(outs[i], ins[i]);
  std::thread relay([&] {
    char buffer[64];
    for (int m = 0; m < kRelayed; ++m) {
      ReadExactly(relayIn, buffer, kText.size());
      for (int s : outs)
        send(s, buffer, kText.size(), 0);
    }
  });
  std::vector<std::thread> readers;
  const auto start = Clock::now();
  for (int i = 0; i < kReceivers; ++i) {
    readers.emplace_back([&, i] {
      char buffer[64];
      for (int m = 0; m < kRelayed; ++m)
        ReadExactly(ins[i], buffer, kText.size());
    });
  }
  for (int m = 0; m < kRelayed; ++m)
    send(from, kText.data(), kText.size(), 0);
  for (auto& reader : readers)
    reader.join();
  const double rate = kRelayed * kReceivers / Seconds(start);
  relay.join();
  for (int s : outs)
    close(s);
  for (int s : ins)
    close(s);
  close(from);
  close(relayIn);
  return rate;
}

}  // namespace

int main() {
  const double ours = RuntimeRoundTrip();
  const double tcp = TcpRoundTrip();
  std::printf("%-44s %9.1f us  %9.1f us (plain TCP relay)  ratio %.2f\n",
              "round trip through the host", ours, tcp, ours / tcp);
  const double rate = RuntimeRelayRate();
  const double tcpRate = TcpRelayRate();
  std::printf("%-44s %9.0f /s  %9.0f /s (plain TCP fan-out)  ratio %.2f\n",
              "messages relayed to 8 players", rate, tcpRate, tcpRate / rate);
  return 0;
}
