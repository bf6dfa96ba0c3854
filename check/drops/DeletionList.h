// The lists registries publish of the names they will delete, read into names and the day or
// time each goes:
//   - CNNIC's (.cn): plain text, one name a line, some written in square brackets; the file's
//     name tells the day, counted from China's today: 1todayDel.txt today, future1todayDel.txt
//     tomorrow, future2todayDel.txt the day after.
//   - the .top registry's: CSV with a header line, the name, then a time as 2024/05/01 14:30.
// The form is told by the lines, not the file's name: a line with a comma is a CSV record. The
// bytes are UTF-8 (a byte-order mark skipped) or, failing that, GBK. A line that holds no
// domain name is counted and skipped; blank lines and a CSV header are passed over.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace check {

struct Drop {
  std::u16string name;  // cleaned as any name read: lower case, spaces and dots trimmed
  // "2024-05-01", or "2024-05-01 14:30" in the registry's time as written; empty when the list
  // does not say.
  std::string deletes;
};

struct DeletionList {
  std::vector<Drop> drops;
  std::size_t unreadable = 0;
  std::size_t firstUnreadable = 0;  // its line number, from 1; 0 when none
};

// `source` is the file's name or address, whose last part tells the day of CNNIC's lists; `now`
// the time it was read.
DeletionList ReadDeletionList(std::string_view bytes, std::string_view source,
                              std::chrono::sys_seconds now);

// The largest list read, in bytes: CNNIC's and .top's run to a few MiB.
inline constexpr std::size_t kMaxDeletionListBytes = 64u << 20;

}  // namespace check
