// Conversions between the core's UTF-16 and the UTF-8 of files, the wire and libraries. They know
// nothing of other character sets; web's DecodeBytes reads those.
#pragma once

#include <string>
#include <string_view>

namespace base {

// It never fails: an unpaired surrogate, which a user's paste can contain, becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Well-formed UTF-8 only (RFC 3629: no overlong forms, surrogates or code points above
// U+10FFFF): false at the first byte that breaks it, for input that must be whole.
bool DecodeUtf8(std::string_view bytes, std::u16string& out);

// For what servers and libraries send: a byte that begins no well-formed sequence becomes
// U+FFFD and decoding goes on with the next byte, so one bad byte never loses the rest.
std::u16string FromUtf8(std::string_view bytes);

}  // namespace base
