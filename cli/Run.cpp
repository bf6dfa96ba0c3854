#include "Run.h"

#include "Watch.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <stop_token>
#include <unordered_map>
#include <vector>

#include "Console.h"
#include "Formats.h"
#include "Interrupt.h"
#include "NameReader.h"
#include "NameStream.h"
#include "Options.h"
#include "Progress.h"
#include "Resume.h"
#include "Settings.h"
#include "base/Text.h"
#include "check/OpenRegistries.h"
#include "check/RegistrarSource.h"
#include "check/RegistrySource.h"
#include "check/dns/ZoneFile.h"
#include "names/ALabel.h"
#include "names/FingerprintSet.h"
#include "names/NamePattern.h"
#include "names/NameRules.h"
#include "names/PublicSuffix.h"
#include "names/SuffixServices.h"
#include "web/HttpRequest.h"

#ifndef BRELKA_VERSION
#define BRELKA_VERSION "unknown"
#endif

namespace cli {
namespace {

#ifdef _WIN32
constexpr const char* kEndOfInput = "Ctrl+Z and Enter";
#else
constexpr const char* kEndOfInput = "Ctrl+D";
#endif

int UsageError(const std::string& message) {
  Write(Stream::Err, "brelka-cli: " + message + "\n");
  return kUsageError;
}

// For the registries: a suffix of --tld or --tld-file must be one under which a registry sells
// names, or every name made with it would lie under a name someone holds.
base::Status CheckPublicSuffix(std::u16string_view suffix) {
  const std::string text = base::Utf16ToUtf8(suffix);
  auto aLabel = names::ToALabel(suffix);
  if (!aLabel) return base::Failure{Quoted(text) + " is not a suffix: " + aLabel.error()};
  const std::string& label = aLabel.value();
  if (names::IsListedSuffix(label) || names::SuffixServices::BuiltIn().Lists(label)) {
    return base::Ok();
  }
  if (names::IsPublicSuffix(label)) {
    return base::Failure{Quoted(text) +
                        " is not a suffix the Public Suffix List knows: there is "
                        "no such top-level domain"};
  }
  const auto under = names::UnregistrableReason(aLabel.value());
  return base::Failure{Quoted(text) + " is not a suffix under which a registry sells names: " +
                      (under ? base::Utf16ToUtf8(*under) : "it is a name a registry holds")};
}

// The suffixes of --tld-file, one per line (UTF-8, blank lines skipped), each checked as --tld
// checks its own.
base::Result<std::vector<std::u16string>> ReadSuffixFile(const std::string& file, bool registries) {
  const std::filesystem::path path = PathOf(file);
  std::ifstream in(path, std::ios::binary);
  if (!in) return base::Failure{"cannot open '" + file + "': " + std::strerror(errno)};
  std::vector<std::u16string> suffixes;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    auto suffix = ReadSuffix(line);
    const base::Status checked = !suffix      ? base::Failure{suffix.error()}
                                : registries ? CheckPublicSuffix(suffix.value())
                                             : base::Ok();
    if (!checked) return base::Failure{file + ":" + std::to_string(number) + ": " + checked.error()};
    suffixes.push_back(std::move(suffix.value()));
  }
  return suffixes;
}

// Standard output, written in input order: an answer goes out, flushed, as soon as every name
// before it has been answered, so no line waits behind a host that is paused. Only the answers
// that wait for an earlier one are held.
class AnswerWriter {
 public:
  // beforeWrite runs before anything goes out, so that a progress line on the same terminal
  // can make way.
  AnswerWriter(Format format, Columns columns, bool demo, std::function<void()> beforeWrite)
      : format_(format), columns_(columns), demo_(demo), beforeWrite_(std::move(beforeWrite)) {
    buffer_ = FormatHeader(format, columns);
  }

