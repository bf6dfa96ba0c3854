// Conversion of the core's UTF-16 text into the UTF-8 that goes out on the wire. It never
// fails: an unpaired surrogate, which a user's paste can contain, becomes U+FFFD. It knows
// nothing of other character sets; DecodeBytes reads those.
#pragma once

#include <string>
#include <string_view>

namespace web {

std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace web
