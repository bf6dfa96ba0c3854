// Zone files, as TLD operators hand them out (ICANN's CZDS, some ccTLDs): the master-file form of
// RFC 1035, one record per line ("example.com. 172800 in ns a.iana-servers.net."). A name with
// NS records in its zone's file is delegated, hence registered. The file is read as a stream,
// plain or gzip alike: memory grows with the names asked, never with the zone.
//
// Each line's owner, TTL, class and type are read; an owner left out is the last one given, a
// relative one is under the $ORIGIN in force where it is written; records spread over lines in
// parentheses are passed over, past the first line (which holds the SOA's serial in the
// one-line form). A line that cannot be read (no type a zone can hold, no data after it) is
// counted and skipped.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Result.h"

namespace check {

class ZoneScanner {
 public:
  // The names asked: A-labels, lower case, without the trailing dot.
  explicit ZoneScanner(const std::vector<std::string>& names);
  // Every name the zone delegates, once for each run of its NS records (the zone's own apex,
  // the owner of its SOA record, left out), lower case, without the trailing dot.
  explicit ZoneScanner(std::function<void(std::string_view name)> eachDelegated);

  // The file's bytes in pieces of any size, then Finish for a last line without a newline.
  // NewFile starts another file: its own $ORIGIN, owners and serial.
  void Feed(std::string_view bytes);
  void Finish();
  void NewFile();

  // By the names' positions: delegated in what was fed.
  const std::vector<bool>& Delegated() const { return delegated_; }
  std::size_t Unreadable() const { return unreadable_; }
  std::size_t Lines() const { return lines_; }
  // The serial of the file's first SOA record.
  std::optional<std::uint32_t> Serial() const { return serial_; }

  // A line longer than this is unreadable; the rest of it is not kept.
  static constexpr std::size_t kLongestLine = 64 * 1024;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  void Line(std::string_view line);
  // False when the name is surely not asked: one bit per hash, most lines' owners ruled out
  // without touching the table.
  bool MayBeWanted(std::string_view name) const;
  std::string Absolute(std::string_view name) const;

  std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>> wanted_;
  std::vector<bool> delegated_;
  std::string pending_;  // a line not yet ended
  bool overlong_ = false;
  bool inParentheses_ = false;
  std::string origin_;
  std::string ownerText_;    // the last owner given, as written
  std::string owner_;        // and absolute, lower case, without the final dot
  bool ownerKnown_ = false;  // an owner has been given in this file
  bool lookedUp_ = false;    // owner_ has been looked up
  std::vector<std::uint64_t> filter_;
  std::size_t filterMask_ = 0;
  std::size_t unreadable_ = 0;
  std::size_t lines_ = 0;
  std::optional<std::uint32_t> serial_;
  std::function<void(std::string_view)> eachDelegated_;
  std::string apex_;
};

// Feeds the scanner the whole of a file, gzip or plain. Fails saying why (for the caller to put
// after the file's name) when it cannot be opened or its compressed data is broken.
base::Status ScanZoneFile(const std::filesystem::path& file, ZoneScanner& scanner);

// When the zone was published, as far as its SOA serial tells (the date form YYYYMMDDnn, or
// seconds since 1970 as .com's), in seconds since 1970; nothing when the serial tells neither.
std::optional<std::int64_t> SerialTime(std::uint32_t serial);

}  // namespace check
