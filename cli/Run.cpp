#include "Run.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

#include "Console.h"
#include "Formats.h"
#include "Interrupt.h"
#include "NameReader.h"
#include "Options.h"
#include "Progress.h"
#include "Resume.h"
#include "Settings.h"
#include "check/ALabel.h"
#include "check/NameList.h"
#include "check/NameRules.h"
#include "check/OpenRegistries.h"
#include "check/PublicSuffix.h"
#include "check/RegistrarSource.h"
#include "check/RegistrySource.h"
#include "check/Utf8.h"
#include "check/dns/ZoneFile.h"
#include "web/HttpRequest.h"
#include "web/TextEncoding.h"

#ifndef BRELKA_VERSION
#define BRELKA_VERSION "unknown"
#endif

namespace cli {
namespace {

// A file named on the command line, whose name arrives in UTF-8 on every platform.
std::filesystem::path PathOf(const std::string& file) {
  return std::filesystem::path(std::u8string(file.begin(), file.end()));
}

int UsageError(const std::string& message) {
  Write(Stream::Err, "brelka-cli: " + message + "\n");
  return kUsageError;
}

web::Status ReadNamesFromStandardInput(check::NameList& list) {
  NameReader reader("<stdin>", list);
  if (web::Status read =
          ReadStandardInput([&reader](std::string_view bytes) { return reader.Feed(bytes); });
      !read) {
    return read;
  }
  return reader.Finish();
}

web::Status ReadInputs(const std::vector<std::string>& files, check::NameList& list) {
  if (files.empty()) return ReadNamesFromStandardInput(list);
  for (const std::string& file : files) {
    if (file == "-") {
      if (web::Status read = ReadNamesFromStandardInput(list); !read) return read;
      continue;
    }
    const std::filesystem::path path = PathOf(file);
    std::ifstream in(path, std::ios::binary);
    if (!in) return web::Failure{"cannot open '" + file + "': " + std::strerror(errno)};
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      return web::Failure{"cannot read '" + file + "': it is a folder"};
    }
    if (web::Status read = ReadNames(in, file, list); !read) return read;
  }
  return web::Ok();
}

// For the registries: a suffix of --tld or --tld-file must be one under which a registry sells
// names, or every name made with it would lie under a name someone holds.
web::Status CheckPublicSuffix(std::u16string_view suffix) {
  const std::string text = web::Utf16ToUtf8(suffix);
  auto aLabel = check::ToALabel(suffix);
  if (!aLabel) return web::Failure{Quoted(text) + " is not a suffix: " + aLabel.error()};
  if (check::IsPublicSuffix(aLabel.value())) return web::Ok();
  const auto under = check::UnregistrableReason(aLabel.value());
  return web::Failure{Quoted(text) + " is not a suffix under which a registry sells names: " +
                      (under ? web::Utf16ToUtf8(*under) : "it is a name a registry holds")};
}

// The suffixes of --tld-file, one per line (UTF-8, blank lines skipped), each checked as --tld
// checks its own.
web::Result<std::vector<std::u16string>> ReadSuffixFile(const std::string& file, bool registries) {
  const std::filesystem::path path = PathOf(file);
  std::ifstream in(path, std::ios::binary);
  if (!in) return web::Failure{"cannot open '" + file + "': " + std::strerror(errno)};
  std::vector<std::u16string> suffixes;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    auto suffix = ReadSuffix(line);
    const web::Status checked = !suffix      ? web::Failure{suffix.error()}
                                : registries ? CheckPublicSuffix(suffix.value())
                                             : web::Ok();
    if (!checked) return web::Failure{file + ":" + std::to_string(number) + ": " + checked.error()};
    suffixes.push_back(std::move(suffix.value()));
  }
  return suffixes;
}

