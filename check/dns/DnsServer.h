// A DNS server of the user's choosing and the messages sent to one. The server is written
// ADDRESS[:PORT]: an IPv4 address, or an IPv6 address, in brackets when a port follows
// ("[2001:db8::53]:5353"); the port is 1 to 65535, 53 when not given. It is read here, the same
// way on every platform, by the command line and by each platform's resolver. The answer's fixed
// header (RFC 1035, section 4.1) is read here too; the records of an answer are left to the
// platform's own reader.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/dns/NsResolver.h"

namespace check {

struct DnsServer {
  std::string address;  // without brackets
  bool ipv6 = false;
  std::uint16_t port = 53;
};

std::optional<DnsServer> ParseDnsServer(std::string_view text);

// The recursive resolvers the system is set up to ask (IPv4), in its order; each platform's own.
std::vector<DnsServer> SystemDnsServers();

// What an answer's fixed header says about the query `id`.
struct DnsHeader {
  bool forQuery = false;            // an answer to the query at all; else wait on
  std::optional<NsAnswer> settled;  // the answer, when the header alone settles it
};
DnsHeader ReadDnsHeader(std::span<const unsigned char> message, std::uint16_t id);

}  // namespace check
