// The registries' own answers. A name its zone's servers delegate is registered, and asked of
// no registry (Delegation.h); unless that check is left out, it comes first. Every other name
// takes the first route that its suffix has:
//   1. RDAP, at the service the bootstrap names for its longest suffix (IANA's file, with the
//      services shipped for suffixes it leaves out), as "GET <base>domain/<A-label>";
//   2. WHOIS, at the server whois.iana.org (or the built-in table) names for its TLD;
//   3. DNS, which can only say "likely available" or "registered".
// Only names a registry holds are asked (PublicSuffix.h); any other is invalid. Toward each
// server it keeps that server's pace (Pace.h), from one run to the next: requests in flight, a
// rate, and a pause after a refusal (Retry-After honoured); at most three tries per name.
//
// It does not read, clean or print names, and it never guesses: a name it could not settle is
// "unknown" with the reason.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "check/Pace.h"
#include "check/Source.h"
#include "check/dns/Delegation.h"
#include "check/dns/NsResolver.h"
#include "check/rdap/Bootstrap.h"
#include "check/whois/WhoisRoute.h"
#include "web/HttpClient.h"

namespace check {

struct RegistryOptions {
  int maxTries = 3;
  // DNS lookups at once, for names under suffixes without a registry route.
  std::size_t dnsLookups = 4;
  // WHOIS questions at once, over all servers (each server's own cap is its pace's).
  std::size_t whoisLookups = 8;
  bool useRdap = true;
  // Names their zone's servers delegate are registered without a registry's word (route Dns);
  // none: every name goes to its registry.
  std::shared_ptr<DelegationCheck> delegation;
  // Whether a delegated name is settled by its delegation (else it goes on to its registry
  // too, for the registrar and statuses).
  bool delegationSettles = true;
  // A delegated name's for-sale signs are read from its own servers (Answer::forSale).
  bool forSale = false;
  // Delegation questions at once, over all zones (each server's own cap is its pace's).
  std::size_t delegationLookups = 32;
  // Names taken from the feed from the earliest one not yet answered on: enough for every
  // server to be busy, few enough that the names and the answers written in order behind a
  // slow server stay a bounded few.
  std::size_t window = 65536;
  PaceTable paces = PaceTable::BuiltIn();
  // Warnings for the person (a stale WHOIS referral), as they arise.
  std::function<void(const std::string&)> warn;
  // Added to the warning that a registry's host cannot be found, for the front end to say what
  // the user can do ("--demo shows ... offline").
  std::string offlineAdvice;
};

class RegistrySource final : public Source {
 public:
  // Without a WHOIS route, names whose suffix has no RDAP go to DNS. Without RDAP
  // (options.useRdap false), the bootstrap is not consulted.
  RegistrySource(Bootstrap bootstrap, std::unique_ptr<web::HttpClient> client,
                 std::shared_ptr<NsResolver> resolver, std::shared_ptr<WhoisRoute> whois,
                 RegistryOptions options = {});
  ~RegistrySource() override;

  using Source::Check;
  void Check(NameFeed& names, const Report& report, std::stop_token stop) override;

  std::size_t PausedNames() const override;

 private:
  Bootstrap bootstrap_;
  std::unique_ptr<web::HttpClient> client_;
  std::shared_ptr<NsResolver> resolver_;
  std::shared_ptr<WhoisRoute> whois_;
  RegistryOptions options_;
  std::shared_ptr<std::atomic<std::size_t>> paused_;
  std::map<std::string, Pace> paces_;  // by host, for as long as the source lives

  // One call of Check, its state as members (RegistrySource.cpp).
  class RegistryRun;
};

}  // namespace check
