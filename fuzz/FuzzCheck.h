// What the fuzz targets share: reading the fuzzer's bytes as the core's UTF-16 text, and a check
// that stops the run with a message whatever the build type, since release builds compile
// assert() away. It holds no invariant of its own; each target states those it relies on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// Pairs of bytes, little-endian, as Windows text boxes hold them; an odd last byte is dropped.
inline std::u16string Utf16(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = char16_t(data[2 * i] | data[2 * i + 1] << 8);
  }
  return text;
}

inline std::size_t Count(std::u16string_view text, std::u16string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::u16string_view::npos;
       at = text.find(what, at + what.size())) {
    ++n;
  }
  return n;
}

inline bool IsSubsequence(std::u16string_view part, std::u16string_view whole) {
  std::size_t i = 0;
  for (std::size_t j = 0; i < part.size() && j < whole.size(); ++j) {
    if (part[i] == whole[j]) ++i;
  }
  return i == part.size();
}

inline bool HasUnpairedSurrogate(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return true;
      ++i;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      return true;
    }
  }
  return false;
}

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
  std::abort();
}

}  // namespace fuzz

#define FUZZ_CHECK(condition) ((condition) ? (void)0 : ::fuzz::Fail(#condition, __FILE__, __LINE__))
