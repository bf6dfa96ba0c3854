// Fuzzes the reader of the registries' deletion lists with any bytes, as a list fetched from
// anywhere may hold: every name it gives can be a domain name, every day it gives is a day, and
// no line gives more than one name.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "check/Lifecycle.h"
#include "check/drops/DeletionList.h"
#include "names/NameRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::chrono::sys_seconds now = std::chrono::sys_days(std::chrono::year(2026) / 12 / 9);
  for (std::string_view source : {"1todayDel.txt", "dellist.csv"}) {
    const check::DeletionList list = check::ReadDeletionList(bytes, source, now);
    std::size_t lines = 1;
    for (char c : bytes) lines += c == '\n';
    FUZZ_CHECK(list.drops.size() + list.unreadable <= lines);
    FUZZ_CHECK((list.unreadable == 0) == (list.firstUnreadable == 0));
    for (const check::Drop& drop : list.drops) {
      FUZZ_CHECK(!names::InvalidReason(drop.name));
      FUZZ_CHECK(drop.deletes.empty() || drop.deletes.size() == 10 || drop.deletes.size() == 16);
      if (!drop.deletes.empty()) {
        const std::u16string day(drop.deletes.begin(), drop.deletes.begin() + 10);
        FUZZ_CHECK(check::ReadDay(day).has_value());
      }
    }
  }
  return 0;
}
