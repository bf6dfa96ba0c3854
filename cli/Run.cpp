#include "Run.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <stop_token>
#include <vector>

#include "Checking.h"
#include "Console.h"
#include "Drops.h"
#include "Formats.h"
#include "Interrupt.h"
#include "NameReader.h"
#include "NameStream.h"
#include "Options.h"
#include "Patterns.h"
#include "Progress.h"
#include "Resume.h"
#include "Settings.h"
#include "Sources.h"
#include "Watch.h"
#include "base/Text.h"
#include "check/OpenRegistries.h"
#include "check/RegistrarSource.h"
#include "check/RegistrySource.h"
#include "names/ALabel.h"
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

// --tld's suffixes, then --tld-file's, each checked for the registries.
base::Result<std::vector<std::u16string>> AllSuffixes(const Settings& settings, bool registries) {
  std::vector<std::u16string> suffixes = settings.suffixes;
  for (const std::u16string& suffix : suffixes) {
    if (base::Status checked = registries ? CheckPublicSuffix(suffix) : base::Ok(); !checked) {
      return base::Failure{"--tld " + checked.error()};
    }
  }
  if (settings.suffixFile) {
    auto more = ReadSuffixFile(*settings.suffixFile, registries);
    if (!more) return more.failure();
    suffixes.insert(suffixes.end(), more.value().begin(), more.value().end());
  }
  return suffixes;
}

// Starts the registries' simulators once for the run: those whose lists drops --check reads
// answer its names.
DemoStarter OnceForTheRun(DemoStarter startDemo) {
  auto started = std::make_shared<std::optional<Demo>>();
  return [startDemo = std::move(startDemo), started](const std::string& source) {
    if (source == "registrar") return startDemo(source);
    if (!*started) *started = startDemo(source);
    return **started;
  };
}

// Where the names come from: the patterns, counted before anything is made, or the inputs.
struct Input {
  std::optional<NameStream> stream;
  std::optional<Total> total;  // of the patterns
};

base::Result<Input> OpenInput(const Settings& settings,
                              const std::vector<std::u16string>& suffixes,
                              const DemoStarter& startDemo, std::stop_token stop) {
  Input input;
  if (settings.drops) {
    auto drops = ReadDrops(settings, startDemo, stop);
    if (!drops) return drops.failure();
    std::vector<std::u16string> names;
    for (DropRow& row : drops.value()) names.push_back(std::move(row.name));
    input.stream.emplace(NameStream::FromList(std::move(names)));
    return input;
  }
  if (!settings.patterns.empty()) {
    auto made = ReadPatterns(settings, suffixes);
    if (!made) return made.failure();
    const Total total = made.value().total;
    input.total = total;
    if (total.names == 0 && !settings.quiet) {
      Write(Stream::Err, "brelka-cli: warning: the patterns make no name: " +
                             WhyNoName(settings, suffixes) + "\n");
    }
    if (!settings.count && total.names > settings.maxNames) {
      return base::Failure{"the patterns make " + std::string(total.exact ? "" : "up to ") +
                           std::to_string(total.names) + " names, more than --max-names " +
                           std::to_string(settings.maxNames) +
                           " allows; narrow the patterns or raise --max-names"};
    }
    input.stream.emplace(NameStream::FromPatterns(
        std::move(made.value().patterns), suffixes,
        static_cast<std::size_t>(std::min<std::uint64_t>(total.names, settings.maxNames))));
    if (settings.types) input.stream->KeepTypes(&*settings.types);
    return input;
  }
  input.stream.emplace(NameStream::FromInputs(settings.files, suffixes));
  if (settings.types) input.stream->KeepTypes(&*settings.types);
  if (base::Status readable = input.stream->CheckFiles(); !readable) return readable.failure();
  const bool fromStandardInput =
      settings.files.empty() ||
      std::find(settings.files.begin(), settings.files.end(), "-") != settings.files.end();
  if (fromStandardInput && InputIsTerminal() && !settings.quiet) {
    Write(Stream::Err, std::string("brelka-cli: reading names from standard input, one a line; ") +
                           kEndOfInput + " ends them\n");
  }
  return input;
}

// An earlier run's answers (--resume).
base::Result<Settled> ReadResumed(const Settings& settings) {
  if (!settings.resumeFile) return Settled{};
  const std::string& file = *settings.resumeFile;
  std::ifstream in(PathOf(file), std::ios::binary);
  if (!in) return base::Failure{"cannot open '" + file + "': " + std::strerror(errno)};
  const ResumingRun resuming{RoutesOf(settings.source), settings.demo, Now(), settings.maxAge};
  auto read = ReadSettled(in, file, resuming);
  if (!read) return read.failure();
  if (read.value().undated && !settings.quiet) {
    Write(Stream::Err, "brelka-cli: warning: " + Quoted(file) +
                           " was written before answers carried their time; its answers are "
                           "taken whatever their age\n");
  }
  return std::move(read.value().settled);
}

