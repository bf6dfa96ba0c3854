#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Text.h"
#include "names/NameType.h"

namespace {

using names::TypeFilter;
using names::TypeOf;

std::string TypeText(std::string_view name) {
  std::string text;
  for (const std::string& word : names::TypeWords(TypeOf(base::FromUtf8(name)))) {
    text += (text.empty() ? "" : " ") + word;
  }
  return text;
}

// Names as the portals class them, and the words of the type column.
TEST(NameType, NamesReadAsThePortalsClassThem) {
  const struct {
    const char* name;
    const char* words;
  } kCases[] = {
      {"8888.com", "digits:4 AAAA"},
      {"1122.cn", "digits:4 AABB"},
      {"1212.cn", "digits:4 ABAB"},
      {"520.com.cn", "digits:3"},
      {"a1b2.com", "mixed:4"},
      {"baidu.com", "letters:5 pinyin2"},
      {"zhongguo.cn", "letters:8 pinyin2"},
      {"woaini.cn", "letters:6 pinyin3"},
      // xian splits as xian and as xi+an: the fewest syllables class it, as portals do.
      {"xian.cn", "letters:4 pinyin1"},
      {"fangan.cn", "letters:6 pinyin2"},
      {"lvse.cn", "letters:4 pinyin2"},
      {"bcd.com", "letters:3 initials"},
      {"qq.com", "letters:2 initials AA"},
      {"v.cn", "letters:1"},  // not an initial, not a syllable
      {"abc.com", "letters:3"},
      {"中国.cn", "han:2"},
      {"恭喜恭喜.中国", "han:4 ABAB"},
      {"000000000.com", "digits:9"},  // shapes are written for 2 to 8 characters
      {"aab.com", "letters:3 AAB"},
      {"112233.com", "digits:6 AABBCC"},
      {"hello-world.com", ""},
      {"abc中.com", ""},
      {"𠀀𠀀.cn", "han:2 AA"},  // beyond the first plane: one character each
  };
  for (const auto& c : kCases) EXPECT_EQ(TypeText(c.name), c.words) << c.name;
}

TEST(NameType, FilterKeepsAnyAlternativeWhoseTypesAllHold) {
  const struct {
    const char* filter;
    std::vector<const char*> kept;
  } kCases[] = {
      {"digits", {"8888", "1122", "520"}},
      {"digits:3-4,mixed", {"8888", "1122", "520", "a1b2"}},
      {"digits:4+AABB", {"1122"}},
      {"XXYY", {"1122"}},                // any capitals write a shape
      {"pinyin2", {"fangan", "baidu"}},  // not xian
      {"pinyin", {"fangan", "baidu", "xian"}},
      {"letters:4", {"xian"}},
      {"initials:2,han", {"qq", "中国"}},
      {"双拼", {"fangan", "baidu"}},
      {"数字:3,双声", {"520", "qq"}},
      {"any", {"8888", "1122", "520", "a1b2", "fangan", "baidu", "xian", "qq", "中国", "a-b"}},
  };
  const char* all[] = {"8888",  "1122", "520", "a1b2", "fangan",
                       "baidu", "xian", "qq",  "中国", "a-b"};
  for (const auto& c : kCases) {
    const auto filter = TypeFilter::Read(c.filter);
    ASSERT_TRUE(filter) << c.filter << ": " << filter.error();
    std::vector<const char*> kept;
    for (const char* name : all) {
      if (filter.value().Keeps(TypeOf(base::FromUtf8(name)))) kept.push_back(name);
    }
    EXPECT_EQ(std::vector<std::string>(kept.begin(), kept.end()),
              std::vector<std::string>(c.kept.begin(), c.kept.end()))
        << c.filter;
  }
}

TEST(NameType, FilterRefusesWhatItCannotRead) {
  const struct {
    const char* filter;
    const char* error;
  } kCases[] = {
      {"digit",
       "--type: 'digit' is not a type: digits, letters, mixed, han, pinyin1, pinyin2, ..., "
       "initials, a shape such as AABB, or any"},
      {"digits,",
       "--type: '' is not a type: digits, letters, mixed, han, pinyin1, pinyin2, ..., "
       "initials, a shape such as AABB, or any"},
      {"pinyin0", nullptr},
      {"A", nullptr},
      {"digits:0",
       "--type: 'digits:0' takes a length or a range of lengths from 1 to 63 after ':', "
       "as :5 or :4-6"},
      {"digits:5-4", nullptr},
      {"letters:64", nullptr},
      {"AABB:4", "--type: 'AABB:4' has its length in its shape already"},
      {"双声:3", nullptr},
  };
  for (const auto& c : kCases) {
    const auto filter = TypeFilter::Read(c.filter);
    ASSERT_FALSE(filter) << c.filter;
    if (c.error) {
      EXPECT_EQ(filter.error(), c.error);
    }
  }
}

}  // namespace
