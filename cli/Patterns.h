// Names made from --pattern: the patterns read with their words and counted, why they make no
// name when they make none, and --count.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "NameStream.h"
#include "Settings.h"
#include "base/Result.h"
#include "names/NamePattern.h"

namespace cli {

// The most names a pattern's count makes one by one, where its filters or the name rules leave
// out names that only making them can tell: about ten seconds.
constexpr std::uint64_t kCountBudget = 50'000'000;

// The most names made one by one to count those two ways make alike: a few seconds.
constexpr std::uint64_t kDistinctBudget = 5'000'000;

// How many distinct names the patterns make, after --tld; not exact when a count stopped at
// its budget, or names may repeat past kDistinctBudget ("up to").
struct Total {
  std::uint64_t names = 0;
  bool exact = true;
};

struct Patterns {
  std::vector<names::NamePattern> patterns;
  Total total;
};

// Each --pattern read and counted. A pattern that makes keywords needs suffixes to make names.
base::Result<Patterns> ReadPatterns(const Settings& settings,
                                   const std::vector<std::u16string>& suffixes);

// Why patterns make no name: the first filter without which they would make some, else the
// name rules.
std::string WhyNoName(const Settings& settings, const std::vector<std::u16string>& suffixes);

// --count: how many names there are and the first ten, on standard output. Names read from the
// inputs are counted by reading them all, repeats left out; the patterns' by their count.
int PrintCount(NameStream& stream, const std::optional<Total>& total, std::uint64_t maxNames);

}  // namespace cli
