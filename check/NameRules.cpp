#include "NameRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>

namespace check {
namespace {

struct Range {
  char32_t first;
  char32_t last;
};

constexpr Range kNonAsciiNameCharacters[] = {
#include "NameCharacterTable.inc"
};

}  // namespace

bool IsNameCharacter(char32_t c) {
  if (c < 0x80) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           c == U'-';
  }
  const auto* after =
      std::upper_bound(std::begin(kNonAsciiNameCharacters), std::end(kNonAsciiNameCharacters), c,
                       [](char32_t value, const Range& r) { return value < r.first; });
  return after != std::begin(kNonAsciiNameCharacters) && c <= std::prev(after)->last;
}

std::u32string CodePoints(std::u16string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      out.push_back(0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

namespace {

std::u16string Ascii(const std::string& text) {
  return std::u16string(text.begin(), text.end());
}

std::u16string CharacterNotAllowed(char32_t c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  // Printable ASCII is shown as itself too; anything else only by its code point.
  const std::string shown =
      c > 0x20 && c < 0x7F ? std::string("'") + static_cast<char>(c) + "' (" + code + ")" : code;
  return Ascii("character " + shown + " is not allowed");
}

// RFC 3492, section 6.1.
std::uint32_t Adapt(std::uint32_t delta, std::uint32_t points, bool first) {
  constexpr std::uint32_t base = 36, tmin = 1, tmax = 26, skew = 38, damp = 700;
  delta = first ? delta / damp : delta / 2;
  delta += delta / points;
  std::uint32_t k = 0;
  while (delta > ((base - tmin) * tmax) / 2) {
    delta /= base - tmin;
    k += base;
  }
  return k + (base - tmin + 1) * delta / (delta + skew);
}

// The number of characters that RFC 3492's encoder (section 6.3) writes for the label.
std::size_t PunycodeLength(std::u32string_view label) {
  constexpr std::uint32_t base = 36, tmin = 1, tmax = 26;
  const std::size_t basic =
      std::count_if(label.begin(), label.end(), [](char32_t c) { return c < 0x80; });
  std::size_t length = basic + (basic > 0 ? 1 : 0);
  std::uint64_t n = 0x80, delta = 0;
  std::uint32_t bias = 72;
  for (std::size_t handled = basic; handled < label.size();) {
    std::uint64_t next = UINT64_MAX;
    for (char32_t c : label) {
      if (c >= n) next = std::min<std::uint64_t>(next, c);
    }
    delta += (next - n) * (handled + 1);
    n = next;
    for (char32_t c : label) {
      if (c < n) ++delta;
      if (c != n) continue;
      std::uint64_t q = delta;
      for (std::uint32_t k = base;; k += base) {
        const std::uint32_t t = k <= bias ? tmin : k >= bias + tmax ? tmax : k - bias;
        if (q < t) break;
        ++length;
        q = (q - t) / (base - t);
      }
      ++length;
      bias = Adapt(static_cast<std::uint32_t>(delta), static_cast<std::uint32_t>(handled + 1),
                   handled == basic);
      delta = 0;
      ++handled;
    }
    ++delta;
    ++n;
  }
  return length;
}

}  // namespace

std::size_t LabelOctets(std::u32string_view label) {
  const bool ascii = std::all_of(label.begin(), label.end(), [](char32_t c) { return c < 0x80; });
  // A label of more code points than a label may hold octets is too long in any form; the
  // encoder need not see it.
  if (ascii || label.size() > kMaxLabelOctets) return label.size();
  return 4 + PunycodeLength(label);
}

std::optional<std::u16string> InvalidReason(std::u16string_view name) {
  if (name.find(u'.') == std::u16string_view::npos) return u"no dot";
  const std::u32string points = CodePoints(name);
  for (char32_t c : points) {
    if (c != U'.' && !IsNameCharacter(c)) return CharacterNotAllowed(c);
  }
  std::size_t octets = 0;
  for (std::size_t start = 0; start <= points.size();) {
    std::size_t end = points.find(U'.', start);
    if (end == std::u32string::npos) end = points.size();
    if (end == start) return u"empty label";
    const std::size_t label = LabelOctets(std::u32string_view(points).substr(start, end - start));
    if (label > kMaxLabelOctets) return u"label longer than 63 octets";
    octets += label + (start > 0 ? 1 : 0);
    start = end + 1;
  }
  if (octets > kMaxNameOctets) return u"name longer than 253 octets";
  return std::nullopt;
}

}  // namespace check
