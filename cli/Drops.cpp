#include "Drops.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "Console.h"
#include "Formats.h"
#include "Interrupt.h"
#include "NameStream.h"
#include "Progress.h"
#include "Watch.h"
#include "base/Text.h"
#include "check/Lifecycle.h"
#include "check/dns/ZoneFile.h"
#include "check/drops/DeletionList.h"
#include "check/drops/ZoneDiff.h"
#include "names/FingerprintSet.h"
#include "names/NameRules.h"
#include "names/NameType.h"
#include "web/HttpClient.h"

namespace cli {
namespace {

bool IsAddress(const std::string& source) {
  return source.starts_with("http://") || source.starts_with("https://");
}

// A list's bytes, from its file or its address, at most kMaxDeletionListBytes.
base::Result<std::string> Fetched(const std::string& source, const Settings& settings,
                                  std::stop_token stop) {
  if (!IsAddress(source)) {
    std::ifstream in(PathOf(source), std::ios::binary);
    if (!in) return base::Failure{"cannot open it: " + std::string(std::strerror(errno))};
    std::string bytes;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
      bytes.append(chunk, std::size_t(in.gcount()));
      if (bytes.size() > check::kMaxDeletionListBytes) {
        return base::Failure{"it is longer than a deletion list may be (64 MiB)"};
      }
    }
    if (in.bad()) return base::Failure{"cannot read it"};
    return bytes;
  }
  web::ClientOptions options = settings.client;
  options.maxBodyBytes = check::kMaxDeletionListBytes;
  const std::unique_ptr<web::HttpClient> client = web::OpenHttpClient(options);
  web::Reply reply = web::FetchOne(*client, {source, {}}, stop);
  if (!reply.ok()) return *reply.failure;
  if (reply.status != 200) {
    return base::Failure{"the server answered " + std::to_string(reply.status)};
  }
  return std::move(reply.body);
}

// A zone's owner as a name is shown: each A-label as the letters it stands for.
std::u16string Shown(std::string_view owner) {
  std::u16string name;
  for (std::size_t start = 0; start <= owner.size();) {
    std::size_t end = owner.find('.', start);
    if (end == std::string_view::npos) end = owner.size();
    const std::u16string label = base::FromUtf8(owner.substr(start, end - start));
    const auto letters = label.starts_with(u"xn--") ? names::ULabel(label) : std::nullopt;
    if (start > 0) name += u'.';
    name += letters ? base::Utf16(*letters) : label;
    start = end + 1;
  }
  return name;
}

// The filters of a run: the types, and the patterns' filters on the first label.
class Filters {
 public:
  explicit Filters(const Settings& settings) : settings_(settings) {}
  bool Keep(const std::u16string& name) {
    const bool kept = (!settings_.types || settings_.types->Keeps(names::TypeOf(name))) &&
                      names::KeptByFilters(name, settings_.filters);
    if (!kept) ++leftOut_;
    return kept;
  }
  std::size_t LeftOut() const { return leftOut_; }

 private:
  const Settings& settings_;
  std::size_t leftOut_ = 0;
};

}  // namespace

