// Pinyin as names spell it: the syllables without tones, and the letters that begin an initial
// (声母). Patterns make names of them (P and I) and name types read names by them.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace names {

// The pinyin syllables, toneless, as a name spells them (lv for lü).
std::span<const std::u16string_view> PinyinSyllables();

// The 20 letters an initial begins with: b p m f d t n l g k h j q x zh ch sh r z c s y w.
inline constexpr std::u16string_view kPinyinInitials = u"bcdfghjklmnpqrstwxyz";

// The fewest syllables the lowercase letters split into, 0 when they split into none:
// "xian" is 1 (not xi+an), "fangan" 2 (fang+an or fan+gan).
std::size_t FewestSyllables(std::u16string_view letters);

}  // namespace names
