// The estimated release days of watched names as an iCalendar file (RFC 5545): one all-day
// event per name that has such a day, for the user's calendar. It reads and writes no file.
#pragma once

#include <chrono>
#include <span>
#include <string>

#include "WatchList.h"

namespace cli {

// The whole file, CR LF line ends, long lines folded; `now` stamps the events.
std::string CalendarText(std::span<const WatchedName> names, std::chrono::sys_seconds now);

}  // namespace cli
