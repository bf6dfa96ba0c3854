#include "Checking.h"

#include <filesystem>

#include "NameReader.h"
#include "check/dns/ZoneFile.h"
#include "names/ALabel.h"

namespace cli {
namespace {

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

}  // namespace

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

}  // namespace cli
