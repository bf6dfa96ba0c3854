#include "Watch.h"

#include <algorithm>
#include <exception>

#include "Calendar.h"
#include "Console.h"
#include "Formats.h"
#include "Interrupt.h"
#include "NameStream.h"
#include "Progress.h"
#include "WatchList.h"
#include "base/Text.h"
#include "web/HttpClient.h"

namespace cli {
namespace {

int Fail(const std::string& message, int status = kUsageError) {
  Write(Stream::Err, "brelka-cli: " + message + "\n");
  return status;
}

std::string Count(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The valid names of the inputs, as a run reads them; the others are told of and left out.
base::Result<std::vector<std::u16string>> ReadNames(const Settings& settings,
                                                   const std::vector<std::u16string>& suffixes) {
  NameStream stream = NameStream::FromInputs(settings.files, suffixes);
  if (base::Status readable = stream.CheckFiles(); !readable) return base::Failure{readable.error()};
  std::vector<std::u16string> names;
  std::u16string name;
  for (;;) {
    auto next = stream.Next(name);
    if (!next) return base::Failure{next.error()};
    if (!next.value()) break;
    if (auto invalid = InvalidFor(name, true)) {
      if (!settings.quiet) {
        Write(Stream::Err, "brelka-cli: " + Quoted(base::Utf16ToUtf8(name)) +
                               " is left out: " + base::Utf16ToUtf8(*invalid) + "\n");
      }
      continue;
    }
    names.push_back(std::move(name));
  }
  return names;
}

// An answer as --on-change's variables hold it: its JSON line, without the line break.
std::string JsonOf(const std::u16string& name, const check::Answer& answer, bool demo) {
  std::string line = FormatAnswer(Format::Json, name, answer, Columns::Registry, demo);
  if (!line.empty() && line.back() == '\n') line.pop_back();
  return line;
}

// Runs --on-change for one change; false, with a warning even under --quiet (a service's
// journal keeps it), when the command failed.
bool RunOnChange(const Settings& settings, const WatchedName& watched,
                 const check::Answer& answer) {
  const std::string name = base::Utf16ToUtf8(watched.name);
  const int status = RunCommand(
      *settings.onChange,
      {{"BRELKA_NAME", name},
       {"BRELKA_BEFORE",
        watched.reported ? JsonOf(watched.name, *watched.reported, settings.demo) : std::string()},
       {"BRELKA_AFTER", JsonOf(watched.name, answer, settings.demo)}});
  if (status == 0) return true;
  Write(Stream::Err, "brelka-cli: warning: --on-change for " + Quoted(name) +
                         (status < 0 ? " could not be started"
                                     : " ended with status " + std::to_string(status)) +
                         "; the change is told again at the next run\n");
  return false;
}

// watch list: each name with its latest known answer, or "not checked yet".
int List(const Settings& settings, const WatchList& list) {
  auto names = list.Names();
  if (!names) return Fail(names.error());
  std::string out = FormatHeader(settings.format, Columns::Registry);
  for (const WatchedName& watched : names.value()) {
    const check::Answer answer =
        watched.known ? *watched.known
                      : check::WithStatus(check::Status::Unknown, u"not checked yet");
    out += FormatAnswer(settings.format, watched.name, answer, Columns::Registry);
  }
  if (!Write(Stream::Out, out))
    return Fail("the watch list could not be written to standard output");
  if (!settings.quiet) {
    Write(Stream::Err,
          "brelka-cli: " + Count(names.value().size(), "name", "names") + " on the watch list\n");
  }
  return kAllAnswered;
}

struct RunCounts {
  std::size_t checked = 0;
  std::size_t changes = 0;
  std::size_t unknown = 0;
  bool writeFailed = false;
  std::optional<std::string> keepFailed;
};

// watch run: the names that are due, asked of their registries; each answer kept as it comes,
// each change written and handed to --on-change. Changes are written in the order the answers
// come, which a registry's pace decides.
int RunDue(const Settings& settings, WatchList& list, const std::filesystem::path& file,
           const DemoStarter& startDemo) {
  auto lock = RunLock::Take(file);
  if (!lock) return Fail(lock.error());
  auto names = list.Names();
  if (!names) return Fail(names.error());
  const std::chrono::sys_seconds now = Now();
  std::vector<WatchedName> due;
  std::optional<std::chrono::sys_seconds> next;
  for (WatchedName& watched : names.value()) {
    if (settings.all || watched.due <= now) {
      due.push_back(std::move(watched));
    } else {
      next = next ? std::min(*next, watched.due) : watched.due;
    }
  }
  if (due.empty()) {
    if (!settings.quiet) {
      Write(Stream::Err, "brelka-cli: no name is due" +
                             (next ? "; the next at " + CheckedText(*next) : std::string()) + "\n");
    }
    return kAllAnswered;
  }
  if (!settings.quiet) {
    Write(Stream::Err, "brelka-cli: " + Count(due.size(), "name", "names") + " to check\n");
  }

  std::stop_source stop;
  StopOnInterrupt(stop);
  Demo demo;
  if (settings.demo) {
    if (!startDemo)
      return Fail("--demo is not available in this build: it has no built-in simulator");
    try {
      demo = startDemo(std::string(SourceName(settings.source)));
    } catch (const std::exception& e) {
      return Fail(std::string("the built-in simulator cannot start: ") + e.what(), kSomeUnknown);
    }
  }
  if (base::Status ready = web::CheckHttpClientSupport(); !ready)
    return Fail(ready.error(), kSomeUnknown);
  auto source = OpenRegistrySource(settings, demo, stop.get_token());
  if (!source && stop.stop_requested()) {
    return Fail("interrupted while fetching the RDAP bootstrap", kInterruptedExit);
  }
  if (!source) return Fail(source.error(), kSomeUnknown);

  std::vector<std::u16string> texts;
  for (const WatchedName& watched : due) texts.push_back(watched.name);
  if (!Write(Stream::Out, FormatHeader(settings.format, Columns::Registry))) {
    return Fail("the changes could not be written to standard output");
  }
  RunCounts counts;
  source.value()->Check(
      texts,
      [&](std::size_t id, check::Answer answer) {
        const WatchedName& watched = due[id];
        answer.checked = Now();
        // A change is news until its line is written and its command has run; till then the
        // next run tells it again.
        const bool change = IsChange(watched.reported, answer);
        const auto next = NextCheck(answer, *answer.checked);
        auto kept = list.Record(watched.name, answer, next, !change);
        if (!kept) {
          counts.keepFailed = kept.error();
          stop.request_stop();
          return;
        }
        ++counts.checked;
        if (answer.status == check::Status::Unknown) ++counts.unknown;
        if (!change) return;
        ++counts.changes;
        if (!Write(Stream::Out, FormatAnswer(settings.format, watched.name, answer,
                                             Columns::Registry, settings.demo))) {
          counts.writeFailed = true;
          stop.request_stop();
          return;
        }
        if (settings.onChange && !RunOnChange(settings, watched, answer)) return;
        if (base::Status told = list.MarkDelivered(kept.value(), next); !told) {
          counts.keepFailed = told.error();
          stop.request_stop();
        }
      },
      stop.get_token());

  if (counts.keepFailed)
    return Fail("the watch list could not keep an answer: " + *counts.keepFailed);
  if (counts.writeFailed) {
    return Fail(
        "the changes could not be written to standard output; they are told again at "
        "the next run");
  }
  if (stop.stop_requested()) {
    return Fail("interrupted; " + std::to_string(counts.checked) + " of " + Names(due.size()) +
                    " checked and kept",
                kInterruptedExit);
  }
  if (!settings.quiet) {
    Write(Stream::Err, "brelka-cli: " + Count(counts.checked, "name", "names") + " checked, " +
                           Count(counts.changes, "change", "changes") + ", " +
                           std::to_string(counts.unknown) + " unknown\n");
  }
  return counts.unknown > 0 ? kSomeUnknown : kAllAnswered;
}

int Added(const Settings& settings, WatchList& list, const std::vector<std::u16string>& names) {
  auto added = list.Add(names, Now());
  if (!added) return Fail(added.error());
  if (!settings.quiet) {
    Write(Stream::Err,
          "brelka-cli: " + Count(added.value(), "name", "names") + " added to the watch list" +
              (names.size() > added.value()
                   ? ", " + std::to_string(names.size() - added.value()) + " already on it"
                   : std::string()) +
              "\n");
  }
  return kAllAnswered;
}

std::filesystem::path ListFile(const Settings& settings) {
  return settings.watchList ? PathOf(*settings.watchList) : WatchList::DefaultFile();
}

}  // namespace

int AddToWatchList(const Settings& settings, const std::vector<std::u16string>& names) {
  std::vector<std::u16string> valid;
  for (const std::u16string& name : names) {
    if (!InvalidFor(name, true)) valid.push_back(name);
  }
  auto opened = WatchList::Open(ListFile(settings));
  if (!opened) return Fail(opened.error());
  return Added(settings, opened.value(), valid);
}

int RunWatch(const Settings& settings, const std::vector<std::u16string>& suffixes,
             const DemoStarter& startDemo) {
  const std::string& command = settings.watch.at(0);
  if (command == "run" && settings.demo && !settings.watchList) {
    return Fail(
        "--demo with 'watch run' needs --watch-list FILE: the simulators' answers never "
        "go into your own watch list");
  }
  const std::filesystem::path file = ListFile(settings);
  // The names first: a file that cannot be read changes nothing.
  std::vector<std::u16string> names;
  if (command == "add" || command == "remove") {
    auto read = ReadNames(settings, suffixes);
    if (!read) return Fail(read.error());
    names = std::move(read.value());
  }
  auto opened = WatchList::Open(file);
  if (!opened) return Fail(opened.error());
  WatchList& list = opened.value();
  if (command == "add") return Added(settings, list, names);
  if (command == "remove") {
    auto removed = list.Remove(names);
    if (!removed) return Fail(removed.error());
    if (!settings.quiet) {
      Write(Stream::Err, "brelka-cli: " + Count(removed.value(), "name", "names") +
                             " removed from the watch list\n");
    }
    return kAllAnswered;
  }
  if (command == "list") return List(settings, list);
  if (command == "calendar") {
    auto all = list.Names();
    if (!all) return Fail(all.error());
    if (!Write(Stream::Out, CalendarText(all.value(), Now()))) {
      return Fail("the calendar could not be written to standard output");
    }
    return kAllAnswered;
  }
  return RunDue(settings, list, file, startDemo);
}

}  // namespace cli
