#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/Text.h"
#include "names/NamePattern.h"

namespace {

using names::NamePattern;
using names::PatternFilters;

std::u16string U16(std::string_view utf8) {
  return base::FromUtf8(utf8);
}

std::vector<std::string> All(const NamePattern& pattern) {
  std::vector<std::string> names;
  auto cursor = pattern.Names();
  std::u16string name;
  while (cursor.Next(name)) names.push_back(base::Utf16ToUtf8(name));
  return names;
}

NamePattern Read(std::string_view text, const PatternFilters& filters = {},
                 std::span<const std::u16string> words = {}) {
  auto pattern = NamePattern::Read(U16(text), words, filters);
  EXPECT_TRUE(pattern) << text << ": " << (pattern ? "" : pattern.error());
  return pattern ? std::move(pattern.value()) : NamePattern::Read(u"a").value();
}

struct Shape {
  std::string pattern;
  std::uint64_t count;
  std::vector<std::string> first;  // the first names, in order
  std::string last;
};

TEST(NamePattern, WritesTheShapesInvestorsList) {
  const Shape shapes[] = {
      {"DDD", 1000, {"000", "001", "002"}, "999"},
      {"L:5", 11881376, {"aaaaa", "aaaab"}, "zzzzz"},
      {"CVCV", 21 * 5 * 21 * 5, {"baba", "babe"}, "zuzu"},
      {"getDD", 100, {"get00", "get01"}, "get99"},
      {"/get,try/L", 52, {"geta", "getb"}, "tryz"},
      {"/a-c,x/D:1-2", 4 * 110, {"a0", "a1"}, "x99"},
      {"/0-3/:2", 16, {"00", "01", "02", "03", "10"}, "33"},
      {"D=AABB", 90, {"0011", "0022"}, "9988"},
      {"D=ABAB", 90, {"0101", "0202"}, "9898"},
      {"D=AAAB", 90, {"0001", "0002"}, "9998"},
      {"D=ABBA", 90, {"0110", "0220"}, "9889"},
      {"L=ABCABC", 26 * 25 * 24, {"abcabc", "abdabd"}, "zyxzyx"},
      {"P=AA", 413, {"aa", "aiai"}, "zuozuo"},
      {"IP", 20 * 413, {"ba", "bai"}, "zzuo"},
      {"I:2", 400, {"bb", "bc"}, "zz"},
      {"V+D=AB", 5 * 90, {"a01", "a02"}, "u98"},
      {"shop/,s/", 2, {"shop", "shops"}, "shops"},
      {"中国D", 10, {"中国0", "中国1"}, "中国9"},
      {"DDD.cn", 1000, {"000.cn"}, "999.cn"},
  };
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(shape.pattern);
    const NamePattern pattern = Read(shape.pattern);
    const NamePattern::Count count = pattern.CountNames(100000);
    EXPECT_EQ(count.names, shape.count);
    EXPECT_TRUE(count.exact);
    auto cursor = pattern.Names();
    std::u16string name;
    for (const std::string& expected : shape.first) {
      ASSERT_TRUE(cursor.Next(name));
      EXPECT_EQ(base::Utf16ToUtf8(name), expected);
    }
    if (shape.count > 100000) continue;
    const std::vector<std::string> names = All(pattern);
    ASSERT_EQ(names.size(), shape.count);
    EXPECT_EQ(names.back(), shape.last);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  }
}

TEST(NamePattern, PinyinSyllablesComeFromTheHanReadingsWithoutTones) {
  const auto syllables = names::PinyinSyllables();
  EXPECT_EQ(syllables.size(), 413u);
  const std::set<std::u16string_view> all(syllables.begin(), syllables.end());
  for (std::u16string_view kept : {u"zhuang", u"lv", u"nve", u"er", u"a", u"biang"}) {
    EXPECT_TRUE(all.count(kept)) << base::Utf16ToUtf8(kept);
  }
  // The vowelless interjections, and ü written any way but v.
  for (std::u16string_view left : {u"m", u"n", u"hm", u"lue", u"nue"}) {
    EXPECT_FALSE(all.count(left)) << base::Utf16ToUtf8(left);
  }
}

