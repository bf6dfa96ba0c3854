// Fuzzes the byte decoding of pages. The first byte picks a character set name, the rest are
// the page's bytes. "gb2312" in any spelling must always decode, and no name may yield broken
// UTF-16.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "web/Module1.h"

namespace {

constexpr std::u16string_view kNames[] = {
    u"gb2312", u"GB2312", u"Gb2312", u"utf-8", u"big5", u"gb2312//IGNORE", u"no-such-charset", u"",
};

bool IsGb2312(std::u16string_view name) {
  return name == u"gb2312" || name == u"GB2312" || name == u"Gb2312";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::u16string_view charset = kNames[data[0] % std::size(kNames)];
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);

  auto text = web::DecodeBytes(bytes, charset);
  if (IsGb2312(charset)) FUZZ_CHECK(text.ok());
  if (charset == u"no-such-charset" || charset.empty() || charset == u"gb2312//IGNORE") {
    FUZZ_CHECK(!text.ok());
  }
  if (!text.ok()) return 0;
  const std::u16string& t = text.value();

  // No byte turns into more than one code unit, a four-byte sequence into at most two, and
  // the text is well-formed UTF-16 that the rest of the tool can encode again.
  FUZZ_CHECK(t.size() <= bytes.size());
  FUZZ_CHECK(!fuzz::HasUnpairedSurrogate(t));

  // ASCII comes through unchanged: every marker the harvest looks for is ASCII.
  bool ascii = true;
  for (std::uint8_t b : bytes) ascii = ascii && b < 0x80;
  if (ascii) FUZZ_CHECK(t == std::u16string(bytes.begin(), bytes.end()));
  return 0;
}