base::Result<std::vector<DropRow>> ReadDrops(const Settings& settings, const DemoStarter& startDemo,
                                             std::stop_token stop) {
  std::vector<std::string> sources = settings.files;
  Demo demo;
  if (sources.empty() && settings.demo) {
    if (!startDemo) return base::Failure{"--demo is not available in this build"};
    demo = startDemo("registry");
    if (settings.zoneDiff) {
      for (const auto& file : demo.zoneFiles)
        sources.push_back(base::Utf16ToUtf8(file.u16string()));
    } else {
      sources = demo.deletionLists;
    }
  }
  std::vector<DropRow> rows;
  Filters filters(settings);
  const auto warn = [&settings](const std::string& text) {
    if (!settings.quiet) Write(Stream::Err, "brelka-cli: warning: " + text + "\n");
  };

  if (settings.zoneDiff) {
    check::ZoneDiff diff;
    if (base::Status read = diff.ReadNewer(PathOf(sources.at(1))); !read) {
      return base::Failure{"--zone-diff " + Quoted(sources[1]) + ": " + read.error()};
    }
    // The earliest a name that left could be free: as if it entered redemption the day the
    // newer file was published.
    std::string deletes;
    if (diff.NewerSerial()) {
      if (const auto published = check::SerialTime(*diff.NewerSerial())) {
        const auto day = std::chrono::floor<std::chrono::days>(
            std::chrono::sys_seconds(std::chrono::seconds(*published)));
        if (const auto release = check::EstimateRelease(check::Phase::Redemption, day)) {
          deletes = base::Utf16ToUtf8(check::DayText(*release));
        }
      }
    }
    base::Status read = diff.ReadOlder(PathOf(sources[0]), [&](std::string_view owner) {
      std::u16string name = Shown(owner);
      if (filters.Keep(name)) rows.push_back({std::move(name), deletes, "zone diff"});
    });
    if (!read) return base::Failure{"--zone-diff " + Quoted(sources[0]) + ": " + read.error()};
    if (diff.Unreadable() > 0) {
      warn(std::to_string(diff.Unreadable()) + " lines of the zone files could not be read");
    }
  } else {
    names::FingerprintSet seen;
    for (const std::string& source : sources) {
      auto bytes = Fetched(source, settings, stop);
      if (!bytes) return base::Failure{Quoted(source) + ": " + bytes.error()};
      const check::DeletionList list = check::ReadDeletionList(bytes.value(), source, Now());
      if (list.unreadable > 0) {
        warn(Quoted(source) + ": " + std::to_string(list.unreadable) +
             (list.unreadable == 1 ? " line holds" : " lines hold") + " no name, the first line " +
             std::to_string(list.firstUnreadable));
      }
      for (const check::Drop& drop : list.drops) {
        if (seen.Insert(drop.name) && filters.Keep(drop.name)) {
          rows.push_back({drop.name, drop.deletes, source});
        }
      }
    }
  }
  if (filters.LeftOut() > 0 && !settings.quiet) {
    Write(Stream::Err, "brelka-cli: the filters left out " + Names(filters.LeftOut()) + "\n");
  }
  return rows;
}

int RunDrops(const Settings& settings, const DemoStarter& startDemo) {
  std::stop_source stop;
  StopOnInterrupt(stop);
  auto read = ReadDrops(settings, startDemo, stop.get_token());
  if (!read && stop.stop_requested()) {
    Write(Stream::Err, "brelka-cli: interrupted\n");
    return kInterruptedExit;
  }
  if (!read) return UsageError(read.error());
  const std::vector<DropRow>& rows = read.value();
  if (settings.dropsWatch) {
    std::vector<std::u16string> names;
    for (const DropRow& row : rows) names.push_back(row.name);
    return AddToWatchList(settings, names);
  }
  const auto fields = [&settings](const DropRow& row) {
    std::vector<Field> fields = {{"name", "name", {base::Utf16ToUtf8(row.name)}},
                                 {"deletes", "deletes", {row.deletes}},
                                 {"from", "from", {row.from}}};
    if (settings.types) {
      fields.push_back({"type", "type", names::TypeWords(names::TypeOf(row.name)), true});
    }
    return fields;
  };
  std::string out = FormatFieldsHeader(settings.format, fields(DropRow{}));
  for (const DropRow& row : rows) {
    out += settings.format == Format::List ? base::Utf16ToUtf8(row.name) + "\n"
                                           : FormatFields(settings.format, fields(row));
  }
  if (!Write(Stream::Out, out)) {
    return OutputClosed() ? kAllAnswered
                          : UsageError("the drops could not be written to standard output");
  }
  if (!settings.quiet) Write(Stream::Err, "brelka-cli: " + Names(rows.size()) + " to drop\n");
  return kAllAnswered;
}

}  // namespace cli
