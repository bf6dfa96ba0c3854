// The ground floor: case mapping, and UTF-8 read strictly (input that must be whole) or with
// replacement (what servers send).
#include <gtest/gtest.h>

#include <string>

#include "base/LowerCase.h"
#include "base/Text.h"

namespace {

TEST(LowerCase, FollowsUnicodeNotJustAscii) {
  EXPECT_EQ(base::ToLower(u"ABC.COM xyz-09"), u"abc.com xyz-09");
  EXPECT_EQ(base::ToLower(u"ÄÖÜ.DE ĀĂ ΣΑΣ.GR МОСКВА.РФ"), u"äöü.de āă σασ.gr москва.рф");
  EXPECT_EQ(base::ToLower(u"İ"), u"i");
  EXPECT_EQ(base::ToLower(u"中文.COM"), u"中文.com");
  // Supplementary planes, and unpaired surrogates left alone.
  EXPECT_EQ(base::ToLower(u"\U00010400\U0001F600"), u"\U00010428\U0001F600");
  EXPECT_EQ(base::ToLower(std::u16string{u'A', 0xD800, u'B', 0xDC00}),
            (std::u16string{u'a', 0xD800, u'b', 0xDC00}));
  EXPECT_EQ(base::ToLower(u"\r\n"), u"\r\n");
}

TEST(LowerCase, AsciiOnlyLeavesEveryOtherByteAsItIs) {
  EXPECT_EQ(base::AsciiLower("WHOIS.NIC.Example:43"), "whois.nic.example:43");
  EXPECT_EQ(base::AsciiLower("\xC3\x84X"), "\xC3\x84x");  // "ÄX": the UTF-8 of Ä untouched
  EXPECT_TRUE(base::StartsWithIgnoringCase("HTTPS://rdap.example/", "https://"));
  EXPECT_FALSE(base::StartsWithIgnoringCase("http", "https://"));
  EXPECT_FALSE(base::StartsWithIgnoringCase("ftp://x", "https://"));
}

TEST(Utf16, CodePointsKeepAnUnpairedSurrogateAndComeBackUnchanged) {
  const std::u16string text{u'a', 0xD83D, 0xDE00, 0xDC00, u'b', 0xD800};
  const std::u32string points = base::CodePoints(text);
  EXPECT_EQ(points, (std::u32string{U'a', U'\U0001F600', 0xDC00, U'b', 0xD800}));
  EXPECT_EQ(base::Utf16(points), text);
}

TEST(Utf8, StrictDecodingRefusesWhatReplacementDecodingMarks) {
  struct Case {
    std::string bytes;
    std::u16string replaced;  // what FromUtf8 makes of it; DecodeUtf8 takes it only if unmarked
  };
  const Case cases[] = {
      {"abc.com", u"abc.com"},
      {"\xE4\xB8\xAD\xE5\x9B\xBD.cn", u"中国.cn"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"a\xFF" "b", u"a\uFFFDb"},                        // a byte that begins nothing
      {"\xE4\xB8", u"\uFFFD\uFFFD"},                      // cut short: each byte alone
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(base::FromUtf8(c.bytes), c.replaced);
    std::u16string strict;
    const bool whole = c.replaced.find(u'\uFFFD') == std::u16string::npos;
    EXPECT_EQ(base::DecodeUtf8(c.bytes, strict), whole);
    if (whole) {
      EXPECT_EQ(strict, c.replaced);
    }
  }
  // And back, with an unpaired surrogate replaced.
  EXPECT_EQ(base::Utf16ToUtf8(u"中国.cn\U0001F600"), "\xE4\xB8\xAD\xE5\x9B\xBD.cn\xF0\x9F\x98\x80");
  EXPECT_EQ(base::Utf16ToUtf8(std::u16string{u'a', 0xD800}), "a\xEF\xBF\xBD");
}

}  // namespace
