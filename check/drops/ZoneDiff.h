// The names a zone stopped delegating between two of its files: those with NS records in the
// older file and none in the newer. A name leaves the zone when its registry holds it back
// (redemption, pending delete, a hold), so this is the earliest sign zone files give of a drop.
//
// Both files are read once, as streams, plain or gzip alike (ZoneFile.h). The newer file's
// names are kept as 8-byte fingerprints (names/FingerprintSet.h) in one flat table, never as
// text: with the table's spare room about 12 bytes a name, so two .com files of 150 million
// names take under 2.5 GiB however long their names. A name of the older file whose
// fingerprint a different name of the newer one shares (about one name in 100 million at that
// size) is missed, never reported wrongly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "base/Result.h"
#include "names/FingerprintSet.h"

namespace check {

class ZoneDiff {
 public:
  // First the newer file, then the older; each fails saying why (for the caller to put after
  // the file's name).
  base::Status ReadNewer(const std::filesystem::path& newer);
  // Gives each name that left, lower case without the final dot, in the older file's order,
  // once.
  base::Status ReadOlder(const std::filesystem::path& older,
                         const std::function<void(std::string_view name)>& left);

  std::size_t NewerNames() const { return newer_.Size(); }
  std::size_t Left() const { return left_.Size(); }
  std::size_t Unreadable() const { return unreadable_; }
  // The newer file's SOA serial, which may tell when it was published (SerialTime).
  std::optional<std::uint32_t> NewerSerial() const { return newerSerial_; }

 private:
  names::FingerprintSet newer_;
  names::FingerprintSet left_;
  std::size_t unreadable_ = 0;
  std::optional<std::uint32_t> newerSerial_;
};

}  // namespace check
