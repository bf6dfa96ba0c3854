// The pieces every front end shares and the command line's own text work: cleaning and
// de-duplicating a list, judging names, reading UTF-8 input, and the output formats.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "base/Text.h"
#include "check/BundledVariants.h"
#include "cli/Columns.h"
#include "cli/Formats.h"
#include "cli/NameReader.h"
#include "cli/NameStream.h"
#include "cli/Options.h"
#include "cli/Progress.h"
#include "cli/Resume.h"
#include "names/FingerprintSet.h"
#include "names/HanVariants.h"
#include "names/NameList.h"
#include "names/NameRules.h"

namespace {

std::vector<std::u16string> TakeAll(names::NameList& list) {
  std::vector<std::u16string> names;
  for (std::u16string name; list.Take(name);) names.push_back(name);
  return names;
}

// A URL gives its host and a leading "www." goes, but nothing inside a name is touched (the
// window's cleaning removes "www." and "http://" anywhere; a list's names must keep their letters).
TEST(NameList, TakesTheHostOfAUrlLowerCasesAndKeepsFirstAppearances) {
  names::NameList list;
  for (std::u16string_view line :
       {u" http://www.Example.COM ", u"", u"   ", u"second.net", u"EXAMPLE.com", u"ÄBC.de",
        u"https://x.org", u"HTTP://Y.org/", u"tab\t.com", u"newww.com", u"www.com",
        u"http://www.site.com/path", u"https://shop.cn:8443/a?b#c", u"site.com?x",
        u"a.http://b.com", u"wwwx.com"}) {
    list.AddLine(line);
  }
  EXPECT_EQ(TakeAll(list), (std::vector<std::u16string>{
                               u"example.com", u"second.net", u"äbc.de", u"x.org", u"y.org",
                               u"tab\t.com", u"newww.com", u"www.com", u"site.com", u"shop.cn",
                               u"site.com?x", u"a.http://b.com", u"wwwx.com"}));
}

TEST(FingerprintSet, KeepsEveryDifferentNameOnceAsItGrows) {
  names::FingerprintSet set;
  for (int i = 0; i < 200000; ++i) {
    ASSERT_TRUE(set.Insert(u"name" + std::u16string(1, char16_t(u'a' + i % 26)) +
                           base::FromUtf8(std::to_string(i)) + u".com"));
  }
  for (int i = 0; i < 200000; i += 7) {
    ASSERT_FALSE(set.Insert(u"name" + std::u16string(1, char16_t(u'a' + i % 26)) +
                            base::FromUtf8(std::to_string(i)) + u".com"));
  }
  EXPECT_EQ(set.Size(), 200000u);
  EXPECT_TRUE(set.Insert(u""));
  EXPECT_FALSE(set.Insert(u""));
}

std::vector<std::string> Drain(cli::NameStream& stream, std::string* failure = nullptr) {
  std::vector<std::string> names;
  std::u16string name;
  for (;;) {
    auto next = stream.Next(name);
    if (!next && failure) *failure = next.error();
    if (!next || !next.value()) return names;
    names.push_back(base::Utf16ToUtf8(name));
  }
}

TEST(NameStream, PatternsInTurnUnderEachSuffixWithNoNameTwice) {
  std::vector<names::NamePattern> patterns;
  for (std::u16string_view text : {u"D=AA", u"D=AB", u"D=AA"}) {
    patterns.push_back(names::NamePattern::Read(text).value());
  }
  auto stream = cli::NameStream::FromPatterns(std::move(patterns), {u"com", u"cn"}, 300);
  const std::vector<std::string> names = Drain(stream);
  ASSERT_EQ(names.size(), 200u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3),
            (std::vector<std::string>{"00.com", "00.cn", "11.com"}));
  EXPECT_EQ(names[20], "01.com");
  EXPECT_EQ(names.back(), "98.cn");
}

