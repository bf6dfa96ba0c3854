// Which names a registry holds: the built-in Public Suffix List's ICANN rules, read by libpsl on
// Linux and by our own reader on Windows, must give the same verdicts.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/Text.h"
#include "names/ALabel.h"
#include "names/PublicSuffix.h"
#include "names/PublicSuffixRules.h"

namespace {

TEST(PublicSuffix, ARegistryHoldsOnlyTheNameOneLabelAboveASuffix) {
  struct Case {
    std::string name;
    std::optional<std::u16string> reason;  // nothing: a name a registry holds
  };
  const std::u16string suffix = u" is a suffix under which names are registered, not a name";
  const Case cases[] = {
      {"google.com", std::nullopt},
      {"example.com.cn", std::nullopt},
      {"mail.google.com", u"under google.com, which is the name a registry holds"},
      {"a.b.example.com", u"under example.com, which is the name a registry holds"},
      {"shop.example.com.cn", u"under example.com.cn, which is the name a registry holds"},
      {"com.cn", u"com.cn" + suffix},
      {"co.uk", u"co.uk" + suffix},
      // Private entries are not registries: blogspot.com is a name Google holds; uk.com is
      // CentralNic's registry, which sells names under it.
      {"me.blogspot.com", u"under blogspot.com, which is the name a registry holds"},
      {"me.github.io", u"under github.io, which is the name a registry holds"},
      {"hotel.uk.com", std::nullopt},
      {"walkabout.eu.com", std::nullopt},
      {"a.hotel.uk.com", u"under hotel.uk.com, which is the name a registry holds"},
      {"uk.com", std::nullopt},
      // A wildcard makes every label under .ck a suffix, except www.ck.
      {"anything.ck", u"anything.ck" + suffix},
      {"shop.anything.ck", std::nullopt},
      {"www.ck", std::nullopt},
      {"a.www.ck", u"under www.ck, which is the name a registry holds"},
      // A top-level label the list does not know is a suffix all the same.
      {"abc.nosuchtld", std::nullopt},
      {"a.abc.nosuchtld", u"under abc.nosuchtld, which is the name a registry holds"},
      // Rules written in Unicode hold for the A-labels names are asked in: 中国, 公司.cn.
      {"xn--fiqs8s", u"xn--fiqs8s" + suffix},
      {"xn--55qx5d.cn", u"xn--55qx5d.cn" + suffix},
      {"abc.xn--55qx5d.cn", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(names::UnregistrableReason(c.name), c.reason) << c.name;
  }
}

// A top-level label the list does not name is a suffix by the implicit rule only.
TEST(PublicSuffix, OnlyTheListsOwnRulesMakeASuffixListed) {
  for (const char* suffix : {"com", "co.uk", "xn--fiqs8s", "anything.ck"}) {
    EXPECT_TRUE(names::IsListedSuffix(suffix)) << suffix;
  }
  for (const char* suffix : {"nosuchtld", "www.ck", "example.com", "uk.com"}) {
    EXPECT_FALSE(names::IsListedSuffix(suffix)) << suffix;
  }
  EXPECT_TRUE(names::IsPublicSuffix("nosuchtld"));
}

// Every ICANN rule, a name one label under it and its parent, by both readers. On Linux this
// holds our reader (which Windows uses) to libpsl's verdicts.
TEST(PublicSuffix, BothReadersOfTheListAgreeOnEveryRule) {
  const std::string_view list = names::PublicSuffixListText();
  const auto rules = names::PublicSuffixRules::Parse(list);
  ASSERT_GT(rules.Size(), 6000u);
  std::size_t start = list.find("===BEGIN ICANN DOMAINS===");
  const std::size_t end = list.find("===END ICANN DOMAINS===");
  std::size_t compared = 0;
  while (start < end) {
    const std::size_t next = list.find('\n', start);
    std::string_view rule = list.substr(start, next - start);
    start = next + 1;
    if (rule.empty() || rule.starts_with("//")) continue;
    if (rule.starts_with("!")) rule.remove_prefix(1);
    if (rule.starts_with("*.")) rule.remove_prefix(2);
    auto aLabel = names::ToALabel(base::FromUtf8(rule));
    ASSERT_TRUE(aLabel) << rule;
    const std::string name = aLabel.value();
    for (const std::string& asked :
         {name, "x." + name, "x.y." + name,
          name.substr(name.find('.') == std::string::npos ? 0 : name.find('.') + 1)}) {
      EXPECT_EQ(rules.IsPublicSuffix(asked), names::IsPublicSuffix(asked)) << asked;
      EXPECT_EQ(rules.IsPublicSuffix(asked, false), names::IsListedSuffix(asked)) << asked;
      ++compared;
    }
  }
  EXPECT_GT(compared, 4 * 6000u);
}

}  // namespace
