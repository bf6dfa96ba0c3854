// The text work of a query: splitting, cleaning, harvesting, the removal body, the summary and
// lower-casing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "query/Cleaning.h"
#include "query/Harvesting.h"
#include "query/Splitting.h"

using namespace query;

namespace {

std::vector<std::u16string> Owned(const std::vector<std::u16string_view>& pieces) {
  return {pieces.begin(), pieces.end()};
}

std::u16string Page(std::u16string_view selection) {
  return u"<html><body>我的购物车 $9.99 x' id='BEFORE.COM'"
         u"<h2>My Selected Domain Names</h2>" +
         std::u16string(selection) + u"<div x' id='AFTER.COM'>版权所有 1.0</div></body></html>";
}

}  // namespace

TEST(Splitting, EmptyTextHasNoPiecesAndAnyOtherTextAtLeastOne) {
  EXPECT_TRUE(Split(u"", u",").empty());
  EXPECT_EQ(Owned(Split(u"a.com", u",")), (std::vector<std::u16string>{u"a.com"}));
  EXPECT_EQ(Owned(Split(u",a,,b,", u",")),
            (std::vector<std::u16string>{u"", u"a", u"", u"b", u""}));
  EXPECT_EQ(Owned(Split(u"a\r\nb\nc\r\n", u"\r\n")),
            (std::vector<std::u16string>{u"a", u"b\nc", u""}));
}

TEST(Splitting, AskingForAMissingPieceFails) {
  EXPECT_FALSE(PieceAt(u"", u"x", 0).ok());
  EXPECT_FALSE(PieceAt(u"abc", u"x", 1).ok());
  ASSERT_TRUE(PieceAt(u"abc", u"x", 0).ok());
  EXPECT_EQ(PieceAt(u"abc", u"x", 0).value(), u"abc");
  EXPECT_EQ(PieceAt(u"aXXbXXc", u"XX", 1).value(), u"b");
  EXPECT_EQ(PieceAt(u"aXXbXXc", u"XX", 2).value(), u"c");
  EXPECT_EQ(PieceAt(u"aXX", u"XX", 1).value(), u"");
}

TEST(Splitting, CountStopsAtItsLimit) {
  EXPECT_EQ(CountPieces(u"", u",", 10), 0u);
  EXPECT_EQ(CountPieces(u"a", u",", 10), 1u);
  EXPECT_EQ(CountPieces(u",,,", u",", 10), 4u);
  EXPECT_EQ(CountPieces(std::u16string(100000, u','), u",", 492), 492u);
}

TEST(Splitting, ReplacementMakesOnePassAndDoesNotSearchItsOwnOutput) {
  EXPECT_EQ(ReplaceAll(u"hthttp://tp://a.com", u"http://", u""), u"http://a.com");
  // n line breaks in a row become n/2, rounded up.
  for (int n = 1; n <= 7; ++n) {
    std::u16string breaks;
    for (int i = 0; i < n; ++i) breaks += u"\r\n";
    std::u16string expected;
    for (int i = 0; i < (n + 1) / 2; ++i) expected += u"\r\n";
    EXPECT_EQ(ReplaceAll(breaks, u"\r\n\r\n", u"\r\n"), expected) << n << " line breaks";
  }
}

TEST(Cleaning, RemovesSpacesDoubledBreaksAndPrefixesButKeepsTabsAndWideSpaces) {
  struct Case {
    std::u16string input;
    std::u16string cleaned;
  };
  const Case cases[] = {
      {u"my name.com\r\nb.com", u"myname.com\r\nb.com"},
      {u"a\t.com\r\nb\u3000.com", u"a\t.com\r\nb\u3000.com"},
      {u"a.com\r\n\r\nb.com", u"a.com\r\nb.com"},
      {u"a.com\r\n\r\n\r\nb.com", u"a.com\r\n\r\nb.com"},
      {u"a.com\r\n   \r\nb.com", u"a.com\r\nb.com"},
      // A line of only a prefix goes after the doubled breaks were halved, so it stays empty.
      {u"a.com\r\nhttp://\r\nb.com", u"a.com\r\n\r\nb.com"},
      {u"a.com\r\nwww.\r\nb.com", u"a.com\r\n\r\nb.com"},
      {u"http://www.a.com\r\nmywww.b.com", u"a.com\r\nmyb.com"},
      {u"HTTP://WWW.a.com\r\nhttps://b.com\r\nWww.c.com",
       u"HTTP://WWW.a.com\r\nhttps://b.com\r\nWww.c.com"},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanInput(c.input), c.cleaned);
}

TEST(Cleaning, SubmittedListAndBodyKeepEveryElementUnescaped) {
  EXPECT_EQ(SubmittedList(u"a.com\r\n\r\nb.com\r\n"), u"a.com,,b.com,");
  EXPECT_EQ(SearchBody(SubmittedList(u"a.com\r\nb&c=d.com")),
            u"domainNames=a.com,b&c=d.com&extrnl=1&dotTypes=");
}