  // The answer of the name at `position` (counted from 0, each position once), kept until
  // Flush when every earlier one has come.
  void Put(std::size_t position, std::u16string_view name, const check::Answer& answer) {
    std::string line = FormatAnswer(format_, name, answer, columns_, demo_);
    if (position != next_) {
      held_.emplace(position, std::move(line));
      return;
    }
    buffer_ += line;
    for (++next_; !held_.empty() && held_.begin()->first == next_; ++next_) {
      buffer_ += held_.begin()->second;
      held_.erase(held_.begin());
    }
  }

  // Writes what is due. False once anything could not be written.
  bool Flush() {
    if (!buffer_.empty()) {
      beforeWrite_();
      if (!Write(Stream::Out, buffer_)) failed_ = true;
      buffer_.clear();
    }
    return !failed_;
  }

  // Writes every answer that is held, in order, past the names that have none (a stopped run).
  bool WriteRest() {
    for (auto& [position, line] : held_) buffer_ += line;
    held_.clear();
    return Flush();
  }

 private:
  Format format_;
  Columns columns_;
  bool demo_;
  std::function<void()> beforeWrite_;
  bool failed_ = false;
  std::size_t next_ = 0;
  std::map<std::size_t, std::string> held_;
  std::string buffer_;
};

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

// What settles a name before any source: an earlier run's answer (--resume), and the zone files'
// delegations by the name's place in the list (--zone).
// A zone file's delegations: by the name's place, when the zone that delegates it was
// published (its SOA serial where that is a date, else the file's time); zero: not delegated.
using ZoneDates = std::vector<std::chrono::sys_seconds>;

struct Settlers {
  const Settled* settled = nullptr;
  const ZoneDates* delegated = nullptr;
};

// The names a source checks, drawn from the stream as it asks for them. On the way each name
// gets its place in the output, and those settled here (invalid, resumed, in a zone file) go
// straight to the writer.
class RunFeed final : public check::NameFeed {
 public:
  RunFeed(NameStream& stream, bool registries, Settlers settlers, AnswerWriter& writer,
          Counts& counts)
      : stream_(stream),
        registries_(registries),
        settlers_(settlers),
        writer_(writer),
        counts_(counts) {}

  std::optional<Name> Next() override {
    if (kept_) return std::exchange(kept_, std::nullopt);
    std::u16string text;
    for (;;) {
      auto next = stream_.Next(text);
      if (!next) {
        error_ = next.error();
        return std::nullopt;
      }
      if (!next.value()) return std::nullopt;
      const std::size_t position = counts_.entered++;
      if (std::optional<check::Answer> answer = Settle(position, text)) {
        writer_.Put(position, text, *answer);
        ++settledHere_;
        continue;
      }
      ++handedOut_;
      asked_.emplace(position, text);
      return Name{position, std::move(text)};
    }
  }

  // Reads on to the first name a source must check and keeps it for Next; false when there is
  // none.
  bool AnyToCheck() {
    if (!kept_) kept_ = Next();
    return kept_.has_value();
  }

  // The name handed out as `id`, now answered.
  std::u16string Answered(std::size_t id) {
    const auto found = asked_.find(id);
    std::u16string name = std::move(found->second);
    asked_.erase(found);
    return name;
  }

  // An input that could not be read, which ended the feed.
  const std::optional<std::string>& Error() const { return error_; }
  std::size_t SettledHere() const { return settledHere_; }
  std::size_t HandedOut() const { return handedOut_; }

 private:
  std::optional<check::Answer> Settle(std::size_t position, const std::u16string& name) {
    check::Answer answer;
    answer.checked = Now();
    if (auto reason = InvalidFor(name, registries_)) {
      answer.status = check::Status::Invalid;
      answer.detail = std::move(*reason);
      ++counts_.invalid;
      return answer;
    }
    if (settlers_.settled) {
      if (const auto found = settlers_.settled->find(name); found != settlers_.settled->end()) {
        ++counts_.resumed;
        if (found->second.status == check::Status::Available) ++counts_.available;
        return found->second;
      }
    }
    if (settlers_.delegated && (*settlers_.delegated)[position] != std::chrono::sys_seconds{}) {
      answer.status = check::Status::Registered;
      answer.detail = u"delegated in the zone file";
      answer.source = check::Route::Zone;
      answer.checked = (*settlers_.delegated)[position];
      ++counts_.delegated;
      return answer;
    }
    return std::nullopt;
  }