TEST(NameStream, InputsInTurnUntilOneCannotBeOpened) {
  const auto file = std::filesystem::temp_directory_path() / "brelka-name-stream.txt";
  std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBFOne\r\ntwo.net";
  auto stream =
      cli::NameStream::FromInputs({file.string(), file.string(), "no-such-file.txt"}, {u"com"});
  EXPECT_FALSE(stream.CheckFiles());
  std::string failure;
  EXPECT_EQ(Drain(stream, &failure), (std::vector<std::string>{"one.com", "two.net"}));
  EXPECT_EQ(failure.rfind("cannot open 'no-such-file.txt': ", 0), 0u) << failure;
  std::filesystem::remove(file);
}

TEST(NameRules, AcceptsLettersDigitsHyphensAndTheLettersAndMarksOfOtherScripts) {
  for (std::u16string_view name : {u"example.com", u"a-1.b2.co", u"中文域名.cn", u"bücher.de",
                                   u"हिन्दी.भारत", u"xn--fsqu00a.xn--55qx5d", u"١٢٣.مصر"}) {
    EXPECT_EQ(names::InvalidReason(name), std::nullopt);
  }
}

TEST(NameRules, CountsNonAsciiLabelsInTheirXnForm) {
  EXPECT_EQ(names::LabelOctets(U"bücher"), 13u);  // xn--bcher-kva
  EXPECT_EQ(names::LabelOctets(U"例子"), 11u);    // xn--fsqu00a
  EXPECT_EQ(names::LabelOctets(U"abc"), 3u);
  // Twenty Chinese characters are 60 octets of UTF-8 but 64 in DNS.
  const std::u16string twenty = u"中文域名注册查询工具批量检测可用名字列表";
  EXPECT_EQ(names::InvalidReason(twenty + u".cn"), u"label longer than 63 octets");
  EXPECT_EQ(names::InvalidReason(twenty.substr(0, 12) + u".cn"), std::nullopt);
}

TEST(NameRules, RefusesSymbolsPunctuationAndUnpairedSurrogates) {
  EXPECT_EQ(names::InvalidReason(u"例子。com"), u"no dot");
  EXPECT_EQ(names::InvalidReason(u"例子。x.com"), u"character U+3002 is not allowed");
  EXPECT_EQ(names::InvalidReason(u"smile😀.com"), u"character U+1F600 is not allowed");
  EXPECT_EQ(names::InvalidReason(std::u16string(u"a\xD800.com")),
            u"character U+D800 is not allowed");
  EXPECT_EQ(names::InvalidReason(u"a/b.com"), u"character '/' (U+002F) is not allowed");
}

