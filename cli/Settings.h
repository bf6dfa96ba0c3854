// What each part of brelka-cli needs, resolved once from the command line: which source
// answers, the HTTP client's settings, the RDAP source's and its bootstrap's, and where the
// registrar is. Every default the command line can change is taken here from the part that owns
// it (the client's per-host cap and time-out, IANA's bootstrap address, the product's
// registrar), and an option that does not apply to the chosen source is refused here rather
// than ignored later. It reads no file and starts nothing.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Options.h"
#include "base/Result.h"
#include "check/RegistrySource.h"
#include "names/NamePattern.h"
#include "names/NameType.h"
#include "web/HttpClient.h"

namespace cli {

// The registrar's bulk search, or the registries: every route (RDAP, WHOIS, DNS), or one
// protocol (then DNS).
enum class SourceKind { Registrar, Registry, Rdap, Whois };

// "registrar", "registry", "rdap" or "whois", as the command line and the demo name them.
std::string_view SourceName(SourceKind source);

struct Settings {
  std::vector<std::string> files;  // "-" is standard input; none: standard input
  // Suffixes for lines without a dot: --tld's, then those of the file (read by the run).
  std::vector<std::u16string> suffixes;
  std::optional<std::string> suffixFile;
  std::optional<std::string> resumeFile;
  std::chrono::seconds maxAge{24 * 3600};
  Format format = Format::List;
  bool quiet = false;
  bool demo = false;
  SourceKind source = SourceKind::Registry;
  // Scheme, host and port of the registrar.
  std::string registrarBase;
  // The registries: the HTTP client, the source's own rules and paces, the RDAP bootstrap (a
  // file, or the cached copy of bootstrapUrl), the WHOIS route's settings and the DNS server
  // of the last route ("" for the system's).
  web::ClientOptions client;
  check::RegistryOptions registry;
  check::WhoisSettings whois;
  std::optional<std::string> bootstrapFile;
  std::string bootstrapUrl;
  // The services shipped for suffixes IANA's file leaves out join a bootstrap fetched from the
  // network; a bootstrap file of the user's is used as it is, and the demo stays offline.
  bool rdapSupplement = true;
  // The user's services, which replace the bootstrap's own for the same suffix.
  std::optional<std::string> rdapExtraFile;
  std::string dnsServer;
  // Every name to its registry (--details); zone files; name servers by zone.
  bool details = false;
  std::vector<std::string> zoneFiles;
  std::map<std::string, std::vector<check::DnsServer>, std::less<>> zoneServers;
  // Names made from patterns (UTF-16, read by the run with the word list), and their filters.
  std::vector<std::u16string> patterns;
  std::optional<std::string> wordsFile;
  names::PatternFilters filters;
  // The name types a run keeps, of names read or made alike (--type), and whether the output
  // carries the type column.
  std::optional<names::TypeFilter> types;
  // Count the names and show the first, sending nothing.
  bool count = false;
  std::uint64_t maxNames = 1'000'000;
  // "watch" and its words ("run", "add" and its files...); empty for a run. The watch list's
  // file (empty: the default one), the command per change, and whether every name is due.
  std::vector<std::string> watch;
  std::optional<std::string> watchList;
  std::optional<std::string> onChange;
  bool all = false;
  // "drops": files are its deletion lists (files or http(s) addresses) or, with zoneDiff, the
  // older and the newer zone file; the names are checked as a run's, added to the watch list,
  // or else written.
  bool drops = false;
  bool zoneDiff = false;
  bool dropsCheck = false;
  bool dropsWatch = false;
};

// Fails with a one-line message naming the option that does not fit.
base::Result<Settings> Resolve(const Options& options);

}  // namespace cli