  NameStream& stream_;
  bool registries_;
  Settlers settlers_;
  AnswerWriter& writer_;
  Counts& counts_;
  std::optional<Name> kept_;
  std::unordered_map<std::size_t, std::u16string> asked_;  // by id, until answered
  std::optional<std::string> error_;
  std::size_t settledHere_ = 0;
  std::size_t handedOut_ = 0;
};

// When a zone was published: its SOA serial where that tells, else the file's time.
std::chrono::sys_seconds PublishedAt(const std::string& file, const check::ZoneScanner& scanner) {
  if (scanner.Serial()) {
    if (const auto published = check::SerialTime(*scanner.Serial())) {
      return std::chrono::sys_seconds(std::chrono::seconds(*published));
    }
  }
  std::error_code error;
  const auto written = std::filesystem::last_write_time(PathOf(file), error);
  if (error) return Now();
  // The file clock's epoch is the library's own: measured from now on both clocks.
  const auto age = std::filesystem::file_time_type::clock::now() - written;
  return std::chrono::floor<std::chrono::seconds>(
      std::chrono::system_clock::now() -
      std::chrono::duration_cast<std::chrono::system_clock::duration>(age));
}

// Which names of the list the zone files delegate: registered, with no question sent, as of
// the zone's date. Warns once for a zone older than two days and once for lines it could not
// read.
base::Result<ZoneDates> ZoneDelegated(const std::vector<std::string>& files, bool quiet,
                                     const std::vector<std::u16string>& names) {
  std::vector<std::string> aLabels;
  aLabels.reserve(names.size());
  for (const std::u16string& name : names) {
    auto aLabel = names::ToALabel(name);
    aLabels.push_back(aLabel ? aLabel.value() : std::string());
  }
  check::ZoneScanner scanner(aLabels);
  ZoneDates dates(names.size());
  const auto twoDays = std::chrono::hours(48);
  for (const std::string& file : files) {
    const std::size_t unreadableBefore = scanner.Unreadable();
    if (base::Status read = check::ScanZoneFile(PathOf(file), scanner); !read) {
      return base::Failure{"--zone " + Quoted(file) + ": " + read.error()};
    }
    const std::chrono::sys_seconds published = PublishedAt(file, scanner);
    for (std::size_t i = 0; i < dates.size(); ++i) {
      if (scanner.Delegated()[i] && dates[i] == std::chrono::sys_seconds{}) dates[i] = published;
    }
    if (quiet) continue;
    if (published < Now() - twoDays) {
      Write(Stream::Err, "brelka-cli: warning: the zone file " + Quoted(file) +
                             " is more than two days old; names registered since are missing "
                             "from it and go to their registries\n");
    }
    if (const std::size_t skipped = scanner.Unreadable() - unreadableBefore; skipped > 0) {
      Write(Stream::Err, "brelka-cli: warning: " + std::to_string(skipped) + " of the " +
                             "lines of the zone file " + Quoted(file) +
                             " could not be read and were skipped\n");
    }
  }
  return dates;
}

struct Checked {
  std::size_t done = 0;
  bool written = true;
};

// Checks the names of the feed and writes every answer as it becomes due. An answer that cannot
// be written stops the run at once: nobody would read the rest.
Checked CheckAndWrite(check::Source* source, RunFeed& feed, AnswerWriter& writer,
                      Progress& progress, Counts& counts, std::stop_source& stop) {
  Checked checked;
  if (source) {
    source->Check(
        feed,
        [&](std::size_t id, check::Answer answer) {
          if (answer.status == check::Status::Available) ++counts.available;
          if (answer.status == check::Status::Unknown) ++counts.unknown;
          if (answer.status == check::Status::Invalid) ++counts.invalid;
          answer.checked = Now();
          writer.Put(id, feed.Answered(id), answer);
          if (!writer.Flush()) stop.request_stop();
          ++checked.done;
          progress.Update(checked.done + feed.SettledHere(), source->PausedNames());
        },
        stop.get_token());
  } else {
    while (feed.Next()) {
    }
  }
  checked.written = writer.WriteRest();
  progress.Clear();
  return checked;
}

// The most names a pattern's count makes one by one, where its filters or the name rules leave
// out names that only making them can tell: about ten seconds.
constexpr std::uint64_t kCountBudget = 50'000'000;

// The most names made one by one to count those two ways make alike: a few seconds.
constexpr std::uint64_t kDistinctBudget = 5'000'000;

// How many distinct names the patterns make, after --tld; not exact when a count stopped at
// its budget, or names may repeat past kDistinctBudget ("up to").
struct Total {
  std::uint64_t names = 0;
  bool exact = true;
};

struct Patterns {
  std::vector<names::NamePattern> patterns;
  Total total;
};

// The words of --words, one per line (UTF-8, cleaned like names, blank lines and repeats
// skipped); a word must be able to stand in a name.
base::Result<std::vector<std::u16string>> ReadWords(const std::string& file) {
  std::ifstream in(PathOf(file), std::ios::binary);
  if (!in) return base::Failure{"cannot open '" + file + "': " + std::strerror(errno)};
  std::vector<std::u16string> words;
  names::FingerprintSet seen;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    std::u16string decoded;
    if (!base::DecodeUtf8(line, decoded)) {
      return base::Failure{file + ":" + std::to_string(number) + ": invalid UTF-8"};
    }
    std::u16string word = names::CleanName(decoded);
    if (word.empty()) continue;
    if (names::InvalidReason(word + u".cn") || word.find(u'.') != std::u16string::npos) {
      return base::Failure{file + ":" + std::to_string(number) + ": " +
                          Quoted(base::Utf16ToUtf8(word)) + " cannot be part of a name"};
    }
    if (seen.Insert(word)) words.push_back(std::move(word));
  }
  if (words.empty()) return base::Failure{"--words " + Quoted(file) + " holds no word"};
  return words;
}

