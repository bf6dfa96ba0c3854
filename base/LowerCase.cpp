#include "LowerCase.h"

#include "Text.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace base {
namespace {

struct CaseRun {
  char32_t first;
  char32_t last;
  std::int32_t offset;
  std::uint32_t step;
};

constexpr CaseRun kRuns[] = {
#include "LowerCaseTable.inc"
};

}  // namespace

char32_t ToLower(char32_t codePoint) {
  // The runs are sorted and do not overlap: find the last one starting at or before the point.
  auto after = std::upper_bound(std::begin(kRuns), std::end(kRuns), codePoint,
                                [](char32_t c, const CaseRun& run) { return c < run.first; });
  if (after == std::begin(kRuns)) return codePoint;
  const CaseRun& run = *std::prev(after);
  if (codePoint > run.last || (codePoint - run.first) % run.step != 0) return codePoint;
  return static_cast<char32_t>(static_cast<std::int32_t>(codePoint) + run.offset);
}

std::u16string ToLower(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit < 0x80) {
      out.push_back(unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit);
    } else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf16(out, ToLower(FromSurrogates(unit, text[i + 1])));
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.push_back(unit);
    } else {
      AppendUtf16(out, ToLower(char32_t{unit}));
    }
  }
  return out;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace base
