// brelka-cli drops: the names about to be deleted, from the registries' deletion lists (files
// or http(s) addresses) or from two zone files a day apart, filtered by type and the patterns'
// filters, and written with the day or time each goes and where it was found, checked as a
// run's names (--check, in Run.cpp), or added to the watch list (--watch).
#pragma once

#include <stop_token>
#include <string>
#include <vector>

#include "Settings.h"
#include "Sources.h"
#include "base/Result.h"

namespace cli {

struct DropRow {
  std::u16string name;
  std::string deletes;  // "2024-05-01", "2024-05-01 14:30", or empty
  std::string from;     // the list's file or address, or "zone diff"
};

// The drops the settings name, filtered, in their lists' order (a zone diff: the older file's),
// each name once. Warns on standard error, unless quiet, of lines that held no name and of
// the names the filters left out. Fails naming the list or file that cannot be read.
base::Result<std::vector<DropRow>> ReadDrops(const Settings& settings, const DemoStarter& startDemo,
                                             std::stop_token stop);

// `brelka-cli drops` without --check: its exit status.
int RunDrops(const Settings& settings, const DemoStarter& startDemo);

}  // namespace cli
