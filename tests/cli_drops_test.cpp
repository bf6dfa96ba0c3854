// Finding names worth having, with brelka-cli as a separate process: drops (deletion lists from
// files and from the simulators' addresses, zone files a day apart, the filters, the names
// checked or watched) and Chinese names bundled with their variants.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CliOutput.h"

namespace {

using testing_support::ChildOutcome;
using testing_support::RunChild;

const std::string kCli = testing_support::ProgramBeside(CLI_PROGRAM);

class CliDrops : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / "brelka-cli-drops-test";
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const auto file = folder_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }

  std::filesystem::path folder_;
};

TEST_F(CliDrops, ListsFromFilesAreReadInTheirFormsFilteredAndWritten) {
  const std::string saved = Write("saved.txt", "abc.cn\r\n[woaini.cn]\r\nnot a name\r\n");
  // The .top registry's CSV in GBK: 域名,删除时间, then 中国.top.
  const std::string csv = Write("dellist.csv",
                                "\xD3\xF2\xC3\xFB,\xC9\xBE\xB3\xFD\xCA\xB1\xBC\xE4\r\n"
                                "abcd.top,2024/05/01 14:30\r\n"
                                "\xD6\xD0\xB9\xFA.top,2024/05/02 09:00\r\n"
                                "abc.cn,2024/05/02 09:00\r\n");  // on both lists: once
  const ChildOutcome run = RunChild(kCli, {"drops", "-f", "json", "--length", "3-4", saved, csv});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  // A Windows path's backslashes, as JSON writes them.
  const auto json = [](std::string path) {
    return std::regex_replace(path, std::regex(R"(\\)"), R"(\\)");
  };
  EXPECT_EQ(run.out, "{\"name\":\"abc.cn\",\"deletes\":\"\",\"from\":\"" + json(saved) +
                         "\"}\n"
                         "{\"name\":\"abcd.top\",\"deletes\":\"2024-05-01 14:30\",\"from\":\"" +
                         json(csv) + "\"}\n");
  EXPECT_EQ(run.err, "brelka-cli: warning: '" + saved +
                         "': 1 line holds no name, the first line 3\n"
                         "brelka-cli: the filters left out 2 names\n"
                         "brelka-cli: 2 names to drop\n");

  const ChildOutcome missing = RunChild(kCli, {"drops", (folder_ / "none.txt").string()});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_TRUE(missing.err.starts_with("brelka-cli: '" + (folder_ / "none.txt").string() +
                                      "': cannot open it: "))
      << missing.err;
}

// The demo serves CNNIC's lists for today and tomorrow and .top's CSV, and has two files of
// its com zone a day apart.
TEST(CliDropsDemo, TheSimulatorsListsAndZoneFilesAreReadCheckedAndWatched) {
  const ChildOutcome lists = RunChild(kCli, {"--demo", "drops", "-f", "tsv", "--type", "digits"});
  EXPECT_EQ(lists.exitCode, 0) << lists.err;
  const std::regex drop(
      "8888\\.cn\t\\d{4}-\\d\\d-\\d\\d\thttp://127\\.0\\.0\\.1:\\d+/NMediaFile/domain_list/"
      "1todayDel\\.txt\tdigits:4; AAAA\n"
      "1122\\.cn\t\\d{4}-\\d\\d-\\d\\d\thttp://127\\.0\\.0\\.1:\\d+/NMediaFile/domain_list/"
      "future1todayDel\\.txt\tdigits:4; AABB\n");
  EXPECT_TRUE(std::regex_match(lists.out, drop)) << lists.out;

  const ChildOutcome zones =
      RunChild(kCli, {"--demo", "drops", "--zone-diff", "-f", "csv", "--type", "any"});
  EXPECT_EQ(zones.exitCode, 0) << zones.err;
  EXPECT_EQ(zones.out,
            "name,deletes,from,type\r\n"
            "8888.com,2027-01-13,zone diff,digits:4; AAAA\r\n"
            "fangan.com,2027-01-13,zone diff,letters:6; pinyin2\r\n"
            "中文域名.com,2027-01-13,zone diff,han:4\r\n");
  EXPECT_EQ(zones.err, "brelka-cli: 3 names to drop\n");

  const ChildOutcome checked = testing_support::RunCli(
      kCli, {"--demo", "drops", "--check", "-f", "tsv", "--type", "pinyin", "-q"}, "");
  EXPECT_EQ(checked.exitCode, 0) << checked.err;
  EXPECT_EQ(checked.out,
            "fangan.cn\tavailable\t\t\twhois\t\t\t\t\t\t\tletters:6; pinyin2\n"
            "xian.cn\tavailable\t\t\twhois\t\t\t\t\t\t\tletters:4; pinyin1\n"
            "woaini.cn\tavailable\t\t\twhois\t\t\t\t\t\t\tletters:6; pinyin3\n"
            "baidu.top\tavailable\t\t\trdap\t\t\t\t\t\t\tletters:5; pinyin2\n");

  const auto list = std::filesystem::temp_directory_path() / "brelka-cli-drops-watch.sqlite";
  std::filesystem::remove(list);
  const ChildOutcome watched = RunChild(
      kCli, {"--demo", "drops", "--watch", "--watch-list", list.string(), "--type", "letters:6"});
  std::filesystem::remove(list);
  EXPECT_EQ(watched.exitCode, 0) << watched.err;
  EXPECT_TRUE(watched.err.ends_with("brelka-cli: 3 names added to the watch list\n"))
      << watched.err;
}

TEST(CliDropsDemo, WhatDropsTakesAndWhatOnlyItTakes) {
  const struct {
    std::vector<std::string> args;
    std::string err;
  } kCases[] = {
      {{"drops"},
       "drops takes deletion lists (files or http(s) addresses), or --zone-diff OLD NEW"},
      {{"drops", "--zone-diff", "old.zone"},
       "drops --zone-diff takes two zone files, OLD then NEW"},
      {{"drops", "--check", "--watch", "x.txt"}, "drops takes --check or --watch, not both"},
      {{"drops", "-p", "DDD", "--tld", "cn"}, "drops takes no --pattern, --count or --zone"},
      {{"--zone-diff", "a", "b"}, "--zone-diff goes with drops"},
      {{"--watch", "x.txt"}, "--watch goes with drops"},
      {{"drops", "--for-sale", "x.txt"}, "--for-sale goes with drops --check"},
  };
  for (const auto& c : kCases) {
    const ChildOutcome run = RunChild(kCli, c.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "brelka-cli: " + c.err + " (see --help)\n");
  }
}

// The demo's cn registry holds 發財.cn, so 发财.cn, free by itself, is bundled with it.
TEST(CliVariants, AFreeChineseNameWhoseVariantIsTakenIsReserved) {
  const ChildOutcome run =
      testing_support::RunCli(kCli, {"--demo", "-f", "tsv", "-q"}, "发财.cn\n学习.cn\n发财.com\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "发财.cn\treserved\tbundled with 發財.cn\t\twhois\txn--ooru74k.cn\t\t\t\t\t\n"
            "学习.cn\tavailable\t\t\twhois\txn--vjq503a.cn\t\t\t\t\t\n"
            "发财.com\tavailable\t\t\trdap\txn--ooru74k.com\t\t\t\t\t\n");
}

}  // namespace
