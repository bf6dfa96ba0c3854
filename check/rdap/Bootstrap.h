// The RDAP bootstrap for domain names (RFC 9224): which registry's RDAP service answers for
// which suffix, read from a file in the form of IANA's dns.json. A name belongs to the service
// of its longest matching suffix. It does not fetch, cache or check that the services work.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace check {

struct Service {
  std::string suffix;   // the matching entry, e.g. "co.uk"
  std::string baseUrl;  // ends in "/", e.g. "https://rdap.example/"
};

class Bootstrap {
 public:
  // Reads dns.json's text. Fails when it is not JSON or has no list of services; entries that
  // are malformed are left out, as are services without an http or https address (https is
  // preferred where a service lists both).
  static base::Result<Bootstrap> Parse(std::string_view json);

  // The service of the longest suffix of an ASCII name (an A-label, lower case), if any.
  std::optional<Service> ServiceFor(std::string_view name) const;

  // Adds the other file's services: where both name a suffix, `replace` decides whose wins.
  void Merge(const Bootstrap& other, bool replace);

  std::size_t Size() const { return baseUrls_.size(); }

 private:
  std::map<std::string, std::string, std::less<>> baseUrls_;  // by suffix
};

// The services shipped with the program for suffixes IANA's file leaves out, in the same form
// (check/rdap/rdap-supplement.json, with each service's source).
std::string_view RdapSupplementJson();

}  // namespace check
