// Asks DNS whether a name is delegated: a query for its NS records. This is the fallback for
// suffixes without an RDAP service, where a name that does not exist in DNS is likely free.
// Lookups block for a bounded time (a few seconds at most) and may run on several threads
// at once. It does not cache answers.
#pragma once

#include <memory>
#include <string>

namespace check {

struct NsAnswer {
  enum class Kind {
    Delegated,   // NS records exist
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

// The platform's resolver. `server` is "" for the system's configured servers, or one server of
// the caller's choosing as ParseDnsServer reads it (IPv4 or IPv6, any port); a server it cannot
// read fails every lookup.
std::unique_ptr<NsResolver> OpenNsResolver(const std::string& server);

}  // namespace check
