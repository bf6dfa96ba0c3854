// Byte decoding over the system's code pages (MultiByteToWideChar). "gb2312" and its relatives
// decode as GB18030 (code page 54936), a superset that also covers pages labelled gb2312 but
// written in GBK. The GB18030 path finds the byte sequences itself, so that every malformed or
// unmapped sequence becomes exactly one U+FFFD whatever the system's own conversion would do.
// Where the system lacks code page 54936 (Wine does), GBK (936) decodes the two-byte
// sequences, which are all that GB2312 and GBK pages hold; four-byte sequences beyond the BMP
// follow GB18030's arithmetic, and those inside it become U+FFFD. UTF-8 is decoded here too,
// so that malformed input gives one U+FFFD per maximal invalid subpart on every system.
#include <windows.h>

#include <algorithm>
#include <string>

#include "Module1.h"
#include "base/Text.h"

namespace web {
namespace {

constexpr UINT kGb18030 = 54936;
constexpr UINT kGbk = 936;

struct CharsetName {
  std::u16string_view name;
  UINT codePage;
};

constexpr CharsetName kCharsets[] = {
    {u"gb2312", kGb18030},   {u"gbk", kGb18030},     {u"gb18030", kGb18030},
    {u"cp936", kGb18030},    {u"x-gbk", kGb18030},   {u"windows-936", kGb18030},
    {u"utf-8", CP_UTF8},     {u"utf8", CP_UTF8},     {u"us-ascii", 20127},
    {u"ascii", 20127},       {u"iso-8859-1", 28591}, {u"latin1", 28591},
    {u"windows-1252", 1252}, {u"big5", 950},
};

std::optional<UINT> CodePageOf(std::u16string_view charset) {
  std::u16string lower(charset);
  for (char16_t& c : lower)
    if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
  for (const CharsetName& entry : kCharsets)
    if (entry.name == lower) return entry.codePage;
  return std::nullopt;
}

// Appends the decoding of bytes; false when the code page rejects any of them.
bool AppendStrict(std::u16string& out, UINT codePage, const std::uint8_t* bytes, std::size_t n) {
  if (n == 0) return true;
  const auto* input = reinterpret_cast<const char*>(bytes);
  int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, input, static_cast<int>(n), nullptr, 0);
  if (length <= 0) return false;
  std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(length));
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, input, static_cast<int>(n),
                             reinterpret_cast<wchar_t*>(out.data() + at), length) == length;
}

// Length of the well-formed GB18030 sequence at bytes[i], or 0 when there is none.
std::size_t SequenceLength(std::span<const std::uint8_t> bytes, std::size_t i) {
  auto within = [&](std::size_t k, std::uint8_t lo, std::uint8_t hi) {
    return i + k < bytes.size() && bytes[i + k] >= lo && bytes[i + k] <= hi;
  };
  if (bytes[i] < 0x80) return 1;
  if (!within(0, 0x81, 0xFE)) return 0;
  if (within(1, 0x40, 0x7E) || within(1, 0x80, 0xFE)) return 2;
  if (within(1, 0x30, 0x39) && within(2, 0x81, 0xFE) && within(3, 0x30, 0x39)) return 4;
  return 0;
}

// Four-byte GB18030 sequences from 90 30 81 30 on count the code points from U+10000 on.
bool AppendSupplementary(std::u16string& out, const std::uint8_t* b) {
  const std::uint32_t linear =
      (b[0] - 0x90u) * 12600 + (b[1] - 0x30u) * 1260 + (b[2] - 0x81u) * 10 + (b[3] - 0x30u);
  if (b[0] < 0x90 || linear > 0xFFFFF) return false;
  base::AppendUtf16(out, 0x10000 + linear);
  return true;
}

std::u16string DecodeGb18030(std::span<const std::uint8_t> bytes) {
  const bool native = IsValidCodePage(kGb18030);
  const UINT codePage = native ? kGb18030 : kGbk;
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    // A run of well-formed sequences converts in one call; a run holding an unmapped sequence
    // converts sequence by sequence. A malformed lead byte is replaced alone, so the byte after
    // it starts afresh (an ASCII marker behind a broken character survives).
    std::size_t end = i;
    while (end < bytes.size() && end - i < 64 * 1024) {
      std::size_t n = SequenceLength(bytes, end);
      if (n == 0) break;
      end += n;
    }
    const std::size_t before = out.size();
    if (!AppendStrict(out, codePage, bytes.data() + i, end - i)) {
      for (std::size_t k = i; k < end; k += SequenceLength(bytes, k)) {
        const std::size_t n = SequenceLength(bytes, k);
        if (!AppendStrict(out, codePage, bytes.data() + k, n) &&
            !(n == 4 && AppendSupplementary(out, bytes.data() + k)))
          out += u'\uFFFD';
      }
    }
    // GBK puts the euro sign A2 E3 in the private use area, where GB18030 has U+20AC.
    if (!native) std::replace(out.begin() + before, out.end(), u'\uE76C', u'\u20AC');
    i = end;
    if (i < bytes.size() && SequenceLength(bytes, i) == 0) {
      out += u'\uFFFD';
      ++i;
    }
  }
  return out;
}

std::u16string DecodeUtf8(std::span<const std::uint8_t> bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::uint8_t lead = bytes[i];
    if (lead < 0x80) {
      out += static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    int need = 0;
    char32_t c = 0;
    std::uint8_t low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      need = 1, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      need = 2, c = lead & 0x0F;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;  // no encoded surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      need = 3, c = lead & 0x07;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    }
    std::size_t j = i + 1;
    int got = 0;
    while (got < need && j < bytes.size() && bytes[j] >= low && bytes[j] <= high) {
      c = (c << 6) | (bytes[j++] & 0x3F);
      low = 0x80, high = 0xBF;
      ++got;
    }
    if (need == 0 || got < need)
      out += u'\uFFFD';
    else
      base::AppendUtf16(out, c);
    i = j;
  }
  return out;
}

// Other code pages convert in one call; the system replaces what it cannot map.
base::Result<std::u16string> DecodeCodePage(std::span<const std::uint8_t> bytes, UINT codePage) {
  if (bytes.empty()) return std::u16string();
  const auto* input = reinterpret_cast<const char*>(bytes.data());
  int n = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(codePage, 0, input, n, nullptr, 0);
  if (length <= 0) return base::Failure{"the bytes cannot be decoded"};
  std::u16string out(static_cast<std::size_t>(length), u'\0');
  if (MultiByteToWideChar(codePage, 0, input, n, reinterpret_cast<wchar_t*>(out.data()), length) !=
      length)
    return base::Failure{"the bytes cannot be decoded"};
  return out;
}

}  // namespace

base::Result<std::u16string> DecodeBytes(std::span<const std::uint8_t> bytes,
                                   std::u16string_view charset) {
  std::optional<UINT> codePage = CodePageOf(charset);
  if (!codePage) return base::Failure{"unknown character set"};
  if (*codePage == kGb18030) return DecodeGb18030(bytes);
  if (*codePage == CP_UTF8) return DecodeUtf8(bytes);
  if (!IsValidCodePage(*codePage)) return base::Failure{"the system lacks this character set"};
  return DecodeCodePage(bytes, *codePage);
}

}  // namespace web
