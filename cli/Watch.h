// brelka-cli's watch commands over the watch list (WatchList.h): adding and removing names,
// listing them, checking those that are due and telling of the changes, and the calendar of
// estimated releases. What the commands share with a run is in Sources.h.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "Settings.h"
#include "Sources.h"
#include "base/Result.h"
#include "check/Source.h"

namespace cli {

// The whole of `brelka-cli watch ...`: its exit status as a run's.
int RunWatch(const Settings& settings, const std::vector<std::u16string>& suffixes,
             const DemoStarter& startDemo);

// Adds names to the watch list as `watch add` does (those no registry holds are left out): its
// exit status.
int AddToWatchList(const Settings& settings, const std::vector<std::u16string>& names);

}  // namespace cli
