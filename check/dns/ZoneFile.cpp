#include "check/dns/ZoneFile.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace check {
namespace {

constexpr std::size_t kChunk = 1 << 20;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// The next whitespace-separated word of `line` from `at`, which moves past it.
std::string_view Word(std::string_view line, std::size_t& at) {
  while (at < line.size() && IsSpace(line[at])) ++at;
  const std::size_t start = at;
  while (at < line.size() && !IsSpace(line[at])) ++at;
  return line.substr(start, at - start);
}

bool Equals(std::string_view word, std::string_view lower) {
  if (word.size() != lower.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lower[i]) return false;
  }
  return true;
}

bool IsClass(std::string_view word) {
  return Equals(word, "in") || Equals(word, "ch") || Equals(word, "hs") || Equals(word, "cs");
}

// A record type's mnemonic (RFC 1035 and later), or TYPEnnn (RFC 3597). Any other word where
// the type stands makes the line unreadable.
bool IsType(std::string_view word) {
  static constexpr std::string_view kTypes[] = {
      "a",     "aaaa",  "afsdb", "apl",    "caa",      "cdnskey",    "cds",        "cert",
      "cname", "csync", "dhcid", "dlv",    "dname",    "dnskey",     "ds",         "eui48",
      "eui64", "hinfo", "hip",   "https",  "ipseckey", "key",        "kx",         "loc",
      "mx",    "naptr", "ns",    "nsec",   "nsec3",    "nsec3param", "openpgpkey", "ptr",
      "rp",    "rrsig", "sig",   "smimea", "soa",      "spf",        "srv",        "sshfp",
      "svcb",  "ta",    "tkey",  "tlsa",   "tsig",     "txt",        "uri",        "zonemd"};
  if (std::any_of(std::begin(kTypes), std::end(kTypes),
                  [word](std::string_view type) { return Equals(word, type); })) {
    return true;
  }
  return word.size() > 4 && Equals(word.substr(0, 4), "type") &&
         std::all_of(word.begin() + 4, word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A TTL as a number or in units (1h30m).
bool IsTtl(std::string_view word) {
  if (word.empty() || word[0] < '0' || word[0] > '9') return false;
  for (char c : word) {
    if (!((c >= '0' && c <= '9') || std::strchr("smhdwSMHDW", c))) return false;
  }
  return true;
}

void Lower(std::string_view from, std::string& to) {
  to.assign(from);
  for (char& c : to) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
}

}  // namespace

ZoneScanner::ZoneScanner(const std::vector<std::string>& names) : delegated_(names.size()) {
  // About 32 bits a name, so that few owners not asked pass.
  std::size_t bits = 4096;
  while (bits < 32 * names.size() && bits < (std::size_t(1) << 26)) bits *= 2;
  filter_.assign(bits / 64, 0);
  filterMask_ = bits - 1;
  wanted_.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].empty()) continue;  // no owner is the empty name
    wanted_.emplace(names[i], i);
    const std::size_t bit = Hash{}(names[i]) & filterMask_;
    filter_[bit / 64] |= std::uint64_t(1) << (bit % 64);
  }
}

void ZoneScanner::Feed(std::string_view bytes) {
  while (!bytes.empty()) {
    const auto* end = static_cast<const char*>(std::memchr(bytes.data(), '\n', bytes.size()));
    if (!end) {
      if (!overlong_ && pending_.size() + bytes.size() > kLongestLine) {
        overlong_ = true;
        pending_.clear();
      }
      if (!overlong_) pending_.append(bytes);
      return;
    }
    const std::size_t length = static_cast<std::size_t>(end - bytes.data());
    if (overlong_ || pending_.size() + length > kLongestLine) {
      ++lines_;
      ++unreadable_;
      overlong_ = false;
      pending_.clear();
    } else if (pending_.empty()) {
      Line(bytes.substr(0, length));
    } else {
      pending_.append(bytes.substr(0, length));
      Line(pending_);
      pending_.clear();
    }
    bytes.remove_prefix(length + 1);
  }
}