// Standard output, written in input order: an answer goes out, flushed, as soon as every name
// before it has been answered, so no line waits behind a host that is paused.
class AnswerWriter {
 public:
  // beforeWrite runs before anything goes out, so that a progress line on the same terminal
  // can make way.
  AnswerWriter(Format format, Columns columns, bool demo, const std::vector<std::u16string>& names,
               std::vector<std::optional<check::Answer>>& answers,
               std::function<void()> beforeWrite)
      : format_(format),
        columns_(columns),
        demo_(demo),
        names_(names),
        answers_(answers),
        beforeWrite_(std::move(beforeWrite)) {
    buffer_ = FormatHeader(format, columns);
  }

  // Writes what is answered, up to the first name that is not. False once anything could not
  // be written.
  bool WriteReady() {
    while (next_ < names_.size() && answers_[next_]) Take(next_++);
    Flush();
    return !failed_;
  }

  // Writes every answered name that is left, skipping those without an answer. False when any
  // of the answers could not be written.
  bool WriteRest() {
    for (; next_ < names_.size(); ++next_) {
      if (answers_[next_]) Take(next_);
    }
    Flush();
    return !failed_;
  }

 private:
  void Take(std::size_t i) {
    buffer_ += FormatAnswer(format_, names_[i], *answers_[i], columns_, demo_);
  }
  void Flush() {
    if (buffer_.empty()) return;
    beforeWrite_();
    if (!Write(Stream::Out, buffer_)) failed_ = true;
    buffer_.clear();
  }

  Format format_;
  Columns columns_;
  bool demo_;
  const std::vector<std::u16string>& names_;
  std::vector<std::optional<check::Answer>>& answers_;
  std::function<void()> beforeWrite_;
  bool failed_ = false;
  std::size_t next_ = 0;
  std::string buffer_;
};

// The registries' source: RDAP with its bootstrap (unless --source whois), WHOIS (unless
// --source rdap) and DNS, or in the demo the simulated servers.
web::Result<std::unique_ptr<check::Source>> OpenRegistrySource(const Settings& settings,
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
  }
  setup.details = settings.details;
  setup.options = settings.registry;
  if (settings.demo) {
    // The demo's own fast pace toward its simulators, with the user's rates on top.
    setup.options.paces = demo.registries.options.paces;
    setup.options.paces.SetRates(settings.registry.paces);
  }
  setup.useWhois = settings.source != SourceKind::Rdap;
  setup.options.warn = [](const std::string& warning) {
    Write(Stream::Err, "brelka-cli: warning: " + warning + "\n");
  };
  return check::OpenRegistrySource(std::move(setup), stop);
}

