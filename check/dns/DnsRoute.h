// The last route: what DNS says of a name that no registry service answers. The suffix itself
// is looked up first, with a made-up name under it (once per suffix, until DNS answers), so that
// a name under a suffix that does not exist is never "likely available" and a wildcard's
// delegation is never "registered"; then the name's NS records: NS records owned by the name
// itself are registered, no such name is likely available, anything else unknown. Safe to use
// from several threads.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "check/Answer.h"
#include "check/dns/NsResolver.h"

namespace check {

class DnsRoute {
 public:
  // routes: those tried before DNS, as the detail names them ("RDAP", "RDAP or WHOIS").
  DnsRoute(std::shared_ptr<NsResolver> resolver, std::u16string_view routes);

  // Blocks for the lookups, each bounded by the resolver.
  Answer Settle(std::string_view aLabel);

 private:
  struct Suffix {
    NsAnswer zone;    // the suffix's own NS records
    NsAnswer madeUp;  // a made-up name's under it
  };
  Suffix LookUpSuffix(const std::string& suffix);

  std::shared_ptr<NsResolver> resolver_;
  std::u16string routes_;
  std::mutex mutex_;
  std::map<std::string, Suffix, std::less<>> suffixes_;
};

}  // namespace check