// Each --pattern read and counted. A pattern that makes keywords needs suffixes to make names.
base::Result<Patterns> ReadPatterns(const Settings& settings,
                                   const std::vector<std::u16string>& suffixes) {
  std::vector<std::u16string> words;
  if (settings.wordsFile) {
    auto read = ReadWords(*settings.wordsFile);
    if (!read) return base::Failure{read.error()};
    words = std::move(read.value());
  }
  Patterns made;
  for (const std::u16string& text : settings.patterns) {
    const std::string shown = Quoted(base::Utf16ToUtf8(text));
    auto pattern = names::NamePattern::Read(text, words, settings.filters);
    if (!pattern) return base::Failure{"--pattern " + shown + " " + pattern.error()};
    const bool keywords = text.find(u'.') == std::u16string::npos;
    if (keywords && suffixes.empty()) {
      return base::Failure{"--pattern " + shown +
                          " makes keywords without a suffix: give --tld (or write the suffix "
                          "into the pattern, as DDD.cn)"};
    }
    const names::NamePattern::Count count = pattern.value().CountNames(kCountBudget);
    std::uint64_t names = count.names;
    const std::uint64_t each = keywords ? suffixes.size() : 1;
    names = names > UINT64_MAX / each ? UINT64_MAX : names * each;
    made.total.names =
        made.total.names > UINT64_MAX - names ? UINT64_MAX : made.total.names + names;
    made.total.exact = made.total.exact && count.exact;
    made.patterns.push_back(std::move(pattern.value()));
  }
  // Two patterns, or two ways through one, may make a name alike ("fang"+"an", "fan"+"gan"); it
  // is checked once, so it is counted once: by making the names where there are few enough.
  const bool mayRepeat =
      made.patterns.size() > 1 || std::any_of(made.patterns.begin(), made.patterns.end(),
                                              [](const auto& p) { return p.MayRepeat(); });
  if (mayRepeat && made.total.exact && made.total.names <= kDistinctBudget) {
    NameStream names = NameStream::FromPatterns(made.patterns, suffixes, made.total.names);
    std::uint64_t distinct = 0;
    for (std::u16string name;;) {
      const base::Result<bool> next = names.Next(name);
      if (!next || !next.value()) break;
      ++distinct;
    }
    made.total.names = distinct;
  } else if (mayRepeat) {
    made.total.exact = false;
  }
  return made;
}

