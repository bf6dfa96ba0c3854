// Finding names about to drop: the registries' deletion lists in the forms they publish, and
// the names two zone files a day apart tell have left the zone.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/Text.h"
#include "check/drops/DeletionList.h"
#include "check/drops/ZoneDiff.h"

namespace {

// 2026-12-09 20:00 UTC is already the 10th in China, whose day CNNIC's lists count from.
const std::chrono::sys_seconds kNow =
    std::chrono::sys_days(std::chrono::year(2026) / 12 / 9) + std::chrono::hours(20);

std::string Drops(const check::DeletionList& list) {
  std::string text;
  for (const check::Drop& drop : list.drops) {
    text += base::Utf16ToUtf8(drop.name) + "|" + drop.deletes + "\n";
  }
  return text;
}

TEST(DeletionList, CnnicsTextListsTakeTheirDayFromTheFilesName) {
  // One name a line, some in square brackets, CR LF or LF, a line that holds no name.
  const std::string text = "abc.cn\r\n[zhongguo.cn]\r\n\r\n  中国.cn  \nnot a name\n[x..cn]\n";
  const struct {
    const char* source;
    const char* day;
  } kCases[] = {
      {"https://www.cnnic.cn/NMediaFile/domain_list/1todayDel.txt", "2026-12-10"},
      {"future1todayDel.txt", "2026-12-11"},
      {"/tmp/lists/future2todayDel.txt", "2026-12-12"},
      {"saved.txt", ""},  // a list whose day no name tells
  };
  for (const auto& c : kCases) {
    const check::DeletionList list = check::ReadDeletionList(text, c.source, kNow);
    const std::string day = c.day;
    EXPECT_EQ(Drops(list), "abc.cn|" + day + "\nzhongguo.cn|" + day + "\n中国.cn|" + day + "\n")
        << c.source;
    EXPECT_EQ(list.unreadable, 2u);
    EXPECT_EQ(list.firstUnreadable, 5u);
  }
}

TEST(DeletionList, TheTopRegistrysCsvReadsInGbkAndUtf8) {
  const std::string rows =
      "abc.top,2024/05/01 14:30\r\n"
      "\"quoted.top\",2024-05-02 09:05:00\r\n"
      "day.top,2024/5/3\r\n"
      "late.top,2024/02/30 10:00\r\n"  // no such day
      "\r\n"
      "sign.top,-001/01/01\r\n"  // no sign, no space, no short year
      "space.top, +24/1/1\r\n"
      "clock.top,2024/05/01 14:3x\r\n";
  const std::string expected =
      "abc.top|2024-05-01 14:30\nquoted.top|2024-05-02 09:05\nday.top|2024-05-03\n";
  // 域名,删除时间 in GBK, then in UTF-8 with a byte-order mark; 中国.top in GBK.
  const check::DeletionList gbk = check::ReadDeletionList(
      "\xD3\xF2\xC3\xFB,\xC9\xBE\xB3\xFD\xCA\xB1\xBC\xE4\r\n" + rows +
          "\xD6\xD0\xB9\xFA.top,2024/05/04 00:00\r\n",
      "dellist.csv", kNow);
  EXPECT_EQ(Drops(gbk), expected + "中国.top|2024-05-04 00:00\n");
  EXPECT_EQ(gbk.unreadable, 4u);
  EXPECT_EQ(gbk.firstUnreadable, 5u);

  const check::DeletionList utf8 =
      check::ReadDeletionList("\xEF\xBB\xBF域名,删除时间\n" + rows, "dellist.csv", kNow);
  EXPECT_EQ(Drops(utf8), expected);
  EXPECT_EQ(utf8.unreadable, 4u);
}

class ZoneDiffTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / "brelka-zone-diff-test";
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path Write(const std::string& name, const std::string& text, bool gzip) {
    const auto file = folder_ / name;
    if (gzip) {
      gzFile out = gzopen(file.string().c_str(), "wb");
      gzwrite(out, text.data(), unsigned(text.size()));
      gzclose(out);
    } else {
      std::ofstream(file, std::ios::binary) << text;
    }
    return file;
  }

  std::filesystem::path folder_;
};

constexpr std::string_view kSoa =
    "com.\t900\tin\tsoa\ta.gtld-servers.net. nstld.verisign-grs.com. 1765238400 1800 900 "
    "604800 86400\n"
    "com.\t172800\tin\tns\ta.gtld-servers.net.\n";

TEST_F(ZoneDiffTest, NamesDelegatedInTheOlderFileAndNotTheNewerLeftInEitherForm) {
  const std::string older = std::string(kSoa) +
                            "kept.com. 172800 in ns ns1.kept.com.\n"
                            "gone.com. 172800 in ns ns1.gone.com.\n"
                            "GONE.com. 172800 in ns ns2.gone.com.\n"
                            "glue.com. 172800 in a 192.0.2.1\n"
                            "xn--fiq06l2rdsvs.com. 172800 in ns ns.example.net.\n"
                            "gone.com. 172800 in ns ns3.gone.com.\n";  // not in order: once
  const std::string newer = std::string(kSoa) +
                            "kept.com. 172800 in ns ns1.kept.com.\n"
                            "new.com. 172800 in ns ns1.new.com.\n"
                            "glue.com. 172800 in ns ns1.glue.com.\n";
  for (bool gzip : {false, true}) {
    SCOPED_TRACE(gzip ? "gzip" : "plain");
    const auto oldFile = Write("old.zone", older, gzip);
    const auto newFile = Write("new.zone", newer, gzip);
    const auto diff = [](const auto& first, const auto& second) {
      check::ZoneDiff zones;
      std::vector<std::string> left;
      EXPECT_TRUE(zones.ReadNewer(second));
      EXPECT_TRUE(zones.ReadOlder(first, [&](std::string_view name) { left.emplace_back(name); }));
      EXPECT_EQ(zones.Left(), left.size());
      EXPECT_EQ(zones.NewerSerial(), 1765238400u);
      return left;
    };
    EXPECT_EQ(diff(oldFile, newFile), (std::vector<std::string>{"gone.com", "xn--fiq06l2rdsvs.com"}));
    // The other way round: the names that came.
    EXPECT_EQ(diff(newFile, oldFile), (std::vector<std::string>{"new.com", "glue.com"}));
  }
  check::ZoneDiff zones;
  const base::Status missing = zones.ReadNewer(folder_ / "missing.zone");
  ASSERT_FALSE(missing);
  EXPECT_TRUE(missing.error().starts_with("cannot open it: ")) << missing.error();
}

}  // namespace
