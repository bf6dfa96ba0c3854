// The command line of brelka-cli: what the user asked for, and the one table of options that
// both the parser and --help read. Parsing only records and checks each word; whether the
// options fit together, and every default, is for Resolve (Settings.h). It opens no file and
// makes no request.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Formats.h"
#include "base/Result.h"
#include "check/Pace.h"
#include "check/dns/DnsServer.h"
#include "web/TcpQuery.h"

namespace cli {

struct Options {
  std::vector<std::string> files;  // "-" is standard input; none: standard input
  // The suffixes each line without a dot becomes a name under, in order (--tld, checked), and a
  // file of more (--tld-file, read by the run).
  std::vector<std::u16string> suffixes;
  std::optional<std::string> suffixFile;
  // An earlier run's output, whose settled answers are not asked again.
  std::optional<std::string> resumeFile;
  // How old a resumed answer may be before its name is asked again (--max-age).
  std::optional<std::chrono::seconds> maxAge;
  Format format = Format::List;
  bool quiet = false;
  // "registry", "rdap", "whois" or "registrar", or empty when not given.
  std::string source;
  // Scheme, host and port of the registrar, without a path.
  std::optional<std::string> registrar;
  bool demo = false;
  // The RDAP source: a bootstrap file to use instead of the cached one, where to fetch the
  // bootstrap from, the DNS server for suffixes without RDAP, its manners and its patience.
  // Only what the user gave: the defaults live with the parts that use them.
  std::optional<std::string> bootstrap;
  std::optional<std::string> bootstrapUrl;
  std::optional<std::string> rdapExtra;
  std::optional<std::string> dnsServer;
  // WHOIS servers by suffix, and rates by host, in the order given.
  std::vector<std::pair<std::string, web::HostPort>> whoisServers;
  std::vector<check::RateOverride> rates;
  // The proxy for the registries: http://, https:// or socks5h:// (socks5:// too), with a host
  // and a port.
  std::optional<std::string> proxy;
  std::optional<std::size_t> perHost;
  std::optional<int> timeoutSeconds;
  // Every name to its registry, delegated or not; zone files; name servers by zone, in order.
  bool details = false;
  // Each delegated name's for-sale sign, in a column of its own.
  bool forSale = false;
  std::vector<std::string> zoneFiles;
  std::vector<std::pair<std::string, check::DnsServer>> zoneServers;
  // Names made from patterns rather than read: the patterns in UTF-8, the word list of W, the
  // filters, whether only to count them, and the most a run may check.
  std::vector<std::string> patterns;
  std::optional<std::string> wordsFile;
  std::optional<std::string> without;
  bool mixed = false;
  std::optional<std::pair<std::size_t, std::size_t>> length;
  bool count = false;
  std::optional<std::uint64_t> maxNames;
  // The name types a run keeps, as --type gives them (each read already).
  std::vector<std::string> types;
  // The watch list: its file instead of the one in the user's data folder, the command run per
  // change, and whether every name is due now (--all, which also means TSV).
  std::optional<std::string> watchList;
  std::optional<std::string> onChange;
  bool all = false;
  // drops: its two files are zone files (--zone-diff), and its names are checked (--check) or
  // added to the watch list (--watch) rather than printed.
  bool zoneDiff = false;
  bool check = false;
  bool watch = false;
  bool help = false;
  bool version = false;
};

struct OptionSpec {
  std::string_view name;       // "--format"
  char shortName;              // 'f', or 0 for none
  std::string_view valueName;  // "FORMAT"; empty for an option that takes no value
  std::string_view help;
  // Records the option; returns what is wrong with its value, if anything.
  std::optional<std::string> (*apply)(Options& options, std::string_view value);
};

std::span<const OptionSpec> OptionTable();

// Fails with a one-line message naming the problem.
base::Result<Options> ParseCommandLine(std::span<const std::string> args);

std::string HelpText();

// One suffix as --tld and --tld-file give it: cleaned and lower-cased like a name, a leading
// dot dropped, and valid at the end of a name (IDN suffixes too). Fails naming it.
base::Result<std::u16string> ReadSuffix(std::string_view text);

}  // namespace cli
