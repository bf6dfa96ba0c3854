#include "check/drops/ZoneDiff.h"

#include "check/dns/ZoneFile.h"

namespace check {

base::Status ZoneDiff::ReadNewer(const std::filesystem::path& newer) {
  ZoneScanner scanner([this](std::string_view name) { newer_.Insert(name); });
  base::Status read = ScanZoneFile(newer, scanner);
  unreadable_ += scanner.Unreadable();
  newerSerial_ = scanner.Serial();
  return read;
}

base::Status ZoneDiff::ReadOlder(const std::filesystem::path& older,
                                 const std::function<void(std::string_view name)>& left) {
  // A name's records follow one another in the files registries publish, but nothing makes
  // them: a name that comes back later is not given twice.
  ZoneScanner scanner([&](std::string_view name) {
    if (!newer_.Contains(name) && left_.Insert(name)) left(name);
  });
  base::Status read = ScanZoneFile(older, scanner);
  unreadable_ += scanner.Unreadable();
  return read;
}

}  // namespace check
