// A forward proxy on 127.0.0.1 for tests: HTTP CONNECT tunnels, HTTP requests in absolute form
// ("GET http://host:port/path"), and SOCKS5 without authentication, each connection relayed to
// its target. It keeps the target of every connection that passed through, so a test can show
// that requests really went by the proxy; it can refuse every connection instead.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace sim {

class ProxySim {
 public:
  ProxySim();  // starts listening; throws std::runtime_error
  ~ProxySim();
  ProxySim(const ProxySim&) = delete;
  ProxySim& operator=(const ProxySim&) = delete;

  std::string Address() const;  // "127.0.0.1:PORT"
  // "connect host:port", "http host:port" or "socks host:port", one a connection, in order.
  std::vector<std::string> Passed() const;
  // Answers 403 (HTTP) or "connection not allowed" (SOCKS) to every request from now on.
  void Refuse();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sim
