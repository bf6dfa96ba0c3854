// NS lookups on POSIX. The system's servers are asked through the resolver library
// (res_nquery), with a resolver state per lookup so that lookups may run on several threads,
// each bounded by its own time-outs. A chosen server, IPv4 or IPv6 on any port, is asked
// directly over UDP, as the resolver library would, and its answer read with the library's
// message parser.
#include <arpa/inet.h>
#include <arpa/nameser.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <resolv.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "check/dns/DnsMessage.h"
#include "check/dns/DnsServer.h"
#include "check/dns/NsResolver.h"
#include "web/Sockets.h"

namespace check {
namespace {

using Clock = std::chrono::steady_clock;

// Two tries of two seconds each bound a lookup, as the resolver library's own settings below.
constexpr int kTries = 2;
constexpr auto kTryTime = std::chrono::seconds(2);

NsAnswer AskSystem(const std::string& name) {
  struct __res_state state {};
  if (res_ninit(&state) != 0) return {NsAnswer::Kind::Failed, "cannot set up the resolver"};
  state.retrans = 2;
  state.retry = kTries;
  std::vector<unsigned char> answer(4096);
  const int length =
      res_nquery(&state, name.c_str(), ns_c_in, ns_t_ns, answer.data(), int(answer.size()));
  const int error = state.res_h_errno;
  res_nclose(&state);
  if (length >= 0) return ReadNsAnswer(std::span(answer.data(), std::size_t(length)), name);
  switch (error) {
    case HOST_NOT_FOUND:
      return {NsAnswer::Kind::NoSuchName, ""};
    case NO_DATA:
      return {NsAnswer::Kind::NoRecords, ""};
    case TRY_AGAIN:
      return {NsAnswer::Kind::Failed, "DNS failed or did not answer"};
    default:
      return {NsAnswer::Kind::Failed, "DNS refused the query"};
  }
}

// Reads datagrams until the answer to `id` arrives or the try's time is up.
std::optional<NsAnswer> WaitForAnswer(int sock, std::uint16_t id, const std::string& name) {
  std::vector<unsigned char> buffer(65536);  // the largest datagram
  const auto deadline = Clock::now() + kTryTime;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return std::nullopt;
    pollfd entry{sock, POLLIN, 0};
    const int ready = poll(&entry, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    // A port that refuses (ICMP) shows as an error; the next try may still be answered.
    if (ready <= 0 || (entry.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) return std::nullopt;
    const ssize_t n = recv(sock, buffer.data(), buffer.size(), MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
    if (n < 0) return std::nullopt;
    const DnsHeader header = ReadDnsHeader(std::span(buffer.data(), std::size_t(n)), id);
    if (!header.forQuery) continue;
    if (header.settled) return header.settled;
    return ReadNsAnswer(std::span(buffer.data(), std::size_t(n)), name);
  }
}

class ResolvResolver final : public NsResolver {
 public:
  explicit ResolvResolver(const std::string& server) : server_(server) {
    if (server_.empty()) return;
    const std::optional<DnsServer> parsed = ParseDnsServer(server_);
    if (!parsed) return;
    valid_ =
        web::NumericAddress(parsed->address, parsed->ipv6, parsed->port, address_, addressLength_);
  }

  NsAnswer LookUpNs(const std::string& name) override {
    if (server_.empty()) return AskSystem(name);
    if (!valid_) return {NsAnswer::Kind::Failed, "invalid DNS server " + server_};
    return AskDirectly(name);
  }

 private:
  NsAnswer AskDirectly(const std::string& name) const {
    static std::atomic<std::uint16_t> nextId{
        static_cast<std::uint16_t>(Clock::now().time_since_epoch().count())};
    const std::uint16_t id = nextId.fetch_add(7919);
    const std::string query = BuildDnsQuery(name, DnsType::Ns, id, true);
    if (query.empty()) return {NsAnswer::Kind::Failed, "not a name DNS can hold: " + name};
    const int sock = socket(address_.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (sock < 0) return {NsAnswer::Kind::Failed, "cannot open a UDP socket"};
    // A connected socket only receives the server's datagrams.
    NsAnswer answer{NsAnswer::Kind::Failed, "DNS failed or did not answer"};
    if (connect(sock, reinterpret_cast<const sockaddr*>(&address_), addressLength_) == 0) {
      for (int attempt = 0; attempt < kTries; ++attempt) {
        if (send(sock, query.data(), query.size(), MSG_NOSIGNAL) < 0) break;
        if (auto read = WaitForAnswer(sock, id, name)) {
          answer = std::move(*read);
          break;
        }
      }
    }
    close(sock);
    return answer;
  }

  std::string server_;
  sockaddr_storage address_{};
  socklen_t addressLength_ = 0;
  bool valid_ = false;
};

}  // namespace

std::unique_ptr<NsResolver> OpenNsResolver(const std::string& server) {
  return std::make_unique<ResolvResolver>(server);
}

std::vector<DnsServer> SystemDnsServers() {
  std::vector<DnsServer> servers;
  struct __res_state state {};
  if (res_ninit(&state) != 0) return servers;
  for (int i = 0; i < state.nscount; ++i) {
    const sockaddr_in& address = state.nsaddr_list[i];
    if (address.sin_family != AF_INET) continue;
    char text[INET_ADDRSTRLEN];
    if (!inet_ntop(AF_INET, &address.sin_addr, text, sizeof text)) continue;
    servers.push_back({text, false, ntohs(address.sin_port)});
  }
  res_nclose(&state);
  return servers;
}

}  // namespace check
