// The pattern reader on any text, with filters the first byte picks: either an error that
// names a character of the text, or names. Counting stays within its budget; for an ASCII
// pattern the first names come at once, each a name the name rules allow and, where the count is
// exact and small, as many as the count says, and never one twice where the pattern says it
// cannot repeat.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "names/NamePattern.h"
#include "names/NameRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  names::PatternFilters filters;
  if (data[0] & 1) filters.without = u"4-";
  filters.mixed = (data[0] & 2) != 0;
  if (data[0] & 4) {
    filters.minLength = 1 + (data[0] >> 3) % 8;
    filters.maxLength = filters.minLength + (data[0] >> 6);
  }
  const std::u16string text = fuzz::Utf16(data + 1, size - 1);
  const std::u16string words[] = {u"shop", u"a1", u"x-y"};
  const auto pattern = names::NamePattern::Read(text, words, filters);
  if (!pattern) {
    const std::string& error = pattern.error();
    FUZZ_CHECK(error == "an empty pattern" || error.starts_with("at character "));
    if (error.starts_with("at character ")) {
      const std::size_t place = std::stoul(error.substr(13));
      FUZZ_CHECK(place >= 1 && place <= text.size() + 1);
    }
    return 0;
  }
  constexpr std::uint64_t kBudget = 2000;
  const names::NamePattern::Count count = pattern.value().CountNames(kBudget);
  // FIXME: a label above ASCII is judged too long only once it is whole, so a pattern whose
  // international names mostly overflow 63 octets makes its few good ones slowly; only ASCII
  // patterns are walked here.
  if (std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x80; })) return 0;
  auto names = pattern.value().Names();
  std::u16string name;
  std::uint64_t made = 0;
  std::set<std::u16string> distinct;
  while (made < kBudget && names.Next(name)) {
    ++made;
    const std::size_t dot = name.find(u'.');
    FUZZ_CHECK(!names::InvalidReason(dot == std::u16string::npos ? name + u".cn" : name));
    // The filters look at the labels made, not at a suffix written in the pattern.
    FUZZ_CHECK(name.substr(0, dot).find_first_of(filters.without) == std::u16string::npos);
    distinct.insert(name);
  }
  if (count.exact && count.names < kBudget) FUZZ_CHECK(made == count.names);
  // A pattern that says it cannot make a name twice does not: its count is of distinct names.
  if (!pattern.value().MayRepeat()) FUZZ_CHECK(distinct.size() == made);
  return 0;
}
