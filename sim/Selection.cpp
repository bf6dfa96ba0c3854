#include "sim/Selection.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <locale.h>
#include <wctype.h>
#endif

#include <algorithm>

namespace sim {
namespace {

std::vector<std::string_view> Split(std::string_view text, char delimiter) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(delimiter, start);
    pieces.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return pieces;
    start = end + 1;
  }
}

// The value of the first form field called `key`; the fields are taken as they stand.
std::string_view FieldValue(std::string_view body, std::string_view key) {
  for (std::string_view pair : Split(body, '&')) {
    const size_t equals = pair.find('=');
    if (equals != std::string_view::npos && pair.substr(0, equals) == key) {
      return pair.substr(equals + 1);
    }
  }
  return {};
}

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperAscii(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  return upper;
}

size_t CodePoints(std::string_view utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// Decodes UTF-8 for comparing names; a byte that does not start a valid sequence stands for
// itself (moved out of the way of real characters) so that any input still compares.
std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    bool valid = length > 0 && i + length <= text.size();
    char32_t c = length == 1 ? lead : length ? lead & (0x7F >> length) : 0;
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (valid) {
      out.push_back(c);
      i += length;
    } else {
      out.push_back(0xDC00 + lead);
      ++i;
    }
  }
  return out;
}

char32_t Lower(char32_t c) {
#ifdef _WIN32
  // The system's own case table, for the characters a single UTF-16 unit holds.
  if (c >= 0x10000 || (c >= 0xD800 && c < 0xE000)) return c;
  wchar_t unit = static_cast<wchar_t>(c);
  (void)CharLowerBuffW(&unit, 1);
  return unit;
#else
  // C.UTF-8 is built into glibc; the ASCII rule only covers a C library without it.
  static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (utf8) return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8));
  return c >= 'A' && c <= 'Z' ? c + 32 : c;
#endif
}

std::u32string FoldCase(std::string_view name) {
  std::u32string folded = DecodeUtf8(name);
  std::transform(folded.begin(), folded.end(), folded.begin(), Lower);
  return folded;
}

bool ContainsTaken(std::string_view label) {
  std::string lower(label);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return lower.find("taken") != std::string::npos;
}

}  // namespace

bool Selection::IsFree(std::string_view name) {
  const size_t dot = name.find('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view label = name.substr(0, dot);
  return CodePoints(label) > 3 && !ContainsTaken(label);
}

size_t Selection::AddFromSearchBody(std::string_view body) {
  size_t added = 0;
  for (std::string_view name : Split(FieldValue(body, "domainNames"), ',')) {
    if (!IsFree(name)) continue;
    std::string upper = UpperAscii(name);
    if (std::find(names_.begin(), names_.end(), upper) != names_.end()) continue;
    names_.push_back(std::move(upper));
    ++added;
  }
  return added;
}

size_t Selection::RemoveFromBody(std::string_view body) {
  constexpr std::string_view kPrefix = "delete_";
  size_t removed = 0;
  for (std::string_view pair : Split(body, '&')) {
    if (pair.substr(0, kPrefix.size()) != kPrefix) continue;
    const size_t equals = pair.find('=');
    std::string_view name = pair.substr(kPrefix.size(), equals - kPrefix.size());
    if (equals != std::string_view::npos && equals + 1 < pair.size()) {
      name = pair.substr(equals + 1);
    }
    const std::u32string folded = FoldCase(name);
    removed += std::erase_if(names_, [&](const std::string& n) { return FoldCase(n) == folded; });
  }
  return removed;
}

}  // namespace sim
