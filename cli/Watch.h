// brelka-cli's watch commands over the watch list (WatchList.h): adding and removing names,
// listing them, checking those that are due and telling of the changes, and the calendar of
// estimated releases. What the commands share with a run lives in Run.cpp and is declared here.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "Run.h"
#include "Settings.h"
#include "base/Result.h"
#include "check/Source.h"

namespace cli {

// The whole of `brelka-cli watch ...`: its exit status as a run's.
int RunWatch(const Settings& settings, const std::vector<std::u16string>& suffixes,
             const DemoStarter& startDemo);

// Shared with a run (Run.cpp). The registries' source as the settings ask for it, the demo's
// when it is one.
base::Result<std::unique_ptr<check::Source>> OpenRegistrySource(const Settings& settings,
                                                               const Demo& demo,
                                                               std::stop_token stop);
std::chrono::sys_seconds Now();
// Why the name cannot be checked (with the registries: nor held by any registry), if it cannot.
std::optional<std::u16string> InvalidFor(const std::u16string& name, bool registries);

}  // namespace cli
