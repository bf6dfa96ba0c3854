// Opening the registries' source as every front end does: the RDAP bootstrap (a simulator's
// text, the user's file, or IANA's file kept in the user's cache folder), the services shipped
// for suffixes IANA's file leaves out, the WHOIS route with IANA's referrals kept beside the
// bootstrap, the check of each name's delegation, and the DNS route. brelka-cli fills the setup
// from its options, the window from nothing but its defaults, and the demos from their simulators.
// It reads no command line.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "check/RegistrySource.h"
#include "check/dns/DnsServer.h"
#include "check/rdap/BootstrapCache.h"
#include "check/whois/WhoisRoute.h"
#include "web/HttpClient.h"

namespace check {

struct RegistrySetup {
  // RDAP's bootstrap: this text as it stands (a simulator's), else this file, else the cached
  // copy of the file at bootstrapUrl, fetched or refreshed when needed.
  std::optional<std::string> bootstrapText;
  std::optional<std::filesystem::path> bootstrapFile;
  std::string bootstrapUrl = kIanaBootstrapUrl;
  // What the person can do when the bootstrap cannot be had, after the reason: by default what
  // the window offers; the command line names its options.
  std::string bootstrapAdvice =
      "; check the network connection, or ask the registrar's bulk search instead "
      "(source=registrar in the [query] section of the settings file)";
  // The services shipped for suffixes IANA's file leaves out join the bootstrap.
  bool supplement = true;
  // The user's services, which replace the bootstrap's own for the same suffix.
  std::optional<std::filesystem::path> extraFile;
  bool useWhois = true;
  // The referrals are kept in the cache folder unless whois.cacheFile names a file already or
  // keepReferrals is false (servers that are not the real ones).
  WhoisSettings whois;
  bool keepReferrals = true;
  // The DNS server of the last route, which also finds each zone's servers; "" for the
  // system's.
  std::string dnsServer;
  // Every name asked of its registry, delegated or not (for the registrar and expiry date of
  // taken names); else a delegated name is settled by its zone's servers alone. Delegations
  // are still asked with options.forSale, whose signs they lead to.
  bool details = false;
  // Servers of the user's choosing for a zone, asked instead of those DNS names.
  std::map<std::string, std::vector<DnsServer>, std::less<>> zoneServers;
  // Servers asked for the records at the names themselves instead of theirs (DelegationSetup).
  std::vector<DnsServer> ownServers;
  web::ClientOptions client;
  // options.useRdap false: the bootstrap is neither loaded nor fetched.
  RegistryOptions options;
};

// The most requests in flight to one server that any pace may ask for: the source's paces own
// the cap, the client only keeps this ceiling.
inline constexpr std::size_t kMostPerHost = 64;

// Fails with what the person can do about it: no cache folder, a bootstrap that cannot be
// fetched and has no usable copy, a file that cannot be read. A stop ends a fetch at once.
// Warnings (a stale copy in use) go to options.warn.
base::Result<Bootstrap> LoadRegistryBootstrap(const RegistrySetup& setup, std::stop_token stop);

base::Result<std::unique_ptr<Source>> OpenRegistrySource(RegistrySetup setup, std::stop_token stop);

// The real registries as a program asks them by default: IANA's bootstrap cached in the user's
// cache folder, WHOIS through the environment's SOCKS5 proxy if it names one, each server at
// its pace.
RegistrySetup DefaultRegistrySetup(std::string userAgent);

// The SOCKS5 proxy that a proxy address names ("socks5h://host:port"); nothing for any other
// kind, which WHOIS cannot go through.
std::optional<web::HostPort> SocksProxyOf(std::string_view proxy);

// The environment's SOCKS5 proxy (all_proxy, ALL_PROXY), if it names one.
std::optional<web::HostPort> EnvironmentSocksProxy();

}  // namespace check
