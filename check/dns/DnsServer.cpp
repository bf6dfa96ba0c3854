#include "check/dns/DnsServer.h"

#include <algorithm>
#include <charconv>

#include "check/dns/DnsMessage.h"
#include "web/TcpQuery.h"

namespace check {
namespace {

bool IsDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsIpv4(std::string_view text) {
  for (int part = 0; part < 4; ++part) {
    const std::size_t end = part < 3 ? text.find('.') : text.size();
    if (end == std::string_view::npos) return false;
    const std::string_view digits = text.substr(0, end);
    if (!IsDigits(digits) || digits.size() > 3 || (digits.size() > 1 && digits[0] == '0')) {
      return false;
    }
    if (std::stoi(std::string(digits)) > 255) return false;
    text.remove_prefix(part < 3 ? end + 1 : end);
  }
  return text.empty();
}

// Groups of one to four hex digits separated by ':', eight of them, or fewer around one '::';
// the last two groups may be written as an IPv4 address.
bool IsIpv6(std::string_view text) {
  if (text.size() < 2 || text.size() > 45) return false;
  const std::size_t gap = text.find("::");
  if (gap != std::string_view::npos && text.find("::", gap + 1) != std::string_view::npos) {
    return false;
  }
  int groups = 0;
  const auto countGroups = [&groups](std::string_view part, bool last) {
    if (part.empty()) return true;
    std::size_t start = 0;
    for (;;) {
      const std::size_t colon = part.find(':', start);
      const std::string_view group = part.substr(start, colon - start);
      if (last && colon == std::string_view::npos && group.find('.') != std::string_view::npos) {
        groups += 2;
        return IsIpv4(group);
      }
      if (group.empty() || group.size() > 4 || !std::all_of(group.begin(), group.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
          })) {
        return false;
      }
      ++groups;
      if (colon == std::string_view::npos) return true;
      start = colon + 1;
    }
  };
  if (gap == std::string_view::npos) return countGroups(text, true) && groups == 8;
  return countGroups(text.substr(0, gap), false) && countGroups(text.substr(gap + 2), true) &&
         groups <= 7;
}

}  // namespace

std::optional<DnsServer> ParseDnsServer(std::string_view text) {
  const auto parsed = web::ParseHostPort(text, 53);
  if (!parsed) return std::nullopt;
  DnsServer server;
  server.address = parsed.value().host;
  server.ipv6 = server.address.find(':') != std::string::npos;
  if (server.ipv6 ? !IsIpv6(server.address) : !IsIpv4(server.address) || text.starts_with('[')) {
    return std::nullopt;
  }
  server.port = static_cast<std::uint16_t>(parsed.value().port);
  return server;
}

DnsHeader ReadDnsHeader(std::span<const unsigned char> message, std::uint16_t id) {
  DnsHeader header;
  const std::optional<DnsHeaderFields> fields = ReadDnsHeaderFields(message);
  if (!fields || !fields->response || fields->id != id) return header;
  header.forQuery = true;
  switch (fields->rcode) {
    case 0:
      break;
    case 3:
      header.settled = NsAnswer{NsAnswer::Kind::NoSuchName, ""};
      return header;
    case 2:
      header.settled = NsAnswer{NsAnswer::Kind::Failed, "DNS failed or did not answer"};
      return header;
    default:
      header.settled = NsAnswer{NsAnswer::Kind::Failed, "DNS refused the query"};
      return header;
  }
  if (fields->answers == 0) {
    header.settled = fields->truncated ? NsAnswer{NsAnswer::Kind::Failed, "the DNS answer was cut short"}
                               : NsAnswer{NsAnswer::Kind::NoRecords, ""};
  }
  return header;
}

}  // namespace check