std::chrono::sys_seconds Now() {
  return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
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

// The names split into those answered here as invalid and those a source must check.
struct Judged {
  std::vector<std::optional<check::Answer>> answers;  // by position in the list
  std::vector<std::u16string> valid;
  std::vector<std::size_t> positions;  // of each valid name in the list
};

// For the registries, a name no registry holds is invalid too (see check/PublicSuffix.h), so that
// neither a resumed answer nor a registry's "no such name" stands for it.
std::optional<std::u16string> InvalidFor(const std::u16string& name, bool registries) {
  auto reason = check::InvalidReason(name);
  if (reason || !registries) return reason;
  auto aLabel = check::ToALabel(name);
  if (!aLabel) return check::FromUtf8(aLabel.error());
  return check::UnregistrableReason(aLabel.value());
}

Judged Judge(const std::vector<std::u16string>& names, bool registries, Counts& counts) {
  Judged judged;
  judged.answers.resize(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (auto reason = InvalidFor(names[i], registries)) {
      check::Answer& answer = judged.answers[i].emplace();
      answer.status = check::Status::Invalid;
      answer.detail = std::move(*reason);
      answer.checked = Now();
      ++counts.invalid;
    } else {
      judged.valid.push_back(names[i]);
      judged.positions.push_back(i);
    }
  }
  return judged;
}

// Takes out of the names to check those an earlier run settled, with their answers as they were.
void Resume(const Settled& settled, Judged& judged, Counts& counts) {
  std::vector<std::u16string> valid;
  std::vector<std::size_t> positions;
  for (std::size_t k = 0; k < judged.valid.size(); ++k) {
    const auto found = settled.find(judged.valid[k]);
    if (found == settled.end()) {
      valid.push_back(std::move(judged.valid[k]));
      positions.push_back(judged.positions[k]);
      continue;
    }
    judged.answers[judged.positions[k]] = found->second;
    ++counts.resumed;
    if (found->second.status == check::Status::Available) ++counts.available;
  }
  judged.valid = std::move(valid);
  judged.positions = std::move(positions);
}

// Takes out of the names to check those the zone files delegate: registered, with no question
// sent. Warns once for a zone older than two days and once for lines it could not read.
web::Status TakeDelegated(const std::vector<std::string>& files, bool quiet, Judged& judged,
                          Counts& counts) {
  std::vector<std::string> aLabels;
  for (const std::u16string& name : judged.valid) {
    auto aLabel = check::ToALabel(name);
    aLabels.push_back(aLabel ? aLabel.value() : std::string());
  }
  check::ZoneScanner scanner(aLabels);
  const auto now = std::chrono::system_clock::now();
  const auto twoDays = std::chrono::hours(48);
  for (const std::string& file : files) {
    const std::size_t unreadableBefore = scanner.Unreadable();
    if (web::Status read = check::ScanZoneFile(PathOf(file), scanner); !read) {
      return web::Failure{"--zone " + Quoted(file) + ": " + read.error()};
    }
    if (quiet) continue;
    std::error_code error;
    const auto written = std::filesystem::last_write_time(PathOf(file), error);
    bool stale = !error && written < std::filesystem::file_time_type::clock::now() - twoDays;
    if (scanner.Serial()) {
      const auto published = check::SerialTime(*scanner.Serial());
      stale = stale || (published &&
                        std::chrono::sys_seconds(std::chrono::seconds(*published)) < now - twoDays);
    }
    if (stale) {
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
  std::vector<std::u16string> valid;
  std::vector<std::size_t> positions;
  for (std::size_t k = 0; k < judged.valid.size(); ++k) {
    if (!scanner.Delegated()[k]) {
      valid.push_back(std::move(judged.valid[k]));
      positions.push_back(judged.positions[k]);
      continue;
    }
    check::Answer& answer = judged.answers[judged.positions[k]].emplace();
    answer.status = check::Status::Registered;
    answer.detail = u"delegated in the zone file";
    answer.source = check::Route::Zone;
    answer.checked = Now();
    ++counts.delegated;
  }
  judged.valid = std::move(valid);
  judged.positions = std::move(positions);
  return web::Ok();
}

struct Checked {
  std::size_t done = 0;
  bool written = true;
};

// Checks the valid names and writes every answer as it becomes due. An answer that cannot be
// written stops the run at once: nobody would read the rest.
Checked CheckAndWrite(const Settings& settings, check::Source* source,
                      const std::vector<std::u16string>& names, Judged& judged, Counts& counts,
                      std::stop_source& stop) {
  Progress progress(judged.valid.size(), !settings.quiet && IsTerminal(Stream::Err));
  const bool sameTerminal = IsTerminal(Stream::Out);
  const Columns columns =
      settings.source == SourceKind::Registrar ? Columns::Basic : Columns::Registry;
  AnswerWriter writer(settings.format, columns, settings.demo, names, judged.answers,
                      [&progress, sameTerminal] {
                        if (sameTerminal) progress.Clear();
                      });
  Checked checked;
  if (source) {
    source->Check(
        judged.valid,
        [&](std::size_t index, check::Answer answer) {
          if (answer.status == check::Status::Available) ++counts.available;
          if (answer.status == check::Status::Unknown) ++counts.unknown;
          answer.checked = Now();
          judged.answers[judged.positions[index]] = std::move(answer);
          if (!writer.WriteReady()) stop.request_stop();
          progress.Update(++checked.done, source->PausedNames());
        },
        stop.get_token());
  }
  checked.written = writer.WriteRest();
  progress.Clear();
  return checked;
}

}  // namespace

int Run(std::span<const std::string> args, const DemoStarter& startDemo) {
  PrepareStandardStreams();
  web::Result<Options> parsed = ParseCommandLine(args);
  if (!parsed) return UsageError(parsed.error() + " (see --help)");
  const Options& options = parsed.value();
  if (options.help) {
    Write(Stream::Out, HelpText());
    return kAllAnswered;
  }
  if (options.version) {
    Write(Stream::Out, std::string("brelka-cli ") + BRELKA_VERSION + "\nPublic Suffix List of " +
                           std::string(check::PublicSuffixListDate()) + "\n");
    return kAllAnswered;
  }
  web::Result<Settings> resolved = Resolve(options);
  if (!resolved) return UsageError(resolved.error() + " (see --help)");
  const Settings& settings = resolved.value();
  if (settings.demo && !startDemo) {
    return UsageError("--demo is not available in this build: it has no built-in simulator");
  }

  check::NameList list;
  const bool registries = settings.source != SourceKind::Registrar;
  std::vector<std::u16string> suffixes = settings.suffixes;
  for (const std::u16string& suffix : suffixes) {
    if (web::Status checked = registries ? CheckPublicSuffix(suffix) : web::Ok(); !checked) {
      return UsageError("--tld " + checked.error());
    }
  }
  if (settings.suffixFile) {
    auto more = ReadSuffixFile(*settings.suffixFile, registries);
    if (!more) return UsageError(more.error());
    suffixes.insert(suffixes.end(), more.value().begin(), more.value().end());
  }
  list.SetSuffixes(std::move(suffixes));
  if (web::Status read = ReadInputs(settings.files, list); !read) return UsageError(read.error());
  Counts counts;
  counts.entered = list.Names().size();
  Judged judged = Judge(list.Names(), registries, counts);
  const bool nothingValid = judged.valid.empty();
  if (settings.resumeFile) {
    const std::string& file = *settings.resumeFile;
    std::ifstream in(PathOf(file), std::ios::binary);
    if (!in) return UsageError("cannot open '" + file + "': " + std::strerror(errno));
    const ResumingRun resuming{RoutesOf(settings.source), settings.demo, Now(), settings.maxAge};
    auto settled = ReadSettled(in, file, resuming);
    if (!settled) return UsageError(settled.error());
    if (settled.value().undated && !settings.quiet) {
      Write(Stream::Err, "brelka-cli: warning: " + Quoted(file) +
                             " was written before answers carried their time; its answers are "
                             "taken whatever their age\n");
    }
    Resume(settled.value().settled, judged, counts);
  }
  if (!settings.zoneFiles.empty()) {
    if (web::Status taken = TakeDelegated(settings.zoneFiles, settings.quiet, judged, counts);
        !taken) {
      return UsageError(taken.error());
    }
  }

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

  // The source for the valid names; the RDAP source first needs its bootstrap. A platform
  // component without a safeguard the sources rely on stops the run before any request.
  std::unique_ptr<web::HttpSession> session;
  std::unique_ptr<check::Source> source;
  if (web::Status ready = web::CheckHttpClientSupport(); !judged.valid.empty() && !ready) {
    Write(Stream::Err, "brelka-cli: " + ready.error() + "\n");
    return kSomeUnknown;
  }
  if (!judged.valid.empty() && settings.source != SourceKind::Registrar) {
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
  } else if (!judged.valid.empty()) {
    session = web::OpenHttpSession();
    source = std::make_unique<check::RegistrarSource>(
        *session, std::u16string(registrarBase.begin(), registrarBase.end()));
  }

  const Checked checked = CheckAndWrite(settings, source.get(), list.Names(), judged, counts, stop);
  if (!checked.written) {
    return UsageError("the answers could not all be written to standard output");
  }
  if (stop.stop_requested()) {
    Write(Stream::Err, "brelka-cli: interrupted; " + std::to_string(checked.done) + " of " +
                           std::to_string(judged.valid.size()) + " names were checked\n");
    return kInterruptedExit;
  }
  if (!settings.quiet) Write(Stream::Err, SummaryText(counts));
  return counts.unknown > 0 || nothingValid ? kSomeUnknown : kAllAnswered;
}

}  // namespace cli
