// Unicode-aware lower-casing of UTF-16 text by the simple (one code point to one) mapping, so a
// registrar's internationalised names come out lower-cased too. It does not depend on the
// process locale, and it passes unpaired surrogates through unchanged.
#pragma once

#include <string>
#include <string_view>

namespace base {

char32_t ToLower(char32_t codePoint);
std::u16string ToLower(std::u16string_view text);

}  // namespace base