TEST(Harvesting, ListsEntriesOfTheSelectionTableInPageOrder) {
  auto names = HarvestNames(Page(u"<table><tr x' id='A.COM' title='x'/><tr x' id='Bb.Net'/></table>"));
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value().lines, u"A.COM\r\nBb.Net\r\n");
  EXPECT_EQ(names.value().lastHit, 2);
}

TEST(Harvesting, FragmentRulesDecideWhatIsAccepted) {
  struct Case {
    std::u16string_view table;
    std::u16string_view lines;
    std::optional<std::int16_t> lastHit;
  };
  const Case cases[] = {
      // A fragment with no dot anywhere is skipped, but the numbering counts it.
      {u"<table>x' id='a.com' x' id='nodot' x' id='c.com'</table>", u"a.com\r\nc.com\r\n", 3},
      // The dot may stand after the name: the name is harvested unchanged.
      {u"<table>x' id='plain' $1.99</table>", u"plain\r\n", 1},
      // A fragment that opens with the apostrophe gives an empty line.
      {u"<table>x' id='' 1.5</table>", u"\r\n", 1},
      // Without an apostrophe the whole fragment is the name.
      {u"<table>x' id='a.com</table>", u"a.com\r\n", 1},
      // An empty fragment is never accepted.
      {u"<table>x' id='x' id='a.com'</table>", u"a.com\r\n", 2},
      // No entry marker: nothing, and the last hit is left as it was.
      {u"<table><tr><td>nothing.here</td></tr></table>", u"", std::nullopt},
  };
  for (const Case& c : cases) {
    auto names = HarvestNames(Page(c.table));
    ASSERT_TRUE(names.ok()) << std::string(c.table.begin(), c.table.end());
    EXPECT_EQ(names.value().lines, c.lines);
    EXPECT_EQ(names.value().lastHit, c.lastHit);
  }
}

TEST(Harvesting, WithoutTableEndSearchesUpToTheNextMarkerOrThePageEnd) {
  auto names = HarvestNames(
      u"My Selected Domain Names x' id='a.com' My Selected Domain Names x' id='b.com'");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value().lines, u"a.com\r\n");
  names = HarvestNames(u"My Selected Domain Names x' id='a.com' x' id='b.com'");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value().lines, u"a.com\r\nb.com\r\n");
}

TEST(Harvesting, FailsWithoutASelectionToRead) {
  EXPECT_FALSE(HarvestNames(u"").ok());
  EXPECT_FALSE(HarvestNames(u"<html>My Selected Domain</html>").ok());
}

TEST(Harvesting, AMarkerThatEndsThePageHeadsAnEmptySelection) {
  for (std::u16string_view page :
       {u"<html>My Selected Domain Names", u"My Selected Domain NamesMy Selected Domain Names"}) {
    auto names = HarvestNames(page);
    ASSERT_TRUE(names.ok());
    EXPECT_EQ(names.value().lines, u"");
    EXPECT_EQ(names.value().lastHit, std::nullopt);
  }
}

TEST(Harvesting, RefusesMoreEntriesThanA16BitNumberCounts) {
  std::u16string entries;
  for (std::size_t i = 0; i < kMaxFragments; ++i) entries += u"x' id='a.com'";
  auto names = HarvestNames(Page(entries + u"</table>"));
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value().lastHit, 32767);
  EXPECT_FALSE(HarvestNames(Page(entries + u"x' id='b.com'</table>")).ok());
}

TEST(Release, BodyPairsEachNonEmptyLineWithItself) {
  EXPECT_EQ(RemovalBody(u"a.com\r\nb.net\r\n").value(), u"delete_a.com=a.com&delete_b.net=b.net");
  EXPECT_EQ(RemovalBody(u"a.com\r\n\r\n\r\nb.net").value(),
            u"delete_a.com=a.com&delete_b.net=b.net");
  EXPECT_EQ(RemovalBody(u" A b\r\n").value(), u"delete_ A b= A b");
  EXPECT_FALSE(RemovalBody(u"\r\n\r\n\r\n").ok());
  EXPECT_FALSE(RemovalBody(u"").ok());
}

TEST(Release, SummaryCountsEnteredAndAvailableNames) {
  EXPECT_EQ(Summary(9, 3).value(), u"共输入10个，其中3个可以注册");
  EXPECT_EQ(Summary(-5, -1).value(), u"共输入-4个，其中-1个可以注册");
  EXPECT_EQ(Summary(32766, 32767).value(), u"共输入32767个，其中32767个可以注册");
  EXPECT_FALSE(Summary(32767, 1).ok());
}