TEST(NamePattern, FiltersLeaveOutWhatBuyersAvoid) {
  PatternFilters noFour;
  noFour.without = u"4";
  EXPECT_EQ(Read("DDD", noFour).CountNames(0).names, 729u);
  EXPECT_EQ(Read("a4D", noFour).CountNames(0).names, 0u);
  EXPECT_EQ(Read("D=AABB", noFour).CountNames(0).names, 72u);
  // A dot in only some of a slot's texts does not end the first label of the others.
  for (const std::string& name : All(Read("x/a,b.cn/4", noFour))) {
    EXPECT_EQ(name.substr(0, name.find('.')).find('4'), std::string::npos) << name;
  }

  // 杂米: letters and digits both; exact by arithmetic where each shape settles it.
  PatternFilters mixed;
  mixed.mixed = true;
  EXPECT_EQ(Read("/L,D/:2", mixed).CountNames(0).names, 2u * 26 * 10);
  const NamePattern mixedWords = Read("/L,D/:2", mixed);
  const auto names = All(mixedWords);
  EXPECT_EQ(names.front(), "a0");
  EXPECT_EQ(names.back(), "9z");

  PatternFilters lengths;
  lengths.minLength = 4;
  lengths.maxLength = 5;
  const NamePattern syllables = Read("PP", lengths);
  const NamePattern::Count counted = syllables.CountNames(1'000'000);
  EXPECT_TRUE(counted.exact);
  EXPECT_EQ(counted.names, All(syllables).size());
  for (const std::string& name : All(syllables)) {
    ASSERT_GE(name.size(), 4u) << name;
    ASSERT_LE(name.size(), 5u) << name;
  }
  // Past the budget the count is what the pattern makes before the filter, and says so.
  EXPECT_EQ(syllables.CountNames(10).names, 413u * 413);
  EXPECT_FALSE(syllables.CountNames(10).exact);
}

TEST(NamePattern, MakesOnlyLabelsTheNameRulesAllow) {
  // No hyphen first or last, none in the third and fourth places, no label over 63 octets.
  EXPECT_EQ(All(Read("/-,a/b/-,c/")), (std::vector<std::string>{"abc"}));
  EXPECT_EQ(All(Read("ab/-,c/-d")), (std::vector<std::string>{"abc-d"}));
  // An A-label only where it decodes to letters: "xn--0" stands for a control character.
  EXPECT_EQ(All(Read("xn--/D,fsqu00a/")), (std::vector<std::string>{"xn--fsqu00a"}));
  EXPECT_EQ(Read("L:63").CountNames(0).names, UINT64_MAX);  // 26^63, saturated
  const NamePattern tooLong = Read("L:60/abcd,x/");
  EXPECT_EQ(tooLong.CountNames(1000).exact, false);  // 26^60 is past any budget
  const std::string sixty(60, 'a');
  EXPECT_EQ(All(Read(sixty + "/bcde,bc/")), (std::vector<std::string>{sixty + "bc"}));
  EXPECT_EQ(All(Read("/,a/")), (std::vector<std::string>{"a"}));
}

