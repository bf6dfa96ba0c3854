// Conversions between the core's UTF-16 and the UTF-8 of files, the wire and libraries, and a
// user's word as a one-line message shows it. They know nothing of other character sets; web's
// DecodeBytes reads those.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace base {

// UTF-16's surrogate halves; a high one followed by a low one is one code point above U+FFFF.
constexpr bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}
constexpr char32_t FromSurrogates(char16_t high, char16_t low) {
  return 0x10000 + ((char32_t(high) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
}

// A code point as one unit, or as a surrogate pair above U+FFFF.
void AppendUtf16(std::u16string& out, char32_t codePoint);

// UTF-16 to code points; an unpaired surrogate stays as it is (no name may hold one).
std::u32string CodePoints(std::u16string_view text);
// And back.
std::u16string Utf16(std::u32string_view points);

// It never fails: an unpaired surrogate, which a user's paste can contain, becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Well-formed UTF-8 only (RFC 3629: no overlong forms, surrogates or code points above
// U+10FFFF): false at the first byte that breaks it, for input that must be whole.
bool DecodeUtf8(std::string_view bytes, std::u16string& out);

// For what servers and libraries send: a byte that begins no well-formed sequence becomes
// U+FFFD and decoding goes on with the next byte, so one bad byte never loses the rest.
std::u16string FromUtf8(std::string_view bytes);

// A control character (below 0x20, or DEL) as a message or a field shows it, so that it neither
// breaks a line nor acts on a terminal: \n, \t, \r, else \xHH. Nothing for any other byte.
std::optional<std::string> EscapedControl(char c);

// A word of the user's as a message shows it: in quotes, its control characters escaped.
std::string Quoted(std::string_view word);

}  // namespace base