// Hyphens where hostnames allow them, and an A-label only where it is one.
TEST(NameRules, RefusesHyphensWhereHostnamesForbidThemAndALabelsThatDoNotDecode) {
  const struct {
    std::u16string_view name;
    std::u16string_view reason;
  } cases[] = {
      {u"-abcd.com", u"a label starts with a hyphen"},
      {u"abcd-.com", u"a label ends with a hyphen"},
      {u"abcd.-com", u"a label starts with a hyphen"},
      {u"ab--cdef.com", u"'--' in the third and fourth places of a label that is not an A-label"},
      {u"xn--zz.com", u"xn--zz is not Punycode"},
      {u"xn--99999999999.com", u"xn--99999999999 is not Punycode"},
      {u"xn--aa.com", u"xn--aa: character U+0080 is not allowed"},
      {u"xn--abc-.com", u"a label ends with a hyphen"},
      {u"bü--x.de", u"'--' in the third and fourth places of a label that is not an A-label"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(names::InvalidReason(c.name), c.reason) << base::Utf16ToUtf8(c.name);
  }
  for (std::u16string_view name :
       {u"a-b.com", u"ab-cd.com", u"a--b.com", u"xn--fsqu00a.com", u"XN--FSQU00A.com"}) {
    EXPECT_EQ(names::InvalidReason(name), std::nullopt) << base::Utf16ToUtf8(name);
  }
}

std::vector<std::u16string> Read(const std::string& bytes, base::Status* status = nullptr) {
  names::NameList list;
  std::istringstream in(bytes);
  base::Status read = cli::ReadNames(in, "in", list);
  if (status) *status = read;
  return TakeAll(list);
}

TEST(NameReader, ReadsLinesInAnyLineBreakStyleWithOrWithoutAByteOrderMark) {
  EXPECT_EQ(Read("\xEF\xBB\xBF"
                 "a.com\r\nb.com\nc.com"),
            (std::vector<std::u16string>{u"a.com", u"b.com", u"c.com"}));
  // A mark anywhere but at the very start is an ordinary (and invalid) character.
  EXPECT_EQ(Read("a.com\n\xEF\xBB\xBF"
                 "b.com\n"),
            (std::vector<std::u16string>{u"a.com",
                                         u"\xFEFF"
                                         u"b.com"}));
  EXPECT_EQ(Read("\xF0\x9F\x98\x80.com\n\xE4\xB8\xAD.cn\n"),
            (std::vector<std::u16string>{u"😀.com", u"中.cn"}));
}

TEST(NameReader, BytesSplitAnywhereReadTheSameAsWhole) {
  const std::string input = "first.com\r\n中文域名.cn\nlast.org";
  for (std::size_t cut = 0; cut <= input.size(); ++cut) {
    names::NameList list;
    cli::NameReader reader("in", &list);
    ASSERT_TRUE(reader.Feed(std::string_view(input).substr(0, cut)));
    ASSERT_TRUE(reader.Feed(std::string_view(input).substr(cut)));
    ASSERT_TRUE(reader.Finish());
    EXPECT_EQ(TakeAll(list),
              (std::vector<std::u16string>{u"first.com", u"中文域名.cn", u"last.org"}))
        << cut;
  }
}

// Notepad's "Unicode" is UTF-16 with a byte-order mark, little- or big-endian.
TEST(NameReader, ReadsUtf16WithItsByteOrderMarkSplitAnywhere) {
  const std::u16string text = u"\uFEFFfirst.com\r\n中文域名.cn\n😀.org";
  for (const bool little : {true, false}) {
    std::string bytes;
    for (char16_t unit : text) {
      const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
      bytes += little ? std::string{low, high} : std::string{high, low};
    }
    for (std::size_t cut : {std::size_t(1), std::size_t(2), std::size_t(7), bytes.size() - 3}) {
      names::NameList list;
      cli::NameReader reader("in", &list);
      ASSERT_TRUE(reader.Feed(std::string_view(bytes).substr(0, cut)));
      ASSERT_TRUE(reader.Feed(std::string_view(bytes).substr(cut)));
      ASSERT_TRUE(reader.Finish());
      EXPECT_EQ(TakeAll(list), (std::vector<std::u16string>{u"first.com", u"中文域名.cn", u"😀.org"}))
          << little << " " << cut;
    }
  }
}

TEST(NameReader, NamesTheLineOfTheFirstBytesThatAreNotUtf8) {
  const std::string gbk = "; save it as UTF-8 (it looks like GBK)";
  const std::pair<const char*, std::string> bad[] = {
      {"\x80", ""},              // a continuation byte alone
      {"\xC0\xAF", gbk},         // overlong, and a GBK character
      {"\xE0\x80\xAF", ""},      // overlong
      {"\xED\xA0\x80", ""},      // a surrogate
      {"\xF4\x90\x80\x80", ""},  // above U+10FFFF
      {"\xE4\xB8", gbk},         // cut short, and a GBK character
      {"\xFF", ""},
      {"\xD6\xD0\xCE\xC4", gbk},  // 中文 as a Chinese Windows saves it
  };
  for (const auto& [bytes, hint] : bad) {
    base::Status status = base::Ok();
    Read(std::string("ok.com\n\nx") + bytes + ".com\nnever.com\n", &status);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error(), "in:3: invalid UTF-8" + hint);
  }
}

