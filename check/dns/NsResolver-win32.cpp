// NS lookups on Windows. The system's DNS client (DnsQuery_W) serves the configured servers and
// a chosen IPv4 server on port 53, the only kind it asks. A chosen server on another port (a
// local test resolver, the demo's) or at an IPv6 address is asked directly over UDP; its answer's
// records are read by the system's DnsExtractRecordsFromMessage_W.

// Winsock must come before the rest of the Windows headers.
#include <winsock2.h>

#include <iphlpapi.h>
#include <windns.h>
#include <windows.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "check/dns/DnsMessage.h"
#include "check/dns/DnsServer.h"
#include "check/dns/NsResolver.h"
#include "web/Sockets.h"

namespace check {
namespace {

using Clock = std::chrono::steady_clock;

// Two tries of two seconds each bound a lookup, as on the other platforms.
constexpr int kTries = 2;
constexpr auto kTryTime = std::chrono::seconds(2);

// What the system's records say, once it has said the name exists: NS records owned by the name
// itself delegate it.
NsAnswer FromRecords(PDNS_RECORD records, const std::string& name) {
  for (PDNS_RECORD r = records; r; r = r->pNext) {
    if (r->wType != DNS_TYPE_NS || r->Flags.S.Section != DnsSectionAnswer || !r->pName) continue;
    std::string owner;
    for (const wchar_t* c = r->pName; *c; ++c) {
      owner += *c >= L'A' && *c <= L'Z' ? char(*c - L'A' + 'a') : *c < 0x80 ? char(*c) : '?';
    }
    if (owner.ends_with('.')) owner.pop_back();
    if (owner == name) return {NsAnswer::Kind::Delegated, ""};
  }
  return {NsAnswer::Kind::NoRecords, ""};
}

// Reads a server's answer to query `id`; nothing when `answer` is not one (another id, or not
// an answer at all), so that the caller waits on.
std::optional<NsAnswer> ReadAnswer(std::span<const unsigned char> answer, std::uint16_t id,
                                   const std::string& name) {
  const DnsHeader header = ReadDnsHeader(answer, id);
  if (!header.forQuery) return std::nullopt;
  if (header.settled) return header.settled;
  return ReadNsAnswer(answer, name);
}

class DnsApiResolver final : public NsResolver {
 public:
  explicit DnsApiResolver(const std::string& server) : server_(server) {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    if (server_.empty()) return;
    const std::optional<DnsServer> parsed = ParseDnsServer(server_);
    valid_ = parsed.has_value();
    if (!parsed) return;
    valid_ =
        web::NumericAddress(parsed->address, parsed->ipv6, parsed->port, address_, addressLength_);
    systemAsks_ = !parsed->ipv6 && parsed->port == 53;
  }
  ~DnsApiResolver() override {
    if (started_) WSACleanup();
  }

  NsAnswer LookUpNs(const std::string& name) override {
    if (!server_.empty() && !valid_)
      return {NsAnswer::Kind::Failed, "invalid DNS server " + server_};
    if (!server_.empty() && !systemAsks_) return AskDirectly(name);
    IP4_ARRAY servers{};
    PIP4_ARRAY extra = nullptr;
    if (!server_.empty()) {
      servers.AddrCount = 1;
      servers.AddrArray[0] = reinterpret_cast<const sockaddr_in&>(address_).sin_addr.S_un.S_addr;
      extra = &servers;
    }
    const std::wstring wide(name.begin(), name.end());
    PDNS_RECORD records = nullptr;
    const DNS_STATUS status =
        DnsQuery_W(wide.c_str(), DNS_TYPE_NS, DNS_QUERY_BYPASS_CACHE, extra, &records, nullptr);
    NsAnswer answer;
    if (status == DNS_ERROR_RCODE_NAME_ERROR) {
      answer = {NsAnswer::Kind::NoSuchName, ""};
    } else if (status == DNS_INFO_NO_RECORDS) {
      answer = {NsAnswer::Kind::NoRecords, ""};
    } else if (status != 0) {
      answer = {NsAnswer::Kind::Failed, "DNS failed (error " + std::to_string(status) + ")"};
    } else {
      answer = FromRecords(records, name);
    }
    if (records) DnsRecordListFree(records, DnsFreeRecordList);
    return answer;
  }

