// What the pattern reader and the name maker share: a pattern is read into rows of slots, one
// row for each way through it (a shape), and names are made from the shapes.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "names/NamePattern.h"

namespace names {

using Choices = std::vector<std::u16string>;

// One position of a shape: the texts it takes, or the value of an earlier slot it repeats.
struct NamePattern::Slot {
  std::shared_ptr<const Choices> choices;
  int tie = -1;
  // Earlier slots whose values this one differs from (the letters of a shape).
  std::vector<int> distinct;
};

// One way through the pattern, with every count and alternative fixed: a row of slots, and
// what the filters and the name rules make of all its names where that is known without making
// them.
struct NamePattern::Shape {
  enum class Verdict { All, None, Each };
  std::vector<Slot> slots;
  Verdict verdict = Verdict::Each;
  std::uint64_t names = 0;  // before the filters
  bool hasDistinct = false;
  // From each slot to the end: the most and the fewest characters, the fewest the label it
  // begins in still takes, and whether a digit or a letter can come.
  std::vector<std::size_t> longestFrom, shortestFrom, shortestLabelFrom;
  std::vector<bool> digitFrom, letterFrom;
  // By slot: whether its texts differ in length.
  std::vector<bool> varies;
};

// A row of slots, and the rows one pattern makes.
using Row = std::vector<NamePattern::Slot>;
using Rows = std::vector<Row>;

// The pattern's rows, or what is wrong with it, at which character.
base::Result<Rows> ReadPatternRows(std::u16string_view text, std::span<const std::u16string> words);

inline constexpr std::uint64_t kMax64 = std::numeric_limits<std::uint64_t>::max();

// Counts that stop at the largest number rather than wrap.
inline std::uint64_t Times(std::uint64_t a, std::uint64_t b) {
  if (a == 0 || b == 0) return 0;
  return a > kMax64 / b ? kMax64 : a * b;
}

inline std::uint64_t Plus(std::uint64_t a, std::uint64_t b) {
  return a > kMax64 - b ? kMax64 : a + b;
}

inline bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

}  // namespace names