TEST(Options, OneTableDrivesTheParserAndTheHelp) {
  const std::string help = cli::HelpText();
  for (const cli::OptionSpec& option : cli::OptionTable()) {
    EXPECT_NE(help.find(option.name), std::string::npos) << option.name;
    const std::vector<std::string> args{std::string(option.name)};
    auto parsed = cli::ParseCommandLine(args);
    if (option.valueName.empty()) {
      EXPECT_TRUE(parsed) << option.name << ": " << parsed.error();
    } else {
      ASSERT_FALSE(parsed);
      EXPECT_EQ(parsed.error(), "option '" + std::string(option.name) + "' needs a value");
    }
  }
}

TEST(Options, ValuesComeAttachedOrAsTheNextWordAndFilesAfterDoubleDash) {
  const std::vector<std::string> args{
      "-fcsv", "--registrar=http://127.0.0.1:8/", "a.txt", "-", "--", "-q"};
  auto parsed = cli::ParseCommandLine(args);
  ASSERT_TRUE(parsed) << parsed.error();
  EXPECT_EQ(parsed.value().format, cli::Format::Csv);
  EXPECT_EQ(parsed.value().registrar, "http://127.0.0.1:8");
  EXPECT_EQ(parsed.value().files, (std::vector<std::string>{"a.txt", "-", "-q"}));
  EXPECT_FALSE(parsed.value().quiet);
}

TEST(Options, ShortFlagsBundleAndTheLastMayTakeTheRestAsItsValue) {
  const std::vector<std::string> args{"-aq", "-qfjson"};
  auto parsed = cli::ParseCommandLine(args);
  ASSERT_TRUE(parsed) << parsed.error();
  EXPECT_TRUE(parsed.value().quiet);
  EXPECT_EQ(parsed.value().format, cli::Format::Json);
  const std::vector<std::string> unknown{"-qz"};
  auto refused = cli::ParseCommandLine(unknown);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error(), "unknown option '-z'");
}

TEST(Progress, LineShowsDoneOfTotalRateAndTimeLeft) {
  EXPECT_EQ(cli::Progress::Line(0, 5000, std::chrono::seconds(0)), "0/5000 names");
  EXPECT_EQ(cli::Progress::Line(980, 5000, std::chrono::seconds(2)),
            "980/5000 names, 490 names/s, 8 s left");
  EXPECT_EQ(cli::Progress::Line(980, 5000, std::chrono::seconds(2), 37),
            "980/5000 names, 490 names/s, 8 s left, 37 waiting on paused servers");
  // Names read as the run goes have no total yet, and so no time left.
  EXPECT_EQ(cli::Progress::Line(980, 0, std::chrono::seconds(2)), "980 names, 490 names/s");
  // One name is "name", whether it is the total or all that is known yet.
  EXPECT_EQ(cli::Progress::Line(0, 1, std::chrono::seconds(0)), "0/1 name");
  EXPECT_EQ(cli::Progress::Line(1, 0, std::chrono::seconds(0)), "1 name");
}

TEST(Summary, GivesUnknownAndInvalidCountsOnlyWhenThereAreAny) {
  EXPECT_EQ(cli::SummaryText({.entered = 10, .available = 3}), "共输入10个，其中3个可以注册\n");
  EXPECT_EQ(cli::SummaryText({.entered = 10, .available = 3, .unknown = 2, .invalid = 1}),
            "共输入10个，其中3个可以注册，2个未能查询，1个无效\n");
}

}  // namespace

