#include "Text.h"

namespace base {
namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(char(cp));
  } else if (cp < 0x800) {
    out.push_back(char(0xC0 | (cp >> 6)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(char(0xE0 | (cp >> 12)));
    out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(char(0xF0 | (cp >> 18)));
    out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  }
}

// The length of the well-formed sequence at bytes[i], with its code point; 0 if none starts there.
std::size_t DecodeOne(std::string_view bytes, std::size_t i, char32_t& c) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) {
    c = lead;
    return 1;
  }
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (bytes.size() - i < length || byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  return length;
}

}  // namespace

void AppendUtf16(std::u16string& out, char32_t codePoint) {
  if (codePoint < 0x10000) {
    out.push_back(static_cast<char16_t>(codePoint));
    return;
  }
  codePoint -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

std::u32string CodePoints(std::u16string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out.push_back(FromSurrogates(text[i], text[i + 1]));
      ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::u16string Utf16(std::u32string_view points) {
  std::u16string out;
  out.reserve(points.size());
  for (char32_t c : points) AppendUtf16(out, c);
  return out;
}

bool DecodeUtf8(std::string_view bytes, std::u16string& out) {
  out.clear();
  out.reserve(bytes.size());
  char32_t c = 0;
  for (std::size_t i = 0, length = 0; i < bytes.size(); i += length) {
    length = DecodeOne(bytes, i, c);
    if (length == 0) return false;
    AppendUtf16(out, c);
  }
  return true;
}

std::u16string FromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  char32_t c = 0;
  for (std::size_t i = 0, length = 0; i < bytes.size(); i += length) {
    length = DecodeOne(bytes, i, c);
    if (length == 0) {
      length = 1;
      c = 0xFFFD;
    }
    AppendUtf16(out, c);
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, FromSurrogates(c, text[i + 1]));
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::optional<std::string> EscapedControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (c == '\n') return "\\n";
  if (c == '\t') return "\\t";
  if (c == '\r') return "\\r";
  if (byte >= 0x20 && byte != 0x7f) return std::nullopt;
  constexpr char kHex[] = "0123456789abcdef";
  return std::string{'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
}

std::string Quoted(std::string_view word) {
  std::string out = "'";
  for (char c : word) {
    auto escaped = EscapedControl(c);
    out += escaped ? *escaped : std::string(1, c);
  }
  return out + "'";
}

}  // namespace base
