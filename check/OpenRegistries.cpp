#include "OpenRegistries.h"

#include <chrono>
#include <cstdlib>
#include <utility>

#include "check/CacheFolder.h"
#include "check/dns/NsResolver.h"

namespace check {

base::Result<Bootstrap> LoadRegistryBootstrap(const RegistrySetup& setup, std::stop_token stop) {
  std::optional<Bootstrap> bootstrap;
  if (setup.bootstrapText) {
    auto parsed = Bootstrap::Parse(*setup.bootstrapText);
    if (!parsed) return base::Failure{parsed.error()};
    bootstrap = std::move(parsed.value());
  } else if (setup.bootstrapFile) {
    auto loaded = LoadBootstrapFile(*setup.bootstrapFile);
    if (!loaded) return base::Failure{loaded.error()};
    bootstrap = std::move(loaded.value());
  } else {
    BootstrapCache cache;
    cache.url = setup.bootstrapUrl;
    cache.folder = UserCacheFolder();
    cache.advice = setup.bootstrapAdvice;
    if (cache.folder.empty()) {
      return base::Failure{"no cache folder for the RDAP bootstrap (HOME is not set)" +
                          setup.bootstrapAdvice};
    }
    auto fetcher = web::OpenHttpClient(setup.client);
    auto loaded = LoadCachedBootstrap(cache, *fetcher, std::chrono::system_clock::now(), stop);
    if (!loaded) return base::Failure{loaded.error()};
    if (!loaded.value().warning.empty() && setup.options.warn) {
      setup.options.warn(loaded.value().warning);
    }
    bootstrap = std::move(loaded.value().bootstrap);
  }
  if (setup.supplement) {
    auto supplement = Bootstrap::Parse(RdapSupplementJson());
    if (!supplement) return base::Failure{"the built-in RDAP supplement: " + supplement.error()};
    bootstrap->Merge(supplement.value(), false);
  }
  if (setup.extraFile) {
    auto extra = LoadBootstrapFile(*setup.extraFile);
    if (!extra) return base::Failure{extra.error()};
    bootstrap->Merge(extra.value(), true);
  }
  return std::move(*bootstrap);
}

base::Result<std::unique_ptr<Source>> OpenRegistrySource(RegistrySetup setup, std::stop_token stop) {
  Bootstrap bootstrap;
  if (setup.options.useRdap) {
    auto loaded = LoadRegistryBootstrap(setup, stop);
    if (!loaded) return loaded.failure();
    bootstrap = std::move(loaded.value());
  }
  std::shared_ptr<WhoisRoute> whois;
  if (setup.useWhois) {
    if (setup.keepReferrals && setup.whois.cacheFile.empty()) {
      if (const auto folder = UserCacheFolder(); !folder.empty()) {
        setup.whois.cacheFile = folder / "whois-servers.tsv";
      }
    }
    whois = std::make_shared<WhoisRoute>(std::move(setup.whois));
  }
  setup.client.perHost = kMostPerHost;
  if (!setup.details || setup.options.forSale) {
    DelegationSetup delegation;
    delegation.resolver = setup.dnsServer;
    delegation.zoneServers = setup.zoneServers;
    delegation.ownServers = setup.ownServers;
    delegation.paces = setup.options.paces;
    setup.options.delegationSettles = !setup.details;
    setup.options.delegation = std::make_shared<DelegationCheck>(std::move(delegation));
  }
  return std::unique_ptr<Source>(std::make_unique<RegistrySource>(
      std::move(bootstrap), web::OpenHttpClient(setup.client), OpenNsResolver(setup.dnsServer),
      std::move(whois), std::move(setup.options)));
}

RegistrySetup DefaultRegistrySetup(std::string userAgent) {
  RegistrySetup setup;
  setup.client.userAgent = std::move(userAgent);
  setup.whois.socks = EnvironmentSocksProxy();
  return setup;
}

std::optional<web::HostPort> SocksProxyOf(std::string_view proxy) {
  for (std::string_view scheme : {"socks5h://", "socks5://"}) {
    if (!proxy.starts_with(scheme)) continue;
    std::string_view rest = proxy.substr(scheme.size());
    if (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);
    if (auto server = web::ParseHostPort(rest, 1080)) return server.value();
  }
  return std::nullopt;
}

std::optional<web::HostPort> EnvironmentSocksProxy() {
  for (const char* variable : {"all_proxy", "ALL_PROXY"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return SocksProxyOf(value);
  }
  return std::nullopt;
}

}  // namespace check
