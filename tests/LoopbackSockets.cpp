#include "LoopbackSockets.h"

#include <cstdint>

#include "web/Sockets.h"

namespace test {
namespace {

using web::SocketHandle;

// 127.0.0.1 at the port; 0 asks for a free one.
sockaddr_storage Loopback(int port, socklen_t& length) {
  sockaddr_storage address{};
  web::NumericAddress("127.0.0.1", false, static_cast<std::uint16_t>(port), address, length);
  return address;
}

// A TCP socket bound to a free port on 127.0.0.1, and that port.
SocketHandle BoundSocket(int& port) {
  web::StartSockets();
  const SocketHandle sock = web::OpenTcpSocket(AF_INET);
  socklen_t length = 0;
  sockaddr_storage address = Loopback(0, length);
  (void)bind(sock, reinterpret_cast<sockaddr*>(&address), length);
  (void)getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
  return sock;
}

std::u16string UrlOf(int port) {
  const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/";
  return std::u16string(url.begin(), url.end());
}

}  // namespace

SilentPort::SilentPort(int backlog) {
  const SocketHandle sock = BoundSocket(port_);
  socket_ = static_cast<std::intptr_t>(sock);
  // Winsock takes a backlog of 0 for "a reasonable default"; 1 is the smallest queue it keeps.
#ifdef _WIN32
  if (backlog == 0) backlog = 1;
#endif
  (void)listen(sock, backlog);
}

SilentPort::~SilentPort() {
  for (std::intptr_t filler : fillers_) web::CloseSocket(static_cast<SocketHandle>(filler), true);
  web::CloseSocket(static_cast<SocketHandle>(socket_), true);
}

void SilentPort::FillBacklog() {
  for (int i = 0; i < 4; ++i) {
    const SocketHandle sock = web::OpenTcpSocket(AF_INET);
    web::SetNonBlocking(sock);
    socklen_t length = 0;
    const sockaddr_storage address = Loopback(port_, length);
    (void)connect(sock, reinterpret_cast<const sockaddr*>(&address), length);
    fillers_.push_back(static_cast<std::intptr_t>(sock));
  }
  web::PollEntry entry{static_cast<SocketHandle>(fillers_.front()), POLLOUT, 0};
  (void)web::PollSockets(&entry, 1, 1000);
}

std::u16string SilentPort::Url() const {
  return UrlOf(port_);
}

std::u16string RefusedUrl() {
  int port = 0;
  web::CloseSocket(BoundSocket(port), true);
  return UrlOf(port);
}

}  // namespace test
