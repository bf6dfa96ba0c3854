#include "Sources.h"

#include "Console.h"
#include "NameStream.h"
#include "base/Text.h"
#include "check/BundledVariants.h"
#include "check/RegistrySource.h"
#include "names/ALabel.h"
#include "names/PublicSuffix.h"
#include "names/NameRules.h"
#include "names/SuffixServices.h"

namespace cli {

int UsageError(const std::string& message) {
  Write(Stream::Err, "brelka-cli: " + message + "\n");
  return kUsageError;
}

// The routes whose answers a run of this source could have given, and so may take back.
std::vector<check::Route> RoutesOf(SourceKind source) {
  switch (source) {
    case SourceKind::Registrar:
      return {check::Route::Registrar};
    case SourceKind::Rdap:
      return {check::Route::Rdap, check::Route::Dns, check::Route::Zone};
    case SourceKind::Whois:
      return {check::Route::Whois, check::Route::Dns, check::Route::Zone};
    case SourceKind::Registry:
      break;
  }
  return {check::Route::Rdap, check::Route::Whois, check::Route::Dns, check::Route::Zone};
}

// The registries' source: RDAP with its bootstrap (unless --source whois), WHOIS (unless
// --source rdap) and DNS, or in the demo the simulated servers.
base::Result<std::unique_ptr<check::Source>> OpenRegistrySource(const Settings& settings,
                                                               const Demo& demo,
                                                               std::stop_token stop) {
  check::RegistrySetup setup;
  if (settings.demo) {
    setup = demo.registries;
    // The user's time-out and our User-Agent, but no proxy: none reaches the simulators.
    setup.client = settings.client;
    setup.client.proxy = "";
  } else {
    if (settings.bootstrapFile) setup.bootstrapFile = PathOf(*settings.bootstrapFile);
    setup.bootstrapUrl = settings.bootstrapUrl;
    setup.supplement = settings.rdapSupplement;
    if (settings.rdapExtraFile) setup.extraFile = PathOf(*settings.rdapExtraFile);
    setup.whois = settings.whois;
    setup.dnsServer = settings.dnsServer;
    setup.zoneServers = settings.zoneServers;
    setup.client = settings.client;
    const std::string proxy = settings.client.proxy.value_or("");
    setup.bootstrapAdvice = "; " +
                            (proxy.empty() ? std::string()
                                           : "check that the proxy " + proxy + " can be reached, or ") +
                            "download it and pass it with --bootstrap FILE";
  }
  setup.details = settings.details;
  setup.options = settings.registry;
  if (settings.demo) {
    // The demo's own fast pace toward its simulators, with the user's rates on top.
    setup.options.paces = demo.registries.options.paces;
    setup.options.paces.SetRates(settings.registry.paces);
  }
  setup.useWhois = settings.source != SourceKind::Rdap;
  setup.options.offlineAdvice = "; without a network, --demo shows the program at work";
  setup.options.warn = [](const std::string& warning) {
    Write(Stream::Err, "brelka-cli: warning: " + warning + "\n");
  };
  auto source = check::OpenRegistrySource(std::move(setup), stop);
  if (!source) return source;
  return std::unique_ptr<check::Source>(
      std::make_unique<check::BundledVariants>(std::move(source.value())));
}

std::chrono::sys_seconds Now() {
  return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

// For the registries, a name no registry holds is invalid too (see names/PublicSuffix.h), so that
// neither a resumed answer nor a registry's "no such name" stands for it.
Judgement Judge(const std::u16string& name, bool registries) {
  auto reason = names::InvalidReason(name);
  if (reason || !registries) return {std::move(reason), {}};
  auto aLabel = names::ToALabel(name);
  if (!aLabel) return {base::FromUtf8(aLabel.error()), {}};
  if (auto unregistrable = names::UnregistrableReason(aLabel.value())) {
    return {std::move(unregistrable), {}};
  }
  return {std::nullopt, std::move(aLabel.value())};
}

std::optional<std::u16string> InvalidFor(const std::u16string& name, bool registries) {
  return Judge(name, registries).invalid;
}

}  // namespace cli
