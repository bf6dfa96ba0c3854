#include "Options.h"

#include <algorithm>
#include <utility>

#include "Formats.h"
#include "NameReader.h"
#include "Resume.h"
#include "base/Text.h"
#include "check/Pace.h"
#include "check/dns/DnsServer.h"
#include "check/whois/WhoisRoute.h"
#include "names/ALabel.h"
#include "names/NameList.h"
#include "names/NameRules.h"
#include "names/NameType.h"

namespace cli {
namespace {

using Error = std::optional<std::string>;

// An option that only turns something on.
template <bool Options::*flag>
Error Turn(Options& options, std::string_view) {
  options.*flag = true;
  return std::nullopt;
}

Error SetFormat(Options& options, std::string_view value) {
  constexpr std::pair<std::string_view, Format> kFormats[] = {
      {"list", Format::List}, {"tsv", Format::Tsv}, {"csv", Format::Csv}, {"json", Format::Json}};
  for (const auto& [name, format] : kFormats) {
    if (value == name) {
      options.format = format;
      return std::nullopt;
    }
  }
  return "unknown format " + Quoted(value) + " (list, tsv, csv or json)";
}

Error SetSource(Options& options, std::string_view value) {
  if (value != "registry" && value != "rdap" && value != "whois" && value != "registrar") {
    return "unknown source " + Quoted(value) + " (registry, rdap, whois or registrar)";
  }
  options.source = value;
  return std::nullopt;
}

// Only the scheme, host and port are the user's; the paths stay the registrar's own.
Error SetRegistrar(Options& options, std::string_view value) {
  std::string_view rest = value;
  for (std::string_view scheme : {"http://", "https://"}) {
    if (rest.starts_with(scheme)) {
      rest.remove_prefix(scheme.size());
      break;
    }
  }
  if (rest.size() == value.size()) {
    return "--registrar needs an http:// or https:// address: " + Quoted(value);
  }
  if (rest.ends_with('/')) rest.remove_suffix(1);
  const bool hostOnly = !rest.empty() && std::none_of(rest.begin(), rest.end(), [](char c) {
    return c == '/' || c == '?' || c == '#' || c == '@' || static_cast<unsigned char>(c) <= 0x20;
  });
  if (!hostOnly) {
    return "--registrar takes a scheme, host and port only: " + Quoted(value);
  }
  options.registrar = std::string(value.substr(0, value.size() - (value.ends_with('/') ? 1 : 0)));
  return std::nullopt;
}

// A whole number from `low` to `high`.
std::optional<long> Number(std::string_view value, long low, long high) {
  if (value.empty() || value.size() > 6 ||
      !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const long n = std::stol(std::string(value));
  if (n < low || n > high) return std::nullopt;
  return n;
}

Error SetPerHost(Options& options, std::string_view value) {
  const auto n = Number(value, 1, 64);
  if (!n) return "--per-host takes a number from 1 to 64: " + Quoted(value);
  options.perHost = std::size_t(*n);
  return std::nullopt;
}

Error SetTimeout(Options& options, std::string_view value) {
  const auto n = Number(value, 1, 3600);
  if (!n) return "--timeout takes seconds from 1 to 3600: " + Quoted(value);
  options.timeoutSeconds = int(*n);
  return std::nullopt;
}

// ADDRESS[:PORT], read the same way as the resolvers of every platform read it, so that a
// mistyped server is a usage error rather than every DNS answer turning unknown.
Error SetDns(Options& options, std::string_view value) {
  if (!check::ParseDnsServer(value)) {
    return "--dns takes an IPv4 or IPv6 address and an optional port from 1 to 65535, as "
           "192.0.2.53:5353 or [2001:db8::53]:5353: " +
           Quoted(value);
  }
  options.dnsServer = std::string(value);
  return std::nullopt;
}

Error SetBootstrapUrl(Options& options, std::string_view value) {
  if (!value.starts_with("https://") && !value.starts_with("http://")) {
    return "--bootstrap-url needs an http:// or https:// address: " + Quoted(value);
  }
  options.bootstrapUrl = std::string(value);
  return std::nullopt;
}

// The suffix before '=' as names are matched: an A-label, lower case (中国 is xn--fiqs8s), without
// a leading dot; nothing when it is not one.
std::optional<std::string> SuffixBeforeEquals(std::string_view value) {
  const std::size_t equals = value.find('=');
  std::string suffix(value.substr(0, equals == std::string_view::npos ? 0 : equals));
  while (!suffix.empty() && suffix.front() == '.') suffix.erase(suffix.begin());
  if (suffix.empty() || suffix.find_first_of(" \t/:@") != std::string::npos) return std::nullopt;
  return suffix;
}

base::Result<std::string> SuffixALabel(const std::string& suffix) {
  std::u16string decoded;
  return base::DecodeUtf8(suffix, decoded) ? names::ToALabel(decoded)
                                     : base::Result<std::string>(base::Failure{"not UTF-8"});
}

// SUFFIX=HOST[:PORT]: the suffix as a name's tail is written (A-label or not), the server as
// TCP reads it.
Error SetWhoisServer(Options& options, std::string_view value) {
  const auto suffix = SuffixBeforeEquals(value);
  if (!suffix) {
    return "--whois-server takes SUFFIX=HOST[:PORT], as cn=whois.cnnic.cn: " + Quoted(value);
  }
  auto server = web::ParseHostPort(value.substr(value.find('=') + 1), check::kWhoisPort);
  if (!server) return "--whois-server " + Quoted(value) + ": " + server.error();
  auto aLabel = SuffixALabel(*suffix);
  if (!aLabel) return "--whois-server " + Quoted(value) + ": " + aLabel.error();
  options.whoisServers.emplace_back(std::move(aLabel.value()), std::move(server.value()));
  return std::nullopt;
}

// ZONE=ADDRESS[:PORT]: the zone as --whois-server's suffix, the server as --dns's.
Error SetZoneServer(Options& options, std::string_view value) {
  const auto zone = SuffixBeforeEquals(value);
  const auto server = check::ParseDnsServer(value.substr(value.find('=') + 1));
  if (!zone || !server) {
    return "--zone-server takes ZONE=ADDRESS[:PORT], as cn=203.119.25.1 or "
           "com=[2001:db8::53]:5353: " +
           Quoted(value);
  }
  auto aLabel = SuffixALabel(*zone);
  if (!aLabel) return "--zone-server " + Quoted(value) + ": " + aLabel.error();
  options.zoneServers.emplace_back(std::move(aLabel.value()), *server);
  return std::nullopt;
}

Error SetSuffixes(Options& options, std::string_view value) {
  for (std::size_t start = 0; start <= value.size();) {
    const std::size_t comma = std::min(value.find(',', start), value.size());
    auto suffix = ReadSuffix(value.substr(start, comma - start));
    if (!suffix) return "--tld " + suffix.error();
    options.suffixes.push_back(std::move(suffix.value()));
    start = comma + 1;
  }
  return std::nullopt;
}

Error SetProxy(Options& options, std::string_view value) {
  std::string_view rest;
  for (std::string_view scheme : {"http://", "https://", "socks5h://", "socks5://"}) {
    if (value.starts_with(scheme)) rest = value.substr(scheme.size());
  }
  if (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);
  const auto server = web::ParseHostPort(rest, 0);
  if (rest.empty() || !server || server.value().port == 0 ||
      rest.find_first_of("/?#@ ") != std::string_view::npos) {
    return "--proxy takes http://, https:// or socks5h:// with a host and a port, as "
           "http://proxy.example:3128: " +
           Quoted(value);
  }
  options.proxy = std::string(value);
  return std::nullopt;
}

Error SetRate(Options& options, std::string_view value) {
  auto rate = check::ParseRate(value);
  if (!rate) return "--rate " + Quoted(value) + " " + rate.error();
  options.rates.push_back(std::move(rate.value()));
  return std::nullopt;
}

// N or N-M, each from 1 to 63.
Error SetLength(Options& options, std::string_view value) {
  const auto number = [](std::string_view text) -> std::optional<std::size_t> {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return std::nullopt;
    }
    const std::size_t n = std::stoul(std::string(text));
    return n >= 1 && n <= 63 ? std::optional(n) : std::nullopt;
  };
  const std::size_t dash = value.find('-');
  const auto low = number(value.substr(0, dash));
  const auto high = dash == std::string_view::npos ? low : number(value.substr(dash + 1));
  if (!low || !high || *high < *low) {
    return "--length takes a length or a range of lengths from 1 to 63, as 5 or 4-6: " +
           Quoted(value);
  }
  options.length = {*low, *high};
  return std::nullopt;
}

Error SetMaxNames(Options& options, std::string_view value) {
  const bool digits =
      !value.empty() && value.size() <= 15 &&
      std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits || std::stoull(std::string(value)) == 0) {
    return "--max-names takes a whole number above 0: " + Quoted(value);
  }
  options.maxNames = std::stoull(std::string(value));
  return std::nullopt;
}

constexpr OptionSpec kOptions[] = {
    {"--all", 'a', "",
     "every name with its status, tab-separated (same as --format tsv); with watch run: check "
     "every name now, due or not",
     [](Options& o, std::string_view) -> Error {
       o.format = Format::Tsv;
       o.all = true;
       return std::nullopt;
     }},
    {"--format", 'f', "FORMAT",
     "list: the available names, one per line (the default); tsv: name, status, detail, "
     "reason, source, with the registries' sources a_label, registrar, expires, statuses, "
     "phase and releases, type with --type, for_sale with --for-sale, and last checked, "
     "tab-separated; csv: the same as CSV with a header "
     "line; json: one JSON object per line, with the same keys (aLabel for a_label)",
     SetFormat},
    {"--quiet", 'q', "", "no progress line and no summary on standard error",
     Turn<&Options::quiet>},
    {"--tld", 0, "LIST",
     "turn each line without a dot into one name per suffix, in the order given "
     "(comma-separated, e.g. com,cn,com.cn,中国); lines with a dot stay as they are",
     SetSuffixes},
    {"--tld-file", 0, "FILE", "the same, with the suffixes one per line of FILE (after --tld's)",
     [](Options& o, std::string_view value) -> Error {
       o.suffixFile = std::string(value);
       return std::nullopt;
     }},
    {"--pattern", 'p', "PATTERN",
     "make the names from PATTERN instead of reading them (repeatable): L letter, D digit, C "
     "consonant, V vowel, I pinyin initial, P pinyin syllable, W word of --words; lowercase "
     "text as it is; /a-f/ /get,try/ one of; X:3 X:2-4 counts; D=AABB tied places; + joins "
     "(see the manual)",
     [](Options& o, std::string_view value) -> Error {
       o.patterns.emplace_back(value);
       return std::nullopt;
     }},
    {"--words", 0, "FILE", "the words of W in patterns, one per line",
     [](Options& o, std::string_view value) -> Error {
       o.wordsFile = std::string(value);
       return std::nullopt;
     }},
    {"--without", 0, "CHARS",
     "patterns and drops: leave out the names holding any of CHARS (as 4)",
     [](Options& o, std::string_view value) -> Error {
       o.without = std::string(value);
       return std::nullopt;
     }},
    {"--mixed", 0, "", "patterns and drops: only names with both letters and digits",
     Turn<&Options::mixed>},
    {"--length", 0, "N[-M]",
     "patterns and drops: only names whose first label has N (to M) characters",
     SetLength},
    {"--type", 0, "TYPES",
     "only names of these types, and a type column: digits 数字, letters 字母, mixed 杂米 "
     "(letters and digits), han 中文, pinyin1 pinyin2 pinyin3 单拼 双拼 三拼 (the fewest "
     "syllables: xian is pinyin1), initials 声母 (双声 三声 四声), a shape as AABB, a length "
     "as digits:3 or letters:4-5; ',' parts types any of which will do, '+' joins types that "
     "must all hold; any: every name, with its type",
     [](Options& o, std::string_view value) -> Error {
       if (auto read = names::TypeFilter::Read(value); !read) return read.error();
       o.types.emplace_back(value);
       return std::nullopt;
     }},
    {"--count", 0, "",
     "print how many names there are to check and the first ten, and send nothing",
     Turn<&Options::count>},
    {"--max-names", 0, "N", "patterns: refuse to check more than N names (default 1000000)",
     SetMaxNames},
    {"--zone-diff", 0, "",
     "drops: its two files are zone files, OLD then NEW: the names delegated in OLD and not "
     "in NEW",
     Turn<&Options::zoneDiff>},
    {"--check", 0, "", "drops: check each name now, as a run does, instead of listing it",
     Turn<&Options::check>},
    {"--watch", 0, "", "drops: add the names to the watch list instead of listing them",
     Turn<&Options::watch>},
    {"--watch-list", 0, "FILE",
     "watch: the watch list's file, instead of watch.sqlite in the user's data folder",
     [](Options& o, std::string_view value) -> Error {
       o.watchList = std::string(value);
       return std::nullopt;
     }},
    {"--on-change", 0, "CMD",
     "watch run: run CMD (through the shell) for each change, with the name and both answers "
     "in its environment",
     [](Options& o, std::string_view value) -> Error {
       o.onChange = std::string(value);
       return std::nullopt;
     }},
    {"--resume", 0, "FILE",
     "an earlier run's output (json, tsv or csv): the names it settled are written again as "
     "they were, not asked again; unknown names are asked again",
     [](Options& o, std::string_view value) -> Error {
       o.resumeFile = std::string(value);
       return std::nullopt;
     }},
    {"--max-age", 0, "DURATION",
     "with --resume: ask again the names whose answer is older than this (90s, 30m, 12h, 7d; "
     "default 24h)",
     [](Options& o, std::string_view value) -> Error {
       auto age = ParseMaxAge(value);
       if (!age) return "--max-age " + Quoted(value) + " " + age.error();
       o.maxAge = age.value();
       return std::nullopt;
     }},
    {"--source", 0, "SOURCE",
     "where the answers come from: registry, each registry over RDAP where it has a service, "
     "else WHOIS, else DNS (the default); rdap or whois, that protocol only (then DNS); or "
     "registrar, the registrar's bulk search (the default when --registrar is given)",
     SetSource},
    {"--registrar", 0, "URL",
     "the registrar's scheme, host and port, as http://host:port (the paths stay the same)",
     SetRegistrar},
    {"--bootstrap", 0, "FILE",
     "registry: the RDAP bootstrap file (IANA's dns.json) to use instead of the cached copy; the "
     "network is not asked for it",
     [](Options& o, std::string_view value) -> Error {
       o.bootstrap = std::string(value);
       return std::nullopt;
     }},
    {"--bootstrap-url", 0, "URL",
     "registry: where to fetch the bootstrap file from when the cached copy is missing or older "
     "than a day (default https://data.iana.org/rdap/dns.json)",
     SetBootstrapUrl},
    {"--rdap-extra", 0, "FILE",
     "registry: more RDAP services, in the bootstrap file's form; they replace the bootstrap's "
     "own for the same suffix",
     [](Options& o, std::string_view value) -> Error {
       o.rdapExtra = std::string(value);
       return std::nullopt;
     }},
    {"--whois-server", 0, "SUFFIX=HOST[:PORT]",
     "registry: ask this WHOIS server (port 43 unless given) for names under SUFFIX, without "
     "asking whois.iana.org; may be given more than once",
     SetWhoisServer},
    {"--rate", 0, "HOST[:PORT]=N/s",
     "registry: ask HOST (on every port, or on PORT only) at most N times a second (a fraction "
     "is allowed), instead of the built-in rate table's figure; may be given more than once",
     SetRate},
    {"--proxy", 0, "URL",
     "registry: send RDAP and bootstrap requests through this proxy (http://, https:// or "
     "socks5h://HOST:PORT; default: the https_proxy, http_proxy, all_proxy and no_proxy "
     "variables on Linux, the user's proxy settings on Windows); WHOIS goes through a "
     "socks5h:// proxy too, and direct beside an HTTP one",
     SetProxy},
    {"--per-host", 0, "N",
     "registry: at most N RDAP requests in flight to one registry (default 4)", SetPerHost},
    {"--timeout", 0, "SECONDS", "registry: the longest one RDAP or WHOIS question may take, connecting included (default "
     "30)",
     SetTimeout},
    {"--dns", 0, "ADDRESS[:PORT]",
     "registry: the DNS server to ask about names whose suffix has no RDAP or WHOIS service, "
     "and to find each TLD's name servers, "
     "IPv4 or IPv6 ([ADDRESS]:PORT) (default: the system's)",
     SetDns},
    {"--details", 0, "",
     "registry: ask every name's registry, delegated or not, for the registrar and expiry date "
     "of taken names (default: a name its zone's name servers delegate is registered without "
     "the registry's word)",
     Turn<&Options::details>},
    {"--for-sale", 0, "",
     "registry: for each name its zone's servers delegate, read the for-sale sign its holder "
     "may publish (TXT records at _for-sale.NAME, RFC 10023) from the name's own servers, into "
     "a for_sale column: each record as written (v=FORSALE1;fval=USD1500), or unknown: and why",
     Turn<&Options::forSale>},
    {"--zone", 0, "FILE",
     "registry: a zone file (plain or gzip, one record per line, as ICANN's CZDS hands them "
     "out): a name it delegates is registered, with no question sent; may be given more than "
     "once",
     [](Options& o, std::string_view value) -> Error {
       o.zoneFiles.emplace_back(value);
       return std::nullopt;
     }},
    {"--zone-server", 0, "ZONE=ADDRESS[:PORT]",
     "registry: ask this name server about delegations in ZONE instead of those DNS names for "
     "it; may be given more than once",
     SetZoneServer},
    {"--demo", 0, "",
     "check against the built-in simulators (the registrar, or the registries' RDAP and WHOIS "
     "servers), offline",
     Turn<&Options::demo>},
    {"--help", 'h', "", "show this help and exit",
     Turn<&Options::help>},
    {"--version", 'V', "", "show the version and exit",
     Turn<&Options::version>},
};

const OptionSpec* FindLong(std::string_view name) {
  for (const OptionSpec& option : kOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

const OptionSpec* FindShort(char name) {
  for (const OptionSpec& option : kOptions) {
    if (option.shortName != 0 && option.shortName == name) return &option;
  }
  return nullptr;
}

}  // namespace

base::Result<std::u16string> ReadSuffix(std::string_view text) {
  std::u16string decoded;
  if (!base::DecodeUtf8(text, decoded)) return base::Failure{Quoted(text) + " is not UTF-8"};
  // Spaces around a suffix are left out; one inside it joins two suffixes ("com cn").
  const std::size_t first = decoded.find_first_not_of(u" \t");
  const std::size_t last = decoded.find_last_not_of(u" \t");
  if (first != std::u16string::npos &&
      decoded.substr(first, last - first + 1).find_first_of(u" \t") != std::u16string::npos) {
    return base::Failure{Quoted(text) +
                        " is not a suffix: it holds a space (give several as com,cn)"};
  }
  std::u16string suffix = names::CleanName(decoded);
  if (!suffix.empty() && suffix.front() == u'.') suffix.erase(suffix.begin());
  if (suffix.empty()) return base::Failure{Quoted(text) + " is not a suffix: it is empty"};
  if (const auto reason = names::InvalidReason(u"x." + suffix)) {
    return base::Failure{Quoted(text) + " is not a suffix: " + base::Utf16ToUtf8(*reason)};
  }
  return suffix;
}

std::span<const OptionSpec> OptionTable() {
  return kOptions;
}

base::Result<Options> ParseCommandLine(std::span<const std::string> args) {
  Options options;
  bool onlyFiles = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyFiles || arg == "-" || !arg.starts_with('-')) {
      options.files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyFiles = true;
      continue;
    }
    // --name, --name=value, --name value; -x, -x value, -xvalue, and flags bundled as -aq.
    std::vector<std::pair<const OptionSpec*, std::string>> given;  // with the name as written
    std::optional<std::string> value;
    if (arg.starts_with("--")) {
      const std::size_t equals = arg.find('=');
      const OptionSpec* option = FindLong(std::string_view(arg).substr(0, equals));
      if (!option) return base::Failure{"unknown option " + Quoted(arg.substr(0, equals))};
      given.emplace_back(option, std::string(option->name));
      if (equals != std::string::npos) value = arg.substr(equals + 1);
    } else {
      for (std::size_t k = 1; k < arg.size(); ++k) {
        const OptionSpec* option = FindShort(arg[k]);
        if (!option) return base::Failure{"unknown option " + Quoted("-" + std::string(1, arg[k]))};
        given.emplace_back(option, "-" + std::string(1, arg[k]));
        if (!option->valueName.empty()) {
          if (k + 1 < arg.size()) value = arg.substr(k + 1);
          break;
        }
      }
    }
    for (const auto& [option, shown] : given) {
      const bool last = &shown == &given.back().second;
      if (option->valueName.empty()) {
        if (last && value) return base::Failure{"option " + Quoted(shown) + " takes no value"};
        (void)option->apply(options, "");
        continue;
      }
      if (!value) {
        if (i + 1 == args.size()) return base::Failure{"option " + Quoted(shown) + " needs a value"};
        value = args[++i];
      }
      if (Error error = option->apply(options, *value)) return base::Failure{*error};
    }
  }
  return options;
}

}  // namespace cli