// Why patterns make no name: the first filter without which they would make some, else the
// name rules.
std::string WhyNoName(const Settings& settings, const std::vector<std::u16string>& suffixes) {
  const names::PatternFilters& filters = settings.filters;
  const std::pair<std::string, names::PatternFilters> without[] = {
      {"--length", {filters.without, filters.mixed, 0, SIZE_MAX}},
      {"--mixed", {filters.without, false, filters.minLength, filters.maxLength}},
      {"--without", {u"", filters.mixed, filters.minLength, filters.maxLength}},
  };
  for (const auto& [option, fewer] : without) {
    Settings wider = settings;
    wider.filters = fewer;
    const auto made = ReadPatterns(wider, suffixes);
    if (made && made.value().total.names > 0) return option + " leaves out every name they make";
  }
  return "the name rules leave out every name they make (a label over 63 octets, a hyphen "
         "first or last, ...)";
}

// --count: how many names there are and the first ten, on standard output. Names read from the
// inputs are counted by reading them all, repeats left out; the patterns' by their count.
int PrintCount(NameStream& stream, const std::optional<Total>& total, std::uint64_t maxNames) {
  std::string first;
  std::u16string name;
  std::uint64_t read = 0;
  for (;;) {
    if (total && read == 10) break;
    auto next = stream.Next(name);
    if (!next) return UsageError(next.error());
    if (!next.value()) break;
    if (read++ < 10) first += base::Utf16ToUtf8(name) + "\n";
  }
  const std::uint64_t names = total ? total->names : read;
  const std::string count = std::string(total && !total->exact ? "up to " : "") +
                            Names(names);
  if (total && total->names > maxNames) {
    Write(Stream::Err, "brelka-cli: warning: a run of these patterns would be refused: " + count +
                           " are more than --max-names " + std::to_string(maxNames) +
                           " allows\n");
  }
  if (!Write(Stream::Out, count + "\n" + first)) {
    return OutputClosed() ? kAllAnswered
                          : UsageError("the count could not be written to standard output");
  }
  return kAllAnswered;
}

}  // namespace

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
  return check::OpenRegistrySource(std::move(setup), stop);
}