ZoneScanner::ZoneScanner(std::function<void(std::string_view name)> eachDelegated)
    : eachDelegated_(std::move(eachDelegated)) {}

void ZoneScanner::NewFile() {
  apex_.clear();
  pending_.clear();
  overlong_ = false;
  inParentheses_ = false;
  origin_.clear();
  owner_.clear();
  ownerText_.clear();
  ownerKnown_ = false;
  lookedUp_ = false;
  serial_.reset();
}

void ZoneScanner::Finish() {
  if (overlong_) {
    ++lines_;
    ++unreadable_;
  } else if (!pending_.empty()) {
    Line(pending_);
  }
  pending_.clear();
  overlong_ = false;
}

std::string ZoneScanner::Absolute(std::string_view name) const {
  std::string absolute;
  if (name == "@") {
    absolute = origin_;
  } else if (name.ends_with('.')) {
    Lower(name.substr(0, name.size() - 1), absolute);
  } else {
    Lower(name, absolute);
    if (!origin_.empty()) absolute += "." + origin_;
  }
  return absolute;
}

void ZoneScanner::Line(std::string_view line) {
  ++lines_;
  if (const std::size_t comment = line.find(';'); comment != std::string_view::npos) {
    line = line.substr(0, comment);
  }
  if (inParentheses_) {
    if (line.find(')') != std::string_view::npos) inParentheses_ = false;
    return;
  }
  std::size_t at = 0;
  const bool ownerGiven = !line.empty() && !IsSpace(line[0]);
  std::string_view owner = ownerGiven ? Word(line, at) : std::string_view();
  if (!ownerGiven) {
    const std::size_t rest = at;
    if (Word(line, at).empty()) return;  // blank
    at = rest;
  }
  if (ownerGiven && owner.starts_with('$')) {
    if (Equals(owner, "$origin")) {
      const std::string_view origin = Word(line, at);
      if (origin.empty()) {
        ++unreadable_;
        return;
      }
      Lower(origin.ends_with('.') ? origin.substr(0, origin.size() - 1) : origin, origin_);
      lookedUp_ = false;
    } else if (!Equals(owner, "$ttl")) {
      ++unreadable_;  // $INCLUDE and the like: nothing this reader follows
    }
    return;
  }
  // TTL and class, in either order and each optional, then the type and its data.
  std::string_view type = Word(line, at);
  for (int i = 0; i < 2 && (IsTtl(type) || IsClass(type)); ++i) type = Word(line, at);
  const std::size_t data = at;
  if (!IsType(type) || (!ownerGiven && !ownerKnown_) || Word(line, at).empty()) {
    ++unreadable_;
    return;
  }
  at = data;
  if (line.find('(', at) != std::string_view::npos &&
      line.find(')', at) == std::string_view::npos) {
    inParentheses_ = true;
  }
  const bool ns = Equals(type, "ns");
  const bool soa = Equals(type, "soa");
  // An owner is made absolute where it is given: a line without one keeps the last owner as it
  // was, whatever $ORIGIN came between (RFC 1035, section 5.1).
  if (ownerGiven && owner != ownerText_) {
    ownerText_.assign(owner);
    const bool plain =
        owner.size() > 1 && owner.ends_with('.') &&
        std::none_of(owner.begin(), owner.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (plain) {
      owner_.assign(owner.substr(0, owner.size() - 1));
    } else {
      owner_ = Absolute(owner);
    }
    ownerKnown_ = true;
    lookedUp_ = false;
  }
  if (soa && apex_.empty()) apex_ = owner_;
  if (soa && !serial_) {
    Word(line, at);
    Word(line, at);
    const std::string_view serial = Word(line, at);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(serial.data(), serial.data() + serial.size(), value);
    if (error == std::errc() && end == serial.data() + serial.size()) serial_ = value;
  }
  // A name's NS records follow one another: its owner is looked up once.
  if (!ns || lookedUp_) return;
  if (eachDelegated_) {
    lookedUp_ = true;
    if (owner_ != apex_ && owner_ != origin_) eachDelegated_(owner_);
    return;
  }
  if (wanted_.empty()) return;
  lookedUp_ = true;
  if (!MayBeWanted(owner_)) return;
  if (auto found = wanted_.find(owner_); found != wanted_.end()) delegated_[found->second] = true;
}

bool ZoneScanner::MayBeWanted(std::string_view name) const {
  const std::size_t bit = Hash{}(name)&filterMask_;
  return (filter_[bit / 64] >> (bit % 64)) & 1u;
}

// The file is decompressed on a thread of its own while the scanner reads what came before, a
// few chunks ahead at most.
base::Status ScanZoneFile(const std::filesystem::path& file, ZoneScanner& scanner) {
#ifdef _WIN32
  gzFile zone = gzopen_w(file.c_str(), "rb");
#else
  gzFile zone = gzopen(file.c_str(), "rb");
#endif
  if (!zone) return base::Failure{std::string("cannot open it: ") + std::strerror(errno)};
  gzbuffer(zone, kChunk);
  scanner.NewFile();
  struct Shared {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::string> full;
    std::vector<std::string> spare;
    bool ended = false;
    bool abandoned = false;
    std::string error;
  } shared;
  for (int i = 0; i < 4; ++i) shared.spare.emplace_back(kChunk, '\0');
  std::thread reader([&shared, zone] {
    for (;;) {
      std::string buffer;
      {
        std::unique_lock lock(shared.mutex);
        shared.changed.wait(lock, [&] { return !shared.spare.empty() || shared.abandoned; });
        if (shared.abandoned) break;
        buffer = std::move(shared.spare.back());
        shared.spare.pop_back();
      }
      buffer.resize(kChunk);
      const int got = gzread(zone, buffer.data(), static_cast<unsigned>(buffer.size()));
      // A stream cut short ends like a whole one, but leaves its error behind.
      int code = Z_OK;
      const char* error = gzerror(zone, &code);
      std::lock_guard lock(shared.mutex);
      if (got < 0 || (code != Z_OK && code != Z_STREAM_END)) {
        shared.error = error;
        break;
      }
      if (got == 0) break;
      buffer.resize(static_cast<std::size_t>(got));
      shared.full.push_back(std::move(buffer));
      shared.changed.notify_all();
    }
    std::lock_guard lock(shared.mutex);
    shared.ended = true;
    shared.changed.notify_all();
  });
  for (;;) {
    std::string buffer;
    {
      std::unique_lock lock(shared.mutex);
      shared.changed.wait(lock, [&] { return !shared.full.empty() || shared.ended; });
      if (shared.full.empty()) break;
      buffer = std::move(shared.full.front());
      shared.full.pop_front();
    }
    scanner.Feed(buffer);
    std::lock_guard lock(shared.mutex);
    shared.spare.push_back(std::move(buffer));
    shared.changed.notify_all();
  }
  reader.join();
  gzclose(zone);
  if (!shared.error.empty()) return base::Failure{"cannot read it: " + shared.error};
  scanner.Finish();
  return base::Ok();
}

std::optional<std::int64_t> SerialTime(std::uint32_t serial) {
  using namespace std::chrono;
  // YYYYMMDDnn, a date from 1990 to 2099 with a count of that day's versions.
  const unsigned date = serial / 100;
  const year_month_day day{year(int(date / 10000)), month((date / 100) % 100),
                           std::chrono::day(date % 100)};
  if (day.ok() && day.year() >= year(1990) && day.year() <= year(2099)) {
    return sys_days(day).time_since_epoch().count() * 86400;
  }
  // Seconds since 1970, after 2001.
  if (serial >= 1'000'000'000u) return std::int64_t(serial);
  return std::nullopt;
}

}  // namespace check