// Every column of the table, written in each format and read back by --resume, is what was
// written: a column added to the table is held to it at once. (CSV writes other control
// characters as \xHH for the terminal's sake, and has no escape to read them back by.)
TEST(Columns, EveryColumnReadsBackInEveryFormat) {
  check::Answer answer = check::WithStatus(check::Status::Registered,
                                           u"held, \"quoted\"\tand\nbroken \\ \\x41");
  answer.source = check::Route::Whois;
  answer.aLabel = u"xn--fiqs8s.cn";
  answer.registrar = u"Example, Inc.";
  answer.expires = u"2027-01-02";
  answer.statuses = {u"clientHold", u"redemptionPeriod"};
  answer.phase = check::Phase::Redemption;
  answer.releases = u"2026-12-31";
  // A sign's own "; " is where TSV and CSV join a list's words.
  answer.forSale = {u"v=FORSALE1;ftxt=call; or write", u"v=FORSALE1;fval=CNY8888"};
  answer.checked = std::chrono::sys_days(std::chrono::year(2026) / 12 / 9) + std::chrono::hours(8);
  const cli::Row written{u"中国.cn", answer, false};
  const cli::ResumingRun run{{check::Route::Whois}, false, *answer.checked, std::chrono::hours(1)};
  for (cli::Format format : {cli::Format::Tsv, cli::Format::Csv, cli::Format::Json}) {
    const cli::Columns all = cli::Columns::Registry | cli::Columns::Type | cli::Columns::ForSale;
    std::istringstream in(cli::FormatHeader(format, all) +
                          cli::FormatAnswer(format, written.name, answer, all));
    const auto settled = cli::ReadSettled(in, "earlier", run);
    ASSERT_TRUE(settled.ok()) << settled.error();
    ASSERT_EQ(settled.value().settled.count(written.name), 1u);
    const cli::Row read{written.name, settled.value().settled.at(written.name), false};
    for (const cli::Column& column : cli::AllColumns()) {
      EXPECT_EQ(column.write(read), column.write(written)) << column.name;
    }
  }
}

// A line of 12 fields is an older output's with checked, or a typed one's without: the type
// field tells them apart, so neither takes the other's time or type for its own.
TEST(Columns, LayoutsWithAsManyFieldsReadApart) {
  const cli::ResumingRun run{{check::Route::Rdap},
                             false,
                             std::chrono::sys_days(std::chrono::year(2026) / 12 / 9),
                             std::chrono::hours(24 * 365 * 100)};
  std::istringstream in(
      // Registry columns and checked.
      "abc.com\tregistered\t\t\trdap\t\tR\t2027-01-01\t\tactive\t\t2026-12-08T00:00:00Z\n"
      // Registry columns and the type, without checked.
      "1122.com\tregistered\t\t\trdap\t\tR\t2027-01-01\t\tactive\t\tdigits:4; AABB\n"
      // Registry columns and a for-sale sign, with checked: as many fields as the type's.
      "sale.com\tregistered\t\t\trdap\t\tR\t2027-01-01\t\tactive\t\tv=FORSALE1;\t"
      "2026-12-08T00:00:00Z\n");
  const auto settled = cli::ReadSettled(in, "earlier", run);
  ASSERT_TRUE(settled.ok()) << settled.error();
  const auto& answers = settled.value().settled;
  ASSERT_EQ(answers.size(), 3u);
  EXPECT_EQ(answers.at(u"sale.com").forSale, std::vector<std::u16string>{u"v=FORSALE1;"});
  EXPECT_TRUE(answers.at(u"sale.com").checked);
  EXPECT_EQ(cli::CheckedText(*answers.at(u"abc.com").checked), "2026-12-08T00:00:00Z");
  EXPECT_FALSE(answers.at(u"1122.com").checked);
  EXPECT_TRUE(settled.value().undated);

  std::istringstream wrong("abc.com\tregistered\t\t\trdap\t\tR\t2027-01-01\t\tactive\t\tdigits:4\n");
  const auto refused = cli::ReadSettled(wrong, "earlier", run);
  ASSERT_FALSE(refused.ok());
  EXPECT_NE(refused.error().find("is not YYYY-MM-DDThh:mm:ssZ"), std::string::npos) << refused.error();
}

namespace {

// Answers from a table, every name not in it available; it keeps the names it was asked.
class TableSource final : public check::Source {
 public:
  explicit TableSource(std::map<std::u16string, check::Answer> table) : table_(std::move(table)) {}
  void Check(check::NameFeed& names, const Report& report, std::stop_token) override {
    while (auto name = names.Next()) {
      asked.push_back(name->text);
      const auto found = table_.find(name->text);
      report(name->id, found != table_.end() ? found->second
                                             : check::WithStatus(check::Status::Available));
    }
  }
  std::vector<std::u16string> asked;