TEST(NamePattern, PassesOverWholeRunsOfFailingNamesAtOnce) {
  // Each of these would take longer than the universe's age one name at a time.
  PatternFilters long54;
  long54.minLength = 54;
  PatternFilters mixed;
  mixed.mixed = true;
  const std::string sixtyTwo(62, 'a'), sixtyThree(63, 'a');
  const std::tuple<std::string, PatternFilters, std::string> firsts[] = {
      {"L=ABCDEFGHIJKLMNOPQRSTUVWXYZ", {}, "abcdefghijklmnopqrstuvwxyz"},
      {"/-,a/L:62", {}, "a" + sixtyTwo},
      {"P:9", long54, "chuangchuangchuangchuangchuangchuangchuangchuangchuang"},
      {"D:40/a,1/", mixed, std::string(40, '0') + "a"},
      {"xy--L:59/b,--/L", {}, ""},
      {"中L:62", {}, ""},
      {"中文域名注册查询工具L:40", {}, ""},
      {"L:62/-/", {}, ""},
      {"L:50/a,bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb/L:12", {}, std::string(63, 'a')},
      // Too long already by what the slots after must add: a label, the name.
      {"/a,bb,cccccc/:40L:30", {}, ""},
      {"L:63.L:63.L:63.L:63", {}, ""},
      {"L:63.L:63.L:63.L:61",
       {},
       sixtyThree + "." + sixtyThree + "." + sixtyThree + "." + std::string(61, 'a')},
      // An international text's octets tell nothing of an ASCII text's in the same place.
      {"L:58/ä,b/bbbb", {}, std::string(58, 'a') + "bbbbb"},
  };
  for (const auto& [text, filters, first] : firsts) {
    SCOPED_TRACE(text);
    const NamePattern pattern = Read(text, filters);
    auto names = pattern.Names();
    std::u16string name;
    EXPECT_EQ(names.Next(name), !first.empty());
    EXPECT_EQ(base::Utf16ToUtf8(name), first);
  }
  // Of the 3^30 names only those with at most three letters over 60 fit in a label.
  EXPECT_EQ(All(Read("/ab,cde,fghi/:30")).size(), 1u + 30 + (435 + 30) + (4060 + 870));
}

// Two ways through a pattern may make one name only where texts of a slot differ in length or
// there are several shapes; the count of distinct names relies on it.
TEST(NamePattern, SaysWhetherItMayMakeANameTwice) {
  for (const char* text : {"DDD", "L=ABAB", "/get,try/L:2", "中国DD", "abc.cn"}) {
    EXPECT_FALSE(Read(text).MayRepeat()) << text;
  }
  for (const char* text : {"PP", "/fan,fang//an,gan/", "D:1-2", "/L,D/:2"}) {
    EXPECT_TRUE(Read(text).MayRepeat()) << text;
  }
  EXPECT_EQ(All(Read("/fan,fang//an,gan/")).size(), 4u);  // fangan twice; a run checks it once
}

TEST(NamePattern, DrawsWordsFromTheList) {
  const std::vector<std::u16string> words = {u"shop", u"mall", u"shop"};
  EXPECT_EQ(All(Read("WD:1", {}, words)).front(), "shop0");
  EXPECT_EQ(Read("W=AB", {}, std::vector<std::u16string>{u"go", u"top"}).CountNames(0).names, 2u);
  EXPECT_FALSE(NamePattern::Read(u"W"));
}

TEST(NamePattern, RefusesWithThePlaceOfTheFault) {
  const std::pair<std::string, std::string> faults[] = {
      {"", "an empty pattern"},
      {"abX",
       "at character 3: no class 'X' (L D C V I P W are the classes; lowercase text is "
       "literal)"},
      {"ab/cd", "at character 3: '/' opens a group that is not closed"},
      {":3", "at character 1: ':' with nothing before it to count"},
      {"D:", "at character 3: ':' needs a count (X:3) or a range of counts (X:2-4)"},
      {"D:64", "at character 5: a count above 63"},
      {"D:3-2", "at character 6: an empty range of counts"},
      {"D=", "at character 3: '=' needs a shape of uppercase letters (D=AABB)"},
      {"D=AB:2", "at character 5: a shape takes no count; write the letters out"},
      {"a b", "at character 2: ' ' cannot be in a name"},
      {"a_b", "at character 2: '_' cannot be in a name"},
      {"W", "at character 1: W needs a word list (--words FILE)"},
      {"/D,L/:13",
       "at character 1: the pattern branches into more than 4096 shapes; split it "
       "into several --pattern"},
      // A character no name holds is refused before the counts before it branch.
      {"/D,L/:13(", "at character 9: '(' cannot be in a name"},
  };
  for (const auto& [text, message] : faults) {
    const auto pattern = NamePattern::Read(U16(text));
    ASSERT_FALSE(pattern) << text;
    EXPECT_EQ(pattern.error(), message) << text;
  }
}

}  // namespace
