// The registries' own answers over RDAP: each name goes to the RDAP service that the bootstrap
// names for its longest suffix, as "GET <base>domain/<A-label>". Names under a suffix without
// a service are looked up in DNS instead, which can only say "likely available" or
// "registered". Toward each registry it keeps the manners of a shared public service: a few
// requests in flight per host, Retry-After honoured (and the host paused meanwhile), at most
// three tries per name.
//
// It does not read, clean or print names, and it never guesses: a name it could not settle is
// "unknown" with the reason.
#pragma once

#include <cstddef>
#include <memory>

#include "check/Bootstrap.h"
#include "check/NsResolver.h"
#include "check/Source.h"
#include "web/HttpClient.h"

namespace check {

struct RdapOptions {
  int maxTries = 3;
  // DNS lookups at once, for names under suffixes without RDAP.
  std::size_t dnsLookups = 4;
};

class RdapSource final : public Source {
 public:
  RdapSource(Bootstrap bootstrap, std::unique_ptr<web::HttpClient> client,
             std::shared_ptr<NsResolver> resolver, RdapOptions options = {});
  ~RdapSource() override;

  void Check(std::span<const std::u16string> names, const Report& report,
             std::stop_token stop) override;

 private:
  Bootstrap bootstrap_;
  std::unique_ptr<web::HttpClient> client_;
  std::shared_ptr<NsResolver> resolver_;
  RdapOptions options_;
};

}  // namespace check