// The zone files' delegations (--zone): a zone file is read once against the whole list, which
// is then held and read from the stream that replaces the input's.
base::Result<ZoneDates> ScanZones(const Settings& settings, std::optional<NameStream>& stream) {
  if (settings.zoneFiles.empty()) return ZoneDates{};
  std::vector<std::u16string> names;
  std::u16string name;
  for (;;) {
    auto next = stream->Next(name);
    if (!next) return next.failure();
    if (!next.value()) break;
    names.push_back(std::move(name));
  }
  auto found = ZoneDelegated(settings.zoneFiles, settings.quiet, names);
  if (!found) return found.failure();
  stream.emplace(NameStream::FromList(std::move(names), stream->LeftOut()));
  return std::move(found.value());
}

// How a run that checked its names ends: the interruption, the summary, the exit status.
int Ended(const Settings& settings, const Checked& checked, const RunFeed& feed,
          const Counts& counts, const std::optional<Total>& total, std::uint64_t leftOut,
          bool stopped) {
  if (!checked.written && OutputClosed()) {
    // The reader has what it wanted (head -1): the run ends quietly, its names not yet
    // answered left unasked.
    return counts.unknown > 0 ? kSomeUnknown : kAllAnswered;
  }
  if (!checked.written) {
    return UsageError("the answers could not all be written to standard output");
  }
  if (stopped) {
    // Of a list read as it goes, the size is not known: only what was checked.
    // "1 of 5 names checked", "3 names checked".
    Write(Stream::Err, "brelka-cli: interrupted; " +
                           (total ? std::to_string(checked.done) + " of " + Names(total->names)
                                  : Names(checked.done)) +
                           " checked\n");
    return kInterruptedExit;
  }
  if (feed.Error()) return UsageError(*feed.Error());
  if (!settings.quiet && leftOut > 0) {
    Write(Stream::Err, "brelka-cli: --type left out " + Names(leftOut) + "\n");
  }
  if (!settings.quiet && counts.entered == 0 && !total && leftOut == 0) {
    Write(Stream::Err, "brelka-cli: the input holds no names\n");
  }
  if (!settings.quiet) Write(Stream::Err, SummaryText(counts));
  const bool nothingValid = counts.invalid == counts.entered;
  return counts.unknown > 0 || nothingValid ? kSomeUnknown : kAllAnswered;
}

}  // namespace

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
  auto allSuffixes = AllSuffixes(settings, registries);
  if (!allSuffixes) return UsageError(allSuffixes.error());
  const std::vector<std::u16string>& suffixes = allSuffixes.value();

  if (!settings.watch.empty()) return RunWatch(settings, suffixes, startDemo);

  // 1. Where the names come from.
  if (settings.drops && !settings.dropsCheck) return RunDrops(settings, startDemo);
  // Ctrl+C asks the run to stop from the first thread on (the simulators' and the HTTP
  // layer's leave it to ours), which for drops --check is the fetch of its lists; before that
  // it ends the program, so that it also ends a long zone scan at once.
  std::stop_source stop;
  if (settings.drops) StopOnInterrupt(stop);
  const DemoStarter startOnce = OnceForTheRun(startDemo);
  auto opened = OpenInput(settings, suffixes, startOnce, stop.get_token());
  if (!opened && stop.stop_requested()) {
    Write(Stream::Err, "brelka-cli: interrupted\n");
    return kInterruptedExit;
  }
  if (!opened) return UsageError(opened.error());
  std::optional<NameStream>& stream = opened.value().stream;
  const std::optional<Total>& total = opened.value().total;
  if (settings.count) return PrintCount(*stream, total, settings.maxNames);

  // 2. What settles names before any source: an earlier run's answers, the zone files.
  auto settled = ReadResumed(settings);
  if (!settled) return UsageError(settled.error());
  auto delegated = ScanZones(settings, stream);
  if (!delegated) return UsageError(delegated.error());
  if (total && !settings.quiet) {
    Write(Stream::Err, "brelka-cli: " + std::string(total->exact ? "" : "up to ") +
                           Names(total->names) + " to check\n");
  }

  Progress progress(
      total ? static_cast<std::size_t>(std::min<std::uint64_t>(total->names, SIZE_MAX)) : 0,
      !settings.quiet && IsTerminal(Stream::Err));
  const bool sameTerminal = IsTerminal(Stream::Out);
  const Columns columns =
      (settings.source == SourceKind::Registrar ? Columns::Basic : Columns::Registry) |
      (settings.types ? Columns::Type : Columns::Basic) |
      (settings.registry.forSale ? Columns::ForSale : Columns::Basic);
  AnswerWriter writer(settings.format, columns, settings.demo, [&progress, sameTerminal] {
    if (sameTerminal) progress.Clear();
  });
  Counts counts;
  RunFeed feed(
      *stream, registries,
      {settings.resumeFile ? &settled.value() : nullptr,
       settings.zoneFiles.empty() ? nullptr : &delegated.value()},
      writer, counts);
  const bool anyToCheck = feed.AnyToCheck();
  if (feed.Error()) return UsageError(*feed.Error());

  if (!settings.drops) StopOnInterrupt(stop);
  Demo demo;
  std::string registrarBase = settings.registrarBase;
  if (settings.demo) {
    try {
      demo = startOnce(std::string(SourceName(settings.source)));
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
  return Ended(settings, checked, feed, counts, total, stream->LeftOut(), stop.stop_requested());
}

}  // namespace cli
