// DNS messages as they travel (RFC 1035, section 4): a query built, an answer read. The reader
// is the same on every platform and trusts nothing it reads: a name is at most 255 bytes, a
// compression pointer may only point back, and a message that breaks either is no message. Names
// come out lower-cased, without the trailing dot; a label byte that is not a printable ASCII
// character other than '.' and '\' is written "\DDD", so that such a label never equals a name
// asked for.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace check {

enum class DnsType : std::uint16_t { A = 1, Ns = 2, Soa = 6, Txt = 16, Aaaa = 28 };

struct DnsRecord {
  std::string owner;
  std::uint16_t type = 0;
  // NS: the server's name; A and AAAA: the address as text; SOA: the primary server's name;
  // TXT: its character-strings one after another, the bytes as sent (untrusted text).
  std::string data;
  std::uint32_t serial = 0;  // SOA
};

struct DnsMessage {
  std::uint16_t id = 0;
  bool response = false;
  bool authoritative = false;
  bool truncated = false;
  int rcode = 0;
  std::string question;  // the first question's name; "" without one
  std::uint16_t questionType = 0;
  std::vector<DnsRecord> answers;
  std::vector<DnsRecord> authority;
  std::vector<DnsRecord> additional;
};

// The fixed twelve bytes every message starts with (RFC 1035, 4.1.1), for a reader that decides
// on them alone; nothing when there are fewer.
struct DnsHeaderFields {
  std::uint16_t id = 0;
  bool response = false;
  bool authoritative = false;
  bool truncated = false;
  int rcode = 0;
  std::uint16_t questions = 0;
  std::uint16_t answers = 0;
  std::uint16_t authority = 0;
  std::uint16_t additional = 0;
};
std::optional<DnsHeaderFields> ReadDnsHeaderFields(std::span<const unsigned char> bytes);

inline constexpr int kDnsNoError = 0;
inline constexpr int kDnsNameError = 3;  // NXDOMAIN

// A query for `name`'s records of `type`, with recursion desired or not; empty when the name
// cannot be one (an empty label, a label or name too long).
std::string BuildDnsQuery(const std::string& name, DnsType type, std::uint16_t id, bool recursion);

// Nothing when the bytes are not a whole, well-formed message.
std::optional<DnsMessage> ReadDnsMessage(std::span<const unsigned char> bytes);

// True when `name` is `zone` or lies under it ("a.b.com" under "com"); "" is the root.
bool IsAtOrUnder(const std::string& name, const std::string& zone);

}  // namespace check
