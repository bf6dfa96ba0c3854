#include "Settings.h"

#include "base/Text.h"
#include "check/OpenRegistries.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "Formats.h"
#include "NameReader.h"
#include "check/rdap/BootstrapCache.h"
#include "query/BulkQuery.h"

#ifndef BRELKA_VERSION
#define BRELKA_VERSION "unknown"
#endif

namespace cli {

std::string_view SourceName(SourceKind source) {
  switch (source) {
    case SourceKind::Registrar:
      return "registrar";
    case SourceKind::Registry:
      break;
    case SourceKind::Rdap:
      return "rdap";
    case SourceKind::Whois:
      return "whois";
  }
  return "registry";
}

namespace {

// "watch" first among the words: the rest are its command and that command's files.
bool IsWatch(const Options& options) {
  return !options.files.empty() && options.files.front() == "watch";
}

// "drops" first among the words: the rest are its lists or zone files.
bool IsDrops(const Options& options) {
  return !options.files.empty() && options.files.front() == "drops";
}

// What drops takes, and what only it takes.
base::Status DropsRefusal(const Options& options) {
  if (!IsDrops(options)) {
    for (const auto& [given, name] : {std::pair{options.zoneDiff, "--zone-diff"},
                                      std::pair{options.check, "--check"},
                                      std::pair{options.watch, "--watch"}}) {
      if (given) return base::Failure{std::string(name) + " goes with drops"};
    }
    return base::Ok();
  }
  if (options.check && options.watch) return base::Failure{"drops takes --check or --watch, not both"};
  if (!options.patterns.empty() || options.count || !options.zoneFiles.empty()) {
    return base::Failure{"drops takes no --pattern, --count or --zone"};
  }
  if (options.resumeFile && !options.check) return base::Failure{"--resume goes with drops --check"};
  if (options.forSale && !options.check) return base::Failure{"--for-sale goes with drops --check"};
  const std::size_t files = options.files.size() - 1;
  if (options.zoneDiff && files != 2 && !(options.demo && files == 0)) {
    return base::Failure{"drops --zone-diff takes two zone files, OLD then NEW"};
  }
  if (files == 0 && !options.demo) {
    return base::Failure{
        "drops takes deletion lists (files or http(s) addresses), or --zone-diff OLD NEW"};
  }
  if (options.watch && (options.registrar || options.source == "registrar")) {
    return base::Failure{"watch asks the registries: the registrar's search has no statuses"};
  }
  return base::Ok();
}

// What cannot go together, or does not apply to the source.
base::Status Refusal(const Options& options, bool registries) {
  if (options.demo && options.registrar) {
    return base::Failure{"--demo and --registrar cannot be used together"};
  }
  if (registries && options.registrar) {
    return base::Failure{"--registrar applies to --source registrar only"};
  }
  const std::pair<bool, const char*> registriesOnly[] = {
      {options.bootstrap.has_value(), "--bootstrap"},
      {options.bootstrapUrl.has_value(), "--bootstrap-url"},
      {options.rdapExtra.has_value(), "--rdap-extra"},
      {!options.whoisServers.empty(), "--whois-server"},
      {!options.rates.empty(), "--rate"},
      {options.proxy.has_value(), "--proxy"},
      {options.dnsServer.has_value(), "--dns"},
      {options.perHost.has_value(), "--per-host"},
      {options.timeoutSeconds.has_value(), "--timeout"},
      {options.details, "--details"},
      {options.forSale, "--for-sale"},
      {!options.zoneFiles.empty(), "--zone"},
      {!options.zoneServers.empty(), "--zone-server"},
  };
  for (const auto& [given, name] : registriesOnly) {
    if (given && !registries) {
      return base::Failure{std::string(name) + " applies to the registries' sources only " +
                          "(--source registry, rdap or whois)"};
    }
  }
  if (options.maxAge && !options.resumeFile) return base::Failure{"--max-age goes with --resume"};
  const std::pair<bool, const char*> patternsOnly[] = {
      {options.wordsFile.has_value(), "--words"},
      {options.without.has_value(), "--without"},
      {options.mixed, "--mixed"},
      {options.length.has_value(), "--length"},
      {options.maxNames.has_value(), "--max-names"},
  };
  const bool drops = IsDrops(options);
  for (const auto& [given, name] : patternsOnly) {
    // A list of drops is filtered as the names of patterns are.
    const bool filter = std::string_view(name) != "--words" && std::string_view(name) != "--max-names";
    if (given && options.patterns.empty() && !(drops && filter)) {
      return base::Failure{std::string(name) + " goes with --pattern"};
    }
  }
  const bool watch = IsWatch(options);
  const std::string command = watch && options.files.size() > 1 ? options.files[1] : "";
  if (watch) {
    static constexpr std::string_view kCommands[] = {"add", "remove", "list", "run", "calendar"};
    if (std::find(std::begin(kCommands), std::end(kCommands), command) == std::end(kCommands)) {
      return base::Failure{"watch takes add, remove, list, run or calendar"};
    }
    if (command != "add" && command != "remove" && options.files.size() > 2) {
      return base::Failure{"watch " + command + " takes no FILE"};
    }
    if (options.registrar || options.source == "registrar") {
      return base::Failure{"watch asks the registries: the registrar's search has no statuses"};
    }
    if (!options.patterns.empty() || options.resumeFile || options.count ||
        !options.zoneFiles.empty() || !options.types.empty() || options.forSale) {
      return base::Failure{
          "watch takes no --pattern, --resume, --count, --zone, --type or --for-sale"};
    }
  } else if (options.watchList && !(drops && options.watch)) {
    return base::Failure{"--watch-list goes with watch"};
  }
  if (base::Status refused = DropsRefusal(options); !refused) return refused;
  if (options.onChange && command != "run") return base::Failure{"--on-change goes with watch run"};
  if (!options.patterns.empty() && !options.files.empty()) {
    return base::Failure{"--pattern makes the names: give no FILE with it"};
  }
  if (options.demo &&
      (options.bootstrap || options.bootstrapUrl || options.rdapExtra || options.dnsServer ||
       !options.whoisServers.empty() || !options.zoneServers.empty())) {
    return base::Failure{"--demo brings its own bootstrap, WHOIS and DNS servers"};
  }

  return base::Ok();
}

}  // namespace

base::Result<Settings> Resolve(const Options& options) {
  // 1. The source: the one asked for, else the registrar when its address is given.
  Settings settings;
  settings.source = options.registrar ? SourceKind::Registrar : SourceKind::Registry;
  for (const SourceKind kind :
       {SourceKind::Registrar, SourceKind::Registry, SourceKind::Rdap, SourceKind::Whois}) {
    if (options.source == SourceName(kind)) settings.source = kind;
  }
  const bool registries = settings.source != SourceKind::Registrar;

  // 2. What cannot go together, or does not apply to that source.
  if (base::Status refused = Refusal(options, registries); !refused) return refused.failure();
  const bool watch = IsWatch(options);

  // 3. Each setting: the user's where given, else its owner's default.
  settings.files = options.files;
  if (IsDrops(options)) {
    settings.drops = true;
    settings.files.erase(settings.files.begin());
    settings.zoneDiff = options.zoneDiff;
    settings.dropsCheck = options.check;
    settings.dropsWatch = options.watch;
    settings.watchList = options.watchList;
  }
  if (watch) {
    settings.watch.assign(options.files.begin() + 1, options.files.end());
    settings.files.assign(options.files.begin() + 2, options.files.end());
    settings.watchList = options.watchList;
    settings.onChange = options.onChange;
    settings.all = options.all;
  }
  for (const std::string& pattern : options.patterns) {
    std::u16string text;
    if (!base::DecodeUtf8(pattern, text))
      return base::Failure{"--pattern " + Quoted(pattern) + " is not UTF-8"};
    settings.patterns.push_back(std::move(text));
  }
  settings.wordsFile = options.wordsFile;
  if (options.without && !base::DecodeUtf8(*options.without, settings.filters.without)) {
    return base::Failure{"--without " + Quoted(*options.without) + " is not UTF-8"};
  }
  settings.filters.mixed = options.mixed;
  if (options.length)
    std::tie(settings.filters.minLength, settings.filters.maxLength) = *options.length;
  if (!options.types.empty()) {
    std::string joined;
    for (const std::string& types : options.types) joined += (joined.empty() ? "" : ",") + types;
    auto read = names::TypeFilter::Read(joined);
    if (!read) return read.failure();
    settings.types = std::move(read.value());
  }
  settings.count = options.count;
  if (options.maxNames) settings.maxNames = *options.maxNames;
  settings.suffixes = options.suffixes;
  settings.suffixFile = options.suffixFile;
  settings.resumeFile = options.resumeFile;
  if (options.maxAge) settings.maxAge = *options.maxAge;
  settings.format = options.format;
  // Changes are more than the names that became free: the list format is TSV's there.
  if (watch && settings.format == Format::List) settings.format = Format::Tsv;
  settings.quiet = options.quiet;
  settings.demo = options.demo;
  settings.registrarBase = options.registrar.value_or(
      std::string(query::kRegistrarBase.begin(), query::kRegistrarBase.end()));
  settings.client.userAgent = std::string("brelka-cli/") + BRELKA_VERSION;
  if (options.perHost) settings.registry.paces.SetRdapInFlight(*options.perHost);
  for (const check::RateOverride& rate : options.rates) {
    settings.registry.paces.SetRate(rate.host, rate.perSecond);
  }
  settings.registry.useRdap = settings.source != SourceKind::Whois;
  // WHOIS can go through a SOCKS proxy only: the one given, else the environment's all_proxy.
  std::string proxy = options.proxy.value_or("");
  settings.client.proxy = options.proxy;
#ifdef _WIN32
  if (!proxy.empty() && !proxy.starts_with("http://") && settings.source != SourceKind::Whois) {
    return base::Failure{
        "--proxy: WinHTTP takes http:// proxies only (a socks5h:// proxy serves "
        "--source whois)"};
  }
#endif
  settings.whois.socks =
      proxy.empty() ? check::EnvironmentSocksProxy() : check::SocksProxyOf(proxy);
  for (const auto& [suffix, server] : options.whoisServers) settings.whois.servers[suffix] = server;
  if (options.timeoutSeconds) {
    // The whole of one question, over RDAP or WHOIS alike.
    const std::chrono::seconds limit(*options.timeoutSeconds);
    settings.client.requestTimeout = limit;
    settings.whois.limits.whole = limit;
    settings.whois.limits.connect =
        std::min<std::chrono::milliseconds>(settings.whois.limits.connect, limit);
  }
  settings.bootstrapFile = options.bootstrap;
  settings.bootstrapUrl = options.bootstrapUrl.value_or(check::kIanaBootstrapUrl);
  settings.rdapSupplement = !options.demo && !options.bootstrap;
  settings.rdapExtraFile = options.rdapExtra;
  settings.dnsServer = options.dnsServer.value_or("");
  // A watched name is asked of its registry even when delegated: its statuses are the point.
  settings.details = options.details || watch;
  settings.registry.forSale = options.forSale;
  settings.zoneFiles = options.zoneFiles;
  for (const auto& [zone, server] : options.zoneServers)
    settings.zoneServers[zone].push_back(server);
  return settings;
}

}  // namespace cli
