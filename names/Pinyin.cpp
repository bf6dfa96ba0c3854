#include "names/Pinyin.h"

#include <algorithm>
#include <vector>

namespace names {
namespace {

constexpr std::u16string_view kPinyin[] = {
#include "PinyinSyllables.inc"
};

static_assert(std::is_sorted(std::begin(kPinyin), std::end(kPinyin)), "searched by halves");

constexpr std::size_t kLongestSyllable = 6;  // "zhuang", "shuang", "chuang"

bool IsSyllable(std::u16string_view text) {
  return std::binary_search(std::begin(kPinyin), std::end(kPinyin), text);
}

}  // namespace

std::span<const std::u16string_view> PinyinSyllables() {
  return kPinyin;
}

std::size_t FewestSyllables(std::u16string_view letters) {
  // fewest[i]: the fewest syllables the first i letters split into; 0 when they do not.
  std::vector<std::size_t> fewest(letters.size() + 1, 0);
  for (std::size_t end = 1; end <= letters.size(); ++end) {
    for (std::size_t length = 1; length <= std::min(end, kLongestSyllable); ++length) {
      const std::size_t start = end - length;
      if ((start == 0 || fewest[start] != 0) && IsSyllable(letters.substr(start, length))) {
        const std::size_t count = start == 0 ? 1 : fewest[start] + 1;
        if (fewest[end] == 0 || count < fewest[end]) fewest[end] = count;
      }
    }
  }
  return letters.empty() ? 0 : fewest.back();
}

}  // namespace names
