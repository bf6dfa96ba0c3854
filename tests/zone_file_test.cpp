// Zone files: which names a zone delegates, read line by line from a stream in pieces of any
// size, plain or gzip, and how old its serial says it is.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "check/dns/ZoneFile.h"

namespace {

// The CZDS form, with what other writers of master files do.
constexpr std::string_view kZone =
    "com.\t900\tin\tsoa\ta.gtld-servers.net. nstld.verisign-grs.com. 1701234567 1800 900 "
    "604800 86400\n"
    "com.\t172800\tin\tns\ta.gtld-servers.net.\n"
    "abc.com.\t172800\tin\tns\tns1.abc.com.\n"
    "ABC.com.\t172800\tin\tns\tns2.abc.com.\n"
    "ns1.abc.com.\t172800\tin\ta\t192.0.2.1\n"
    "glueonly.com.\t172800\tin\ta\t192.0.2.2\n"
    "$ORIGIN com.\r\n"
    "relative 3600 IN NS ns1.example.net. ; a comment\r\n"
    "           IN NS ns2.example.net.\n"
    "continued IN A 192.0.2.3\n"
    "          NS ns3.example.net.\n"
    "multi IN SOA a. b. ( 1\n"
    " 2 3 4 5 )\n"
    "$INCLUDE other.zone\n"
    "lonely.com.\n"
    "\n"
    "last.com. 1h IN NS ns.example.net.";

const std::vector<std::string> kAsked = {"abc.com",       "glueonly.com", "relative.com",
                                         "continued.com", "last.com",     "free.com"};
const std::vector<bool> kDelegated = {true, false, true, true, true, false};

TEST(ZoneScanner, FindsTheNamesWithNsRecordsWhereverTheStreamIsCut) {
  for (std::size_t piece : {std::size_t(1), std::size_t(7), kZone.size()}) {
    check::ZoneScanner scanner(kAsked);
    for (std::size_t at = 0; at < kZone.size(); at += piece) scanner.Feed(kZone.substr(at, piece));
    scanner.Finish();
    EXPECT_EQ(scanner.Delegated(), kDelegated) << "pieces of " << piece;
    EXPECT_EQ(scanner.Unreadable(), 2u) << "$INCLUDE and a line without a type";
    EXPECT_EQ(scanner.Serial(), 1701234567u);
  }
}

// A line without an owner keeps the last one as it was written (RFC 1035, section 5.1), though
// $ORIGIN changed between; an NS line without a target and a word that is no type are
// unreadable, and delegate nothing.
TEST(ZoneScanner, OwnersStayAsGivenAndMalformedLinesAreCounted) {
  const std::string zone =
      "$ORIGIN com.\n"
      "kept 3600 IN NS ns1.example.net.\n"
      "$ORIGIN net.\n"
      "     3600 IN NS ns2.example.net.\n"
      "bare.net. 3600 IN NS\n"
      "junk.net. 3600 IN BOGUS ns1.example.net.\n"
      "some words on a line\n";
  check::ZoneScanner scanner({"kept.com", "kept.net", "bare.net", "junk.net"});
  scanner.Feed(zone);
  scanner.Finish();
  EXPECT_EQ(scanner.Delegated(), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(scanner.Unreadable(), 3u);
}

TEST(ZoneScanner, AnOverlongLineIsOneUnreadableLineAndNotKept) {
  check::ZoneScanner scanner({"abc.com"});
  scanner.Feed(std::string(check::ZoneScanner::kLongestLine + 10, 'x'));
  scanner.Feed(std::string(check::ZoneScanner::kLongestLine, 'x') + "\nabc.com. NS ns1.\n");
  scanner.Finish();
  EXPECT_EQ(scanner.Unreadable(), 1u);
  EXPECT_TRUE(scanner.Delegated()[0]);
}

TEST(ZoneFile, ReadsGzipAndPlainAlikeAndNamesABrokenFile) {
  const auto folder = std::filesystem::temp_directory_path() / "brelka-zone-test";
  std::filesystem::create_directories(folder);
  const auto gzipped = folder / "com.zone.gz";
  gzFile out = gzopen(gzipped.string().c_str(), "wb");
  ASSERT_TRUE(out);
  ASSERT_EQ(gzwrite(out, kZone.data(), unsigned(kZone.size())), int(kZone.size()));
  gzclose(out);
  const auto plain = folder / "com.zone";
  std::ofstream(plain, std::ios::binary) << kZone;
  for (const auto& file : {gzipped, plain}) {
    check::ZoneScanner scanner(kAsked);
    ASSERT_TRUE(check::ScanZoneFile(file, scanner)) << file;
    EXPECT_EQ(scanner.Delegated(), kDelegated) << file;
  }

  // Each file starts afresh: the first one's $ORIGIN does not make the next one's owners absolute.
  const auto next = folder / "next.zone";
  std::ofstream(next, std::ios::binary) << "sequel IN NS ns1.example.net.\n";
  check::ZoneScanner both({"sequel.com"});
  ASSERT_TRUE(check::ScanZoneFile(plain, both));
  ASSERT_TRUE(check::ScanZoneFile(next, both));
  EXPECT_FALSE(both.Delegated()[0]);
  EXPECT_EQ(both.Serial(), std::nullopt);

  // A gzip file cut in its middle is an error, not a shorter zone.
  std::string bytes;
  {
    std::ifstream in(gzipped, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::ofstream(gzipped, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() / 2);
  check::ZoneScanner scanner(kAsked);
  const base::Status cut = check::ScanZoneFile(gzipped, scanner);
  EXPECT_FALSE(cut);
  const base::Status missing = check::ScanZoneFile(folder / "none.zone", scanner);
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.error().find("cannot open it"), std::string::npos) << missing.error();
  std::filesystem::remove_all(folder);
}

TEST(ZoneFile, TheSerialTellsADateOrSecondsOrNothing) {
  EXPECT_EQ(check::SerialTime(2026120801), 1796688000);  // 2026-12-08
  EXPECT_EQ(check::SerialTime(1701234567), 1701234567);  // .com's: seconds
  EXPECT_EQ(check::SerialTime(42), std::nullopt);
}

}  // namespace