std::chrono::sys_seconds Now() {
  return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

// For the registries, a name no registry holds is invalid too (see names/PublicSuffix.h), so that
// neither a resumed answer nor a registry's "no such name" stands for it.
std::optional<std::u16string> InvalidFor(const std::u16string& name, bool registries) {
  auto reason = names::InvalidReason(name);
  if (reason || !registries) return reason;
  auto aLabel = names::ToALabel(name);
  if (!aLabel) return base::FromUtf8(aLabel.error());
  return names::UnregistrableReason(aLabel.value());
}

int Run(std::span<const std::string> args, const DemoStarter& startDemo) {
  PrepareStandardStreams();
  base::Result<Options> parsed = ParseCommandLine(args);
  if (!parsed) return UsageError(parsed.error() + " (see --help)");
  const Options& options = parsed.value();
  if (options.help) {
    Write(Stream::Out, HelpText());
    return kAllAnswered;
  }
  if (options.version) {
    Write(Stream::Out, std::string("brelka-cli ") + BRELKA_VERSION + "\nPublic Suffix List of " +
                           std::string(names::PublicSuffixListDate()) + "\n");
    return kAllAnswered;
  }
  base::Result<Settings> resolved = Resolve(options);
  if (!resolved) return UsageError(resolved.error() + " (see --help)");
  const Settings& settings = resolved.value();
  if (settings.demo && !startDemo) {
    return UsageError("--demo is not available in this build: it has no built-in simulator");
  }

  const bool registries = settings.source != SourceKind::Registrar;
  std::vector<std::u16string> suffixes = settings.suffixes;
  for (const std::u16string& suffix : suffixes) {
    if (base::Status checked = registries ? CheckPublicSuffix(suffix) : base::Ok(); !checked) {
      return UsageError("--tld " + checked.error());
    }
  }
  if (settings.suffixFile) {
    auto more = ReadSuffixFile(*settings.suffixFile, registries);
    if (!more) return UsageError(more.error());
    suffixes.insert(suffixes.end(), more.value().begin(), more.value().end());
  }

  if (!settings.watch.empty()) return RunWatch(settings, suffixes, startDemo);

  // 1. Where the names come from: the patterns, counted before anything is made, or the inputs.
  std::optional<NameStream> stream;
  std::optional<Total> total;
  if (!settings.patterns.empty()) {
    auto made = ReadPatterns(settings, suffixes);
    if (!made) return UsageError(made.error());
    total = made.value().total;
    if (total->names == 0 && !settings.quiet) {
      Write(Stream::Err, "brelka-cli: warning: the patterns make no name: " +
                             WhyNoName(settings, suffixes) + "\n");
    }
    if (!settings.count && total->names > settings.maxNames) {
      return UsageError("the patterns make " + std::string(total->exact ? "" : "up to ") +
                        std::to_string(total->names) + " names, more than --max-names " +
                        std::to_string(settings.maxNames) +
                        " allows; narrow the patterns or raise --max-names");
    }
    stream.emplace(NameStream::FromPatterns(
        std::move(made.value().patterns), suffixes,
        static_cast<std::size_t>(std::min<std::uint64_t>(total->names, settings.maxNames))));
  } else {
    stream.emplace(NameStream::FromInputs(settings.files, suffixes));
    if (base::Status readable = stream->CheckFiles(); !readable) return UsageError(readable.error());
    const bool fromStandardInput =
        settings.files.empty() ||
        std::find(settings.files.begin(), settings.files.end(), "-") != settings.files.end();
    if (fromStandardInput && InputIsTerminal() && !settings.quiet) {
      Write(Stream::Err, std::string("brelka-cli: reading names from standard input, one a line; ") +
                             kEndOfInput + " ends them\n");
    }
  }
  if (settings.count) return PrintCount(*stream, total, settings.maxNames);

  // 2. What settles names before any source: an earlier run's answers, the zone files. A zone
  // file is read once against the whole list, which is then held.
  Settled settled;
  if (settings.resumeFile) {
    const std::string& file = *settings.resumeFile;
    std::ifstream in(PathOf(file), std::ios::binary);
    if (!in) return UsageError("cannot open '" + file + "': " + std::strerror(errno));
    const ResumingRun resuming{RoutesOf(settings.source), settings.demo, Now(), settings.maxAge};
    auto read = ReadSettled(in, file, resuming);
    if (!read) return UsageError(read.error());
    if (read.value().undated && !settings.quiet) {
      Write(Stream::Err, "brelka-cli: warning: " + Quoted(file) +
                             " was written before answers carried their time; its answers are "
                             "taken whatever their age\n");
    }
    settled = std::move(read.value().settled);
  }
  ZoneDates delegated;
  if (!settings.zoneFiles.empty()) {
    std::vector<std::u16string> names;
    std::u16string name;
    for (;;) {
      auto next = stream->Next(name);
      if (!next) return UsageError(next.error());
      if (!next.value()) break;
      names.push_back(std::move(name));
    }
    auto found = ZoneDelegated(settings.zoneFiles, settings.quiet, names);
    if (!found) return UsageError(found.error());
    delegated = std::move(found.value());
    stream.emplace(NameStream::FromList(std::move(names)));
  }
  if (total && !settings.quiet) {
    Write(Stream::Err, "brelka-cli: " + std::string(total->exact ? "" : "up to ") +
                           Names(total->names) + " to check\n");
  }

  Progress progress(
      total ? static_cast<std::size_t>(std::min<std::uint64_t>(total->names, SIZE_MAX)) : 0,
      !settings.quiet && IsTerminal(Stream::Err));
  const bool sameTerminal = IsTerminal(Stream::Out);
  const Columns columns =
      settings.source == SourceKind::Registrar ? Columns::Basic : Columns::Registry;
  AnswerWriter writer(settings.format, columns, settings.demo, [&progress, sameTerminal] {
    if (sameTerminal) progress.Clear();
  });
  Counts counts;
  RunFeed feed(
      *stream, registries,
      {settings.resumeFile ? &settled : nullptr, settings.zoneFiles.empty() ? nullptr : &delegated},
      writer, counts);
  const bool anyToCheck = feed.AnyToCheck();
  if (feed.Error()) return UsageError(*feed.Error());

  // Before any thread starts: the simulator's and the HTTP layer's leave Ctrl+C to ours.
  std::stop_source stop;
  StopOnInterrupt(stop);
  Demo demo;
  std::string registrarBase = settings.registrarBase;
  if (settings.demo) {
    try {
      demo = startDemo(std::string(SourceName(settings.source)));
    } catch (const std::exception& e) {
      Write(Stream::Err,
            std::string("brelka-cli: the built-in simulator cannot start: ") + e.what() + "\n");
      return kSomeUnknown;
    }
    registrarBase = demo.baseUrl;
  }

  // 3. The source for the names to check; the RDAP source first needs its bootstrap. A
  // platform component without a safeguard the sources rely on stops the run before any
  // request.
  std::unique_ptr<web::HttpSession> session;
  std::unique_ptr<check::Source> source;
  if (base::Status ready = web::CheckHttpClientSupport(); anyToCheck && !ready) {
    Write(Stream::Err, "brelka-cli: " + ready.error() + "\n");
    return kSomeUnknown;
  }
  if (anyToCheck && settings.source != SourceKind::Registrar) {
    auto opened = OpenRegistrySource(settings, demo, stop.get_token());
    if (!opened && stop.stop_requested()) {
      Write(Stream::Err, "brelka-cli: interrupted while fetching the RDAP bootstrap\n");
      return kInterruptedExit;
    }
    if (!opened) {
      Write(Stream::Err, "brelka-cli: " + opened.error() + "\n");
      return kSomeUnknown;
    }
    source = std::move(opened.value());
  } else if (anyToCheck) {
    session = web::OpenHttpSession();
    source = std::make_unique<check::RegistrarSource>(
        *session, std::u16string(registrarBase.begin(), registrarBase.end()));
  }

  // 4. The names, checked and written as they come.
  const Checked checked = CheckAndWrite(source.get(), feed, writer, progress, counts, stop);
  if (!checked.written && OutputClosed()) {
    // The reader has what it wanted (head -1): the run ends quietly, its names not yet
    // answered left unasked.
    return counts.unknown > 0 ? kSomeUnknown : kAllAnswered;
  }
  if (!checked.written) {
    return UsageError("the answers could not all be written to standard output");
  }
  if (stop.stop_requested()) {
    // Of a list read as it goes, the size is not known: only what was checked.
    // "1 of 5 names checked", "3 names checked".
    Write(Stream::Err, "brelka-cli: interrupted; " +
                           (total ? std::to_string(checked.done) + " of " + Names(total->names)
                                  : Names(checked.done)) +
                           " checked\n");
    return kInterruptedExit;
  }
  if (feed.Error()) return UsageError(*feed.Error());
  if (!settings.quiet && counts.entered == 0 && !total) {
    Write(Stream::Err, "brelka-cli: the input holds no names\n");
  }
  if (!settings.quiet) Write(Stream::Err, SummaryText(counts));
  const bool nothingValid = counts.invalid == counts.entered;
  return counts.unknown > 0 || nothingValid ? kSomeUnknown : kAllAnswered;
}

}  // namespace cli