 private:
  std::map<std::u16string, check::Answer> table_;
};

}  // namespace

TEST(HanVariants, TheFirstLabelInEachFormUnderTheRegistriesThatBundleThem) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(names::HanVariants(u"发财.cn"), (V{u"發財.cn"}));
  EXPECT_EQ(names::HanVariants(u"學習.中国"), (V{u"学习.中国"}));
  EXPECT_EQ(names::HanVariants(u"中國发财.com.cn"), (V{u"中国发财.com.cn", u"中國發財.com.cn"}));
  EXPECT_EQ(names::HanVariants(u"abc.cn"), V{});
  for (const char16_t* name : {u"发财.cn", u"发财.com.cn", u"发财.中国", u"发财.xn--fiqz9s", u"发财.台灣"}) {
    EXPECT_TRUE(names::BundlesVariants(name)) << base::Utf16ToUtf8(name);
  }
  for (const char16_t* name : {u"发财.com", u"发财.hk", u"cn.com"}) {
    EXPECT_FALSE(names::BundlesVariants(name)) << base::Utf16ToUtf8(name);
  }
}

TEST(BundledVariants, AFreeNameWhoseVariantIsTakenIsReservedAndOneWhoseVariantIsUnknownIsUnknown) {
  auto inner = std::make_unique<TableSource>(std::map<std::u16string, check::Answer>{
      {u"發財.cn", check::WithStatus(check::Status::Registered)},
      {u"学习.cn", check::Unknown(u"timed out", base::FailureKind::Timeout)},
      {u"发达.cn", check::WithStatus(check::Status::Registered)},
      {u"發達.cn", check::WithStatus(check::Status::Registered)},
  });
  TableSource& table = *inner;
  check::BundledVariants source(std::move(inner));
  const std::vector<std::u16string> names = {u"发财.cn", u"學習.cn", u"abc.cn", u"发财.com",
                                             u"发达.cn"};
  std::map<std::size_t, check::Answer> answers;
  source.Check(names, [&](std::size_t id, check::Answer answer) { answers[id] = answer; }, {});
  ASSERT_EQ(answers.size(), names.size());
  EXPECT_EQ(answers[0].status, check::Status::Reserved);
  EXPECT_EQ(answers[0].detail, u"bundled with 發財.cn");
  EXPECT_EQ(answers[1].status, check::Status::Unknown);
  EXPECT_EQ(answers[1].detail, u"its variant 学习.cn could not be checked: timed out");
  EXPECT_EQ(answers[1].reason, base::FailureKind::Timeout);
  EXPECT_EQ(answers[2].status, check::Status::Available);
  EXPECT_EQ(answers[3].status, check::Status::Available);  // .com does not bundle
  EXPECT_EQ(answers[4].status, check::Status::Registered);
  EXPECT_EQ(table.asked, (std::vector<std::u16string>{u"发财.cn", u"發財.cn", u"學習.cn", u"学习.cn",
                                                      u"abc.cn", u"发财.com", u"发达.cn", u"發達.cn"}));
}

// The registry of a taken variant may say of the name asked that anyone may register it.
TEST(BundledVariants, AVariantsRegistryThatOpensTheNameToAllLeavesItFree) {
  check::Answer own = check::WithStatus(check::Status::Available);
  own.aLabel = u"xn--ooru74k.cn";
  check::Answer variant = check::WithStatus(check::Status::Registered);
  variant.variants = {{u"xn--ooru74k.cn", {u"unregistered", u"open registration"}}};
  EXPECT_EQ(check::WithVariants(own, {{u"發財.cn", variant}}).status, check::Status::Available);
  variant.variants = {{u"xn--ooru74k.cn", {u"unregistered", u"registration restricted"}}};
  EXPECT_EQ(check::WithVariants(own, {{u"發財.cn", variant}}).status, check::Status::Reserved);
}
