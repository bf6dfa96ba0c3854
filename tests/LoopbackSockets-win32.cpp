// Winsock must come before the rest of the Windows headers.
#include <winsock2.h>

#include <windows.h>

#include <cstdint>

#include "LoopbackSockets.h"

namespace test {
namespace {

// Winsock must be started once per process before any socket call.
struct Winsock {
  Winsock() {
    WSADATA data;
    (void)WSAStartup(MAKEWORD(2, 2), &data);
  }
};

SOCKET NewSocket() {
  static Winsock started;
  return socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
}

sockaddr_in Loopback(int port) {
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<u_short>(port));
  return addr;
}

std::u16string UrlOf(int port) {
  const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/";
  return std::u16string(url.begin(), url.end());
}

}  // namespace

SilentPort::SilentPort(int backlog) : socket_(static_cast<std::intptr_t>(NewSocket())) {
  const auto s = static_cast<SOCKET>(socket_);
  sockaddr_in addr = Loopback(0);
  int len = sizeof addr;
  (void)bind(s, reinterpret_cast<sockaddr*>(&addr), len);
  // Winsock treats a backlog of 0 as "a reasonable default"; 1 is the smallest queue it keeps.
  (void)listen(s, backlog > 0 ? backlog : 1);
  (void)getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
}

SilentPort::~SilentPort() {
  for (std::intptr_t s : fillers_) closesocket(static_cast<SOCKET>(s));
  closesocket(static_cast<SOCKET>(socket_));
}

void SilentPort::FillBacklog() {
  for (int i = 0; i < 4; ++i) {
    SOCKET s = NewSocket();
    u_long nonBlocking = 1;
    (void)ioctlsocket(s, FIONBIO, &nonBlocking);
    sockaddr_in addr = Loopback(port_);
    (void)connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    fillers_.push_back(static_cast<std::intptr_t>(s));
  }
  WSAPOLLFD p{static_cast<SOCKET>(fillers_.front()), POLLOUT, 0};
  (void)WSAPoll(&p, 1, 1000);
}

std::u16string SilentPort::Url() const {
  return UrlOf(port_);
}

std::u16string RefusedUrl() {
  SOCKET s = NewSocket();
  sockaddr_in addr = Loopback(0);
  int len = sizeof addr;
  (void)bind(s, reinterpret_cast<sockaddr*>(&addr), len);
  (void)getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
  closesocket(s);
  return UrlOf(ntohs(addr.sin_port));
}

std::chrono::nanoseconds ProcessCpuTime() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ticks = [](const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  // FILETIME counts 100 ns.
  return std::chrono::nanoseconds((ticks(kernel) + ticks(user)) * 100);
}

}  // namespace test
