// Unicode-aware lower-casing of UTF-16 text by the simple (one code point to one) mapping, so a
// registrar's internationalised names come out lower-cased too. It does not depend on the
// process locale, and it passes unpaired surrogates through unchanged.
#pragma once

#include <string>
#include <string_view>

namespace base {

char32_t ToLower(char32_t codePoint);
std::u16string ToLower(std::u16string_view text);

// ASCII only, as protocols compare their keywords, schemes and host names: A-Z become a-z and
// every other byte stays as it is.
constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
std::string AsciiLower(std::string_view text);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace base
