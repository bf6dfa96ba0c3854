#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>

#include "LoopbackSockets.h"

namespace test {
namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  return addr;
}

std::u16string UrlOf(int port) {
  const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/";
  return std::u16string(url.begin(), url.end());
}

}  // namespace

SilentPort::SilentPort(int backlog) : socket_(socket(AF_INET, SOCK_STREAM, 0)) {
  sockaddr_in addr = Loopback(0);
  socklen_t len = sizeof addr;
  (void)bind(socket_, reinterpret_cast<sockaddr*>(&addr), len);
  (void)listen(socket_, backlog);
  (void)getsockname(socket_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
}

SilentPort::~SilentPort() {
  for (std::intptr_t fd : fillers_) close(static_cast<int>(fd));
  close(static_cast<int>(socket_));
}

void SilentPort::FillBacklog() {
  for (int i = 0; i < 4; ++i) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in addr = Loopback(port_);
    (void)connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    fillers_.push_back(fd);
  }
  pollfd p{static_cast<int>(fillers_.front()), POLLOUT, 0};
  (void)poll(&p, 1, 1000);
}

std::u16string SilentPort::Url() const {
  return UrlOf(port_);
}

std::u16string RefusedUrl() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr = Loopback(0);
  socklen_t len = sizeof addr;
  (void)bind(fd, reinterpret_cast<sockaddr*>(&addr), len);
  (void)getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  close(fd);
  return UrlOf(ntohs(addr.sin_port));
}

std::chrono::nanoseconds ProcessCpuTime() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

}  // namespace test