 private:
  NsAnswer AskDirectly(const std::string& name) {
    static std::atomic<std::uint16_t> nextId{static_cast<std::uint16_t>(GetTickCount())};
    const std::uint16_t id = nextId.fetch_add(7919);
    const std::string query = BuildDnsQuery(name, DnsType::Ns, id, true);
    if (query.empty()) return {NsAnswer::Kind::Failed, "not a name DNS can hold: " + name};
    const SOCKET sock = WSASocketW(address_.ss_family, SOCK_DGRAM, IPPROTO_UDP, nullptr, 0,
                                   WSA_FLAG_NO_HANDLE_INHERIT);
    if (sock == INVALID_SOCKET) return {NsAnswer::Kind::Failed, "cannot open a UDP socket"};
    // A connected socket only receives the server's datagrams; a non-blocking one never waits
    // in recv, whatever a poll said.
    NsAnswer answer{NsAnswer::Kind::Failed, "DNS failed or did not answer"};
    u_long nonBlocking = 1;
    if (ioctlsocket(sock, FIONBIO, &nonBlocking) == 0 &&
        connect(sock, reinterpret_cast<const sockaddr*>(&address_), addressLength_) == 0) {
      std::vector<char> buffer(65536);  // the largest datagram
      for (int attempt = 0; attempt < kTries; ++attempt) {
        if (send(sock, query.data(), static_cast<int>(query.size()), 0) == SOCKET_ERROR) break;
        if (WaitForAnswer(sock, id, name, buffer, answer)) break;
      }
    }
    closesocket(sock);
    return answer;
  }

  // Reads datagrams until the answer to `id` arrives (true) or the try's time is up.
  static bool WaitForAnswer(SOCKET sock, std::uint16_t id, const std::string& name,
                            std::vector<char>& buffer, NsAnswer& answer) {
    const auto deadline = Clock::now() + kTryTime;
    for (;;) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return false;
      WSAPOLLFD entry{sock, POLLIN, 0};
      if (WSAPoll(&entry, 1, static_cast<int>(left)) <= 0) return false;
      // A port that refuses (ICMP) shows as an error; the next try may still be answered.
      if ((entry.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) return false;
      const int n = recv(sock, buffer.data(), static_cast<int>(buffer.size()), 0);
      if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) continue;
      if (n == SOCKET_ERROR) return false;
      const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.data());
      if (auto read = ReadAnswer(std::span(bytes, std::size_t(n)), id, name)) {
        answer = std::move(*read);
        return true;
      }
    }
  }

  std::string server_;
  sockaddr_storage address_{};
  int addressLength_ = 0;
  // An IPv4 server on port 53, which the system's DNS client can ask itself.
  bool systemAsks_ = false;
  bool valid_ = true;
  bool started_ = false;
};

}  // namespace

std::unique_ptr<NsResolver> OpenNsResolver(const std::string& server) {
  return std::make_unique<DnsApiResolver>(server);
}

std::vector<DnsServer> SystemDnsServers() {
  std::vector<DnsServer> servers;
  ULONG size = 0;
  if (GetNetworkParams(nullptr, &size) != ERROR_BUFFER_OVERFLOW) return servers;
  std::vector<unsigned char> buffer(size);
  auto* params = reinterpret_cast<FIXED_INFO*>(buffer.data());
  if (GetNetworkParams(params, &size) != NO_ERROR) return servers;
  for (const IP_ADDR_STRING* entry = &params->DnsServerList; entry; entry = entry->Next) {
    if (auto server = ParseDnsServer(entry->IpAddress.String)) servers.push_back(*server);
  }
  return servers;
}

}  // namespace check
