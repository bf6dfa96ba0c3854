#include "Settings.h"

#include <chrono>
#include <utility>

#include "check/BootstrapCache.h"
#include "query/BulkQuery.h"

#ifndef BRELKA_VERSION
#define BRELKA_VERSION "unknown"
#endif

namespace cli {

std::string_view SourceName(SourceKind source) {
  return source == SourceKind::Rdap ? "rdap" : "registrar";
}

web::Result<Settings> Resolve(const Options& options) {
  // 1. The source: the one asked for, else the registrar when its address is given.
  Settings settings;
  if (options.source.empty()) {
    settings.source = options.registrar ? SourceKind::Registrar : SourceKind::Rdap;
  } else {
    settings.source = options.source == "rdap" ? SourceKind::Rdap : SourceKind::Registrar;
  }

  // 2. What cannot go together, or does not apply to that source.
  if (options.demo && options.registrar) {
    return web::Failure{"--demo and --registrar cannot be used together"};
  }
  if (settings.source == SourceKind::Rdap && options.registrar) {
    return web::Failure{"--registrar applies to --source registrar only"};
  }
  const std::pair<bool, const char*> rdapOnly[] = {
      {options.bootstrap.has_value(), "--bootstrap"},
      {options.bootstrapUrl.has_value(), "--bootstrap-url"},
      {options.rdapExtra.has_value(), "--rdap-extra"},
      {options.dnsServer.has_value(), "--dns"},
      {options.perHost.has_value(), "--per-host"},
      {options.timeoutSeconds.has_value(), "--timeout"},
  };
  for (const auto& [given, name] : rdapOnly) {
    if (given && settings.source == SourceKind::Registrar) {
      return web::Failure{std::string(name) + " applies to --source rdap only"};
    }
  }
  if (options.demo &&
      (options.bootstrap || options.bootstrapUrl || options.rdapExtra || options.dnsServer)) {
    return web::Failure{"--demo brings its own bootstrap and DNS server"};
  }

  // 3. Each setting: the user's where given, else its owner's default.
  settings.files = options.files;
  settings.format = options.format;
  settings.quiet = options.quiet;
  settings.demo = options.demo;
  settings.registrarBase = options.registrar.value_or(
      std::string(query::kRegistrarBase.begin(), query::kRegistrarBase.end()));
  settings.client.userAgent = std::string("brelka-cli/") + BRELKA_VERSION;
  if (options.perHost) settings.client.perHost = *options.perHost;
  if (options.timeoutSeconds) {
    settings.client.requestTimeout = std::chrono::seconds(*options.timeoutSeconds);
  }
  settings.bootstrapFile = options.bootstrap;
  settings.bootstrapUrl = options.bootstrapUrl.value_or(check::kIanaBootstrapUrl);
  settings.rdapSupplement = !options.demo && !options.bootstrap;
  settings.rdapExtraFile = options.rdapExtra;
  settings.dnsServer = options.dnsServer.value_or("");
  return settings;
}

}  // namespace cli
