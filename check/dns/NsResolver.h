// Asks DNS whether a name is delegated: a query for its NS records. This is the fallback for
// suffixes without an RDAP service, where a name that does not exist in DNS is likely free.
// Lookups block for a bounded time (a few seconds at most) and may run on several threads
// at once. It does not cache answers.
#pragma once

#include <memory>
#include <span>
#include <string>

namespace check {

struct NsAnswer {
  enum class Kind {
    Delegated,   // NS records owned by the name itself
    NoSuchName,  // NXDOMAIN
    NoRecords,   // the name exists but has no NS records
    Failed,      // no answer could be had; `reason` says why
  };
  Kind kind = Kind::Failed;
  std::string reason;
};

class NsResolver {
 public:
  virtual ~NsResolver() = default;
  // `name` is ASCII (A-labels), without a trailing dot.
  virtual NsAnswer LookUpNs(const std::string& name) = 0;
};

// What a NOERROR answer to the NS question for `name` says: only NS records owned by the name
// itself delegate it (not another name's, nor those a CNAME leads to).
NsAnswer ReadNsAnswer(std::span<const unsigned char> message, const std::string& name);

// The platform's resolver. `server` is "" for the system's configured servers, or one server of
// the caller's choosing as ParseDnsServer reads it (IPv4 or IPv6, any port); a server it cannot
// read fails every lookup.
std::unique_ptr<NsResolver> OpenNsResolver(const std::string& server);

}  // namespace check
