// The last route: what DNS says of a name that no registry service answers. The suffix itself
// is looked up first (once per suffix, until DNS answers), so that a name under a suffix that does not exist is
// never "likely available"; then the name's NS records: delegated is registered, no such name is
// likely available, anything else unknown. Safe to use from several threads.
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
  std::shared_ptr<NsResolver> resolver_;
  std::u16string routes_;
  std::mutex mutex_;
  std::map<std::string, NsAnswer, std::less<>> suffixes_;
};

}  // namespace check
