#include "names/NameRules.h"

#include "base/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>

namespace names {
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

// RFC 3492, section 6.2: the code points of a Punycode string (without "xn--"), or nothing when
// it is not one.
std::optional<std::u32string> DecodePunycode(std::u16string_view encoded) {
  constexpr std::uint32_t base = 36, tmin = 1, tmax = 26;
  std::u32string out;
  const std::size_t delimiter = encoded.rfind(u'-');
  std::size_t in = 0;
  if (delimiter != std::u16string_view::npos) {
    for (; in < delimiter; ++in) {
      if (encoded[in] >= 0x80) return std::nullopt;
      out.push_back(encoded[in]);
    }
    ++in;
  }
  std::uint64_t n = 0x80, i = 0;
  std::uint32_t bias = 72;
  while (in < encoded.size()) {
    const std::uint64_t oldi = i;
    std::uint64_t w = 1;
    for (std::uint32_t k = base;; k += base) {
      if (in >= encoded.size()) return std::nullopt;
      const char16_t c = encoded[in++];
      const std::uint32_t digit = c >= u'a' && c <= u'z'   ? c - u'a'
                                  : c >= u'A' && c <= u'Z' ? c - u'A'
                                  : c >= u'0' && c <= u'9' ? c - u'0' + 26
                                                           : base;
      if (digit >= base) return std::nullopt;
      i += digit * w;
      const std::uint32_t t = k <= bias ? tmin : k >= bias + tmax ? tmax : k - bias;
      if (i > 0x10FFFF * std::uint64_t(kMaxLabelOctets + 1)) return std::nullopt;
      if (digit < t) break;
      w *= base - t;
    }
    const std::uint64_t points = out.size() + 1;
    bias =
        Adapt(static_cast<std::uint32_t>(i - oldi), static_cast<std::uint32_t>(points), oldi == 0);
    n += i / points;
    i %= points;
    if (n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF)) return std::nullopt;
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(i), static_cast<char32_t>(n));
    ++i;
  }
  return out;
}

}  // namespace

std::optional<std::u16string> LabelReason(std::u16string_view label) {
  if (label.front() == u'-') return u"a label starts with a hyphen";
  if (label.back() == u'-') return u"a label ends with a hyphen";
  if (label.size() < 4 || label[2] != u'-' || label[3] != u'-') return std::nullopt;
  const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  if (lower(label[0]) != u'x' || lower(label[1]) != u'n') {
    return u"'--' in the third and fourth places of a label that is not an A-label";
  }
  const auto decoded = DecodePunycode(label.substr(4));
  const std::u16string shown(label);
  if (!decoded) return shown + u" is not Punycode";
  // Punycode of ASCII alone ends in the hyphen refused above, so a decoded label has letters
  // beyond ASCII; those must be letters, marks or digits.
  for (char32_t c : *decoded) {
    if (!IsNameCharacter(c)) return shown + u": " + CharacterNotAllowed(c);
  }
  return std::nullopt;
}

std::optional<std::u32string> ULabel(std::u16string_view aLabel) {
  if (aLabel.size() < 4) return std::nullopt;
  return DecodePunycode(aLabel.substr(4));
}

std::size_t LabelOctets(std::u32string_view label) {
  const bool ascii = std::all_of(label.begin(), label.end(), [](char32_t c) { return c < 0x80; });
  // A label of more code points than a label may hold octets is too long in any form; the
  // encoder need not see it.
  if (ascii || label.size() > kMaxLabelOctets) return label.size();
  return 4 + PunycodeLength(label);
}

std::optional<std::u16string> InvalidReason(std::u16string_view name) {
  if (name.find(u'.') == std::u16string_view::npos) return u"no dot";
  for (char32_t c : base::CodePoints(name)) {
    if (c != U'.' && !IsNameCharacter(c)) return CharacterNotAllowed(c);
  }
  std::size_t octets = 0;
  for (std::size_t start = 0; start <= name.size();) {
    std::size_t end = name.find(u'.', start);
    if (end == std::u16string_view::npos) end = name.size();
    if (end == start) return u"empty label";
    const std::u16string_view label = name.substr(start, end - start);
    if (auto reason = LabelReason(label)) return reason;
    const std::size_t length = LabelOctets(base::CodePoints(label));
    if (length > kMaxLabelOctets) return u"label longer than 63 octets";
    octets += length + (start > 0 ? 1 : 0);
    start = end + 1;
  }
  if (octets > kMaxNameOctets) return u"name longer than 253 octets";
  return std::nullopt;
}

}  // namespace names
